#pragma once

#include "lessons/playback_cycle.h"
#include "lessons/sentence_selector.h"

namespace parlavo::bench {

// What the caption window does on playback ticks, minus the widgets: sentences come from the real
// selector and lessons, always from the middle of the random range, and nothing is shown.
class SelectingView final : public PlaybackView {
public:
    explicit SelectingView(SharedState& state) : mState(state) {}

    void nextSentence() override {
        SentenceSelector(mState, mRandom, mMessageBox).selectInto({spanish, english, randomId});
    }
    void startSpanishEntry() override {}
    void startEnglishRise() override {}
    void blankSpanish() override {}
    void clearEnglish() override { ++clearedEnglish; }
    void speakStep() override {}

    QString spanish;
    QString english;
    qint16 randomId = 0;
    int clearedEnglish = 0;

private:
    class SilentMessageBox final : public MessageBox {
    public:
        void show(const QString&, const QString&) override {}
    };
    class MiddleRandom final : public RandomSource {
    public:
        void reseedFromClock() override {}
        float next() override { return 0.5f; }
    };

    SharedState& mState;
    MiddleRandom mRandom;
    SilentMessageBox mMessageBox;
};

// The first-run display settings in sequence play: Spanish first for 5 s, English for 3 s, two cycles.
inline SharedState firstRunSequencePlay(qint16 position) {
    SharedState state;
    state.languageOrder = 1;
    state.timesPerSentence = 2;
    state.spanishSeconds = 5;
    state.englishSeconds = 3;
    state.inSequence = 1;
    state.readingPosition = position;
    return state;
}

} // namespace parlavo::bench
