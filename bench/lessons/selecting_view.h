#pragma once

#include "lessons/lesson_playback.h"

namespace parlavo::bench {

// What the caption window does on playback ticks, minus the widgets: sentences come from the real playback and
// lessons, always from the middle of the random range, and nothing is shown.
class SelectingView final : public PlaybackView {
public:
    void showSentence(const Sentence& sentence) override { spanish = sentence.text.spanish; }
    void startSpanishEntry() override {}
    void startEnglishRise() override {}
    void blankSpanish() override {}
    void clearEnglish() override { ++clearedEnglish; }
    void speak() override {}

    QString spanish;
    int clearedEnglish = 0;
};

class MiddleRandom final : public RandomSource {
public:
    void reseedFromClock() override {}
    float next() override { return 0.5f; }
};

// The first-run display settings in sequence play: Spanish first for 5 s, English for 3 s, two cycles.
inline Settings firstRunSequencePlay(ReadingPosition position) {
    Settings settings;
    settings.inSequence = true;
    settings.readingPosition = position;
    return settings;
}

} // namespace parlavo::bench
