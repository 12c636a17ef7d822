#pragma once

#include "core/version.h"

#include <QColor>
#include <QString>

namespace parlavo {

inline const QString kWelcomeLine = QStringLiteral(" Welcome to use Parlavo V%1.").arg(QLatin1String(kVersion));
// A blank caption is one space, never the empty text.
inline const QString kBlankCaption = QStringLiteral(" ");

// Text moves sideways by the blanks in front of it, never by moving its label.
QString withLeadingSpaces(int count, const QString& text);

// What the intro does on a pointerTimer tick, by the countdown value after its decrement.
struct IntroStep {
    enum class Action {
        Scroll,        // the welcome line behind `spaces` blanks, window still hidden
        ShowAndScroll, // close the splash, show the window, then scroll
        Hold,          // the welcome line as it stands
        StartPlayback, // blank the line and start playback unless a side window is open
        ResetCountdown // put the countdown back to 1 and do nothing else
    };
    Action action;
    int spaces = 0;
};
IntroStep introStepFor(int countdown);

// One tick of the Spanish line entering from the right, from step 0.
struct SpanishEntryTick {
    QString caption;
    int nextStep;
    bool finished;
};
SpanishEntryTick spanishEntryTick(int step, const QString& spanish);

// The English line rises from below the strip in even steps of two thirds of a pixel, each shown at the nearest
// whole pixel, and rests a few pixels below the strip's top. Step 0 is its place below the strip.
inline constexpr int kEnglishRiseSteps = 34;
int englishTopAt(int step);
struct EnglishRiseTick {
    int top;
    int nextStep;
    bool finished;
};
EnglishRiseTick englishRiseTick(int step);

// The fixed 16-colour palette the colour strip's slots index into.
QColor paletteColour(int index);

// One tick of the colour strip: draw in the first slot's colour while the window is not open and
// not being dragged, otherwise erase; the slots shift on every tick either way.
// The strip's three colour slots: palette indices that rotate one place on every tick.
struct ColourSlots {
    int first = 10;
    int second = 12;
    int third = 10;
};
struct ColourStripTick {
    bool draw;
    QColor colour;
    ColourSlots next;
};
ColourStripTick colourStripTick(bool windowOpen, bool dragging, const ColourSlots& colours);

} // namespace parlavo
