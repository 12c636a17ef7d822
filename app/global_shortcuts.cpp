#include "app/global_shortcuts.h"

#include "app/caption_strip.h"

namespace parlavo {

namespace {

struct CommandEntry {
    const char* caption;
    void (*run)(CaptionStrip& strip);
};
// By Command. The pause key pauses for the menu's shortest time.
constexpr CommandEntry kCommands[] = {{"Repeat sentence",
                                       [](CaptionStrip& strip) {
                                           strip.repeatSentence();
                                       }},
                                      {"Pause / resume",
                                       [](CaptionStrip& strip) {
                                           strip.isPaused() ? strip.resume() : strip.pause(PauseLength::HalfHour);
                                       }},
                                      {"Knew it",
                                       [](CaptionStrip& strip) {
                                           strip.knewIt();
                                       }},
                                      {"Didn't know it", [](CaptionStrip& strip) {
                                           strip.didNotKnowIt();
                                       }}};
static_assert(std::size(kCommands) == kCommandCount);

} // namespace

QString commandCaption(Command command) {
    return QString::fromLatin1(kCommands[std::size_t(command)].caption);
}

GlobalShortcuts::GlobalShortcuts(CaptionStrip& strip, GlobalKeys& keys) : mStrip(strip), mKeys(keys) {
    mKeys.pressed = [this](int index) {
        run(Command(index));
    };
    connect(&strip, &CaptionStrip::settingsChanged, this, &GlobalShortcuts::apply);
}

void GlobalShortcuts::apply() {
    const auto& shortcuts = mStrip.settings().shortcuts;
    for (const QKeySequence& key : mKeys.grab(QList<QKeySequence>(shortcuts.begin(), shortcuts.end()))) {
        if (mReported.insert(key.toString(QKeySequence::PortableText)).second)
            emit keyTaken(key);
    }
}

void GlobalShortcuts::run(Command command) {
    kCommands[std::size_t(command)].run(mStrip);
}

} // namespace parlavo
