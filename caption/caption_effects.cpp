#include "caption/caption_effects.h"

#include <cmath>

namespace parlavo {

namespace {

constexpr int kEntrySteps = 36;

} // namespace

QString withLeadingSpaces(int count, const QString& text) {
    return QString(qMax(count, 0), u' ') + text;
}

IntroStep introStepFor(int countdown) {
    using Action = IntroStep::Action;
    if (countdown >= 51)
        return {Action::Scroll, countdown - 20};
    if (countdown >= 21)
        return {Action::ShowAndScroll, countdown - 20};
    if (countdown >= 3)
        return {Action::Hold, 0};
    if (countdown == 0)
        return {Action::ResetCountdown, 0};
    return {Action::StartPlayback, 0};
}

SpanishEntryTick spanishEntryTick(int step, const QString& spanish) {
    const QString caption = withLeadingSpaces(kEntrySteps - step, spanish);
    if (step + 1 >= kEntrySteps)
        return {caption, 0, true};
    return {caption, step + 1, false};
}

int englishTopAt(int step) {
    return static_cast<int>(std::lrint((80 - 2 * step) / 3.0));
}

// The last step is shown once more as the rise ends.
EnglishRiseTick englishRiseTick(int step) {
    if (step >= kEnglishRiseSteps)
        return {englishTopAt(kEnglishRiseSteps), kEnglishRiseSteps, true};
    return {englishTopAt(step + 1), step + 1, false};
}

QColor paletteColour(int index) {
    static const QColor palette[16] = {{0, 0, 0},       {0, 0, 128},   {0, 128, 0},   {0, 128, 128},
                                       {128, 0, 0},     {128, 0, 128}, {128, 128, 0}, {192, 192, 192},
                                       {128, 128, 128}, {0, 0, 255},   {0, 255, 0},   {0, 255, 255},
                                       {255, 0, 0},     {255, 0, 255}, {255, 255, 0}, {255, 255, 255}};
    return palette[index & 15];
}

ColourStripTick colourStripTick(bool windowOpen, bool dragging, const ColourSlots& colours) {
    const bool draw = !windowOpen && !dragging;
    // The third slot takes the first's new value, not its old one: the rotation loses a colour on purpose.
    return {draw, draw ? paletteColour(colours.first) : QColor(), {colours.second, colours.third, colours.second}};
}

} // namespace parlavo
