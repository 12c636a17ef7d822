#include "lessons/playback_cycle.h"

#include "core/integer16.h"

namespace parlavo {

namespace {

constexpr int kTicksPerSecond = 10;

enum Phase : qint16 { Begin = 0, FirstLanguage = 1, Switch = 2, SecondLanguage = 3, End = 4 };

// The first language stays until `firstSeconds` are over; tick counts below zero end it at once.
bool firstLanguageOver(const SharedState& state, qint16 firstSeconds) {
    return state.cycleTick < 0 || state.cycleTick >= mul16(kTicksPerSecond, firstSeconds);
}

// The second language stays from the end of the first until both durations are over.
bool secondLanguageOver(const SharedState& state, qint16 firstSeconds) {
    return state.cycleTick < mul16(kTicksPerSecond, firstSeconds) ||
           state.cycleTick > mul16(kTicksPerSecond, add16(state.spanishSeconds, state.englishSeconds));
}

void endCycle(SharedState& state) {
    state.cyclesShown = add16(state.cyclesShown, 1);
    state.cycleTick = 0;
    state.cyclePhase = Begin;
}

void spanishFirstStep(SharedState& state, PlaybackView& view) {
    switch (state.cyclePhase) {
    case Begin:
        view.startSpanishEntry();
        view.speakStep();
        state.cyclePhase = FirstLanguage;
        break;
    case FirstLanguage:
        if (firstLanguageOver(state, state.spanishSeconds))
            state.cyclePhase = Switch;
        break;
    case Switch:
        view.blankSpanish();
        view.startEnglishRise();
        state.cyclePhase = SecondLanguage;
        break;
    case SecondLanguage:
        if (secondLanguageOver(state, state.spanishSeconds))
            state.cyclePhase = End;
        break;
    case End:
        view.clearEnglish();
        endCycle(state);
        break;
    }
}

void englishFirstStep(SharedState& state, PlaybackView& view) {
    switch (state.cyclePhase) {
    case Begin:
        view.startEnglishRise();
        state.cyclePhase = FirstLanguage;
        break;
    case FirstLanguage:
        if (firstLanguageOver(state, state.englishSeconds))
            state.cyclePhase = Switch;
        break;
    case Switch:
        view.clearEnglish();
        view.startSpanishEntry();
        view.speakStep();
        state.cyclePhase = SecondLanguage;
        break;
    case SecondLanguage:
        if (secondLanguageOver(state, state.englishSeconds))
            state.cyclePhase = End;
        break;
    case End:
        view.blankSpanish();
        endCycle(state);
        break;
    }
}

} // namespace

void playbackTick(SharedState& state, PlaybackView& view) {
    state.cycleTick = add16(state.cycleTick, 1);
    if (state.cyclesShown >= state.timesPerSentence) {
        state.cyclesShown = 0;
        view.nextSentence();
    }
    if (state.languageOrder == 1)
        spanishFirstStep(state, view);
    else
        englishFirstStep(state, view);
}

} // namespace parlavo
