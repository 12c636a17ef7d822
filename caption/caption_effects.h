#pragma once

#include "core/version.h"

#include <QColor>
#include <QString>
#include <QtGlobal>

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

// One tick of the Spanish line entering from the right.
struct SpanishEntryTick {
    QString caption;
    qint16 nextMarquee;
    bool finished;
};
SpanishEntryTick spanishEntryTick(qint16 marquee, const QString& spanish);

// One tick of the English line rising from below; tops are in twips.
struct EnglishRiseTick {
    int top;
    bool finished;
};
EnglishRiseTick englishRiseTick(int top);

// The fixed 16-colour palette the colour strip's slots index into.
QColor paletteColour(int index);

// One tick of the colour strip: draw in the first slot's colour while the window is not open and
// not being dragged, otherwise erase; the slots shift on every tick either way.
// The strip's three colour slots: palette indices that rotate one place on every tick.
struct ColourSlots {
    qint16 first = 10;
    qint16 second = 12;
    qint16 third = 10;
};
struct ColourStripTick {
    bool draw;
    QColor colour;
    ColourSlots next;
};
ColourStripTick colourStripTick(bool windowOpen, bool dragging, const ColourSlots& colours);

} // namespace parlavo
