#include "lessons/playback_cycle.h"

#include "core/integer16.h"

namespace parlavo {

namespace {

constexpr int kTicksPerSecond = 10;

enum Phase : qint16 { Begin = 0, FirstLanguage = 1, Switch = 2, SecondLanguage = 3, End = 4 };

// The first language stays until `firstSeconds` are over; tick counts below zero end it at once.
bool firstLanguageOver(const SharedState& state, qint16 firstSeconds) {
    return state.tickcount < 0 || state.tickcount >= mul16(kTicksPerSecond, firstSeconds);
}

// The second language stays from the end of the first until both durations are over.
bool secondLanguageOver(const SharedState& state, qint16 firstSeconds) {
    return state.tickcount < mul16(kTicksPerSecond, firstSeconds) ||
           state.tickcount > mul16(kTicksPerSecond, add16(state.etime, state.ctime));
}

void endCycle(SharedState& state) {
    state.cyclecount = add16(state.cyclecount, 1);
    state.tickcount = 0;
    state.phase = Begin;
}

void spanishFirstStep(SharedState& state, PlaybackView& view) {
    switch (state.phase) {
    case Begin:
        view.startSpanishEntry();
        view.speakStep();
        state.phase = FirstLanguage;
        break;
    case FirstLanguage:
        if (firstLanguageOver(state, state.etime))
            state.phase = Switch;
        break;
    case Switch:
        view.blankSpanish();
        view.startEnglishRise();
        state.phase = SecondLanguage;
        break;
    case SecondLanguage:
        if (secondLanguageOver(state, state.etime))
            state.phase = End;
        break;
    case End:
        view.clearEnglish();
        endCycle(state);
        break;
    }
}

void englishFirstStep(SharedState& state, PlaybackView& view) {
    switch (state.phase) {
    case Begin:
        view.startEnglishRise();
        state.phase = FirstLanguage;
        break;
    case FirstLanguage:
        if (firstLanguageOver(state, state.ctime))
            state.phase = Switch;
        break;
    case Switch:
        view.clearEnglish();
        view.startSpanishEntry();
        view.speakStep();
        state.phase = SecondLanguage;
        break;
    case SecondLanguage:
        if (secondLanguageOver(state, state.ctime))
            state.phase = End;
        break;
    case End:
        view.blankSpanish();
        endCycle(state);
        break;
    }
}

} // namespace

void playbackTick(SharedState& state, PlaybackView& view) {
    state.tickcount = add16(state.tickcount, 1);
    if (state.cyclecount >= state.n) {
        state.cyclecount = 0;
        view.nextSentence();
    }
    if (state.ce == 1)
        spanishFirstStep(state, view);
    else
        englishFirstStep(state, view);
}

void readAloudAndWave(Character& character, const QString& spanish, qint16 voice) {
    if (voice == 1) {
        try {
            character.Speak(spanish);
        } catch (...) {
        }
    }
    try {
        character.Play(QStringLiteral("Wave"));
    } catch (...) {
    }
}

} // namespace parlavo
