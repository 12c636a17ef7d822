#pragma once

#include "core/shared_state.h"

#include <QString>

namespace parlavo {

// The caption window as the playback cycle drives it.
class PlaybackView {
public:
    virtual ~PlaybackView() = default;
    virtual void nextSentence() = 0;
    virtual void startSpanishEntry() = 0;
    virtual void startEnglishRise() = 0;
    virtual void blankSpanish() = 0;
    // Blanks the English line and puts its label back below the strip, ready for the next rise.
    virtual void clearEnglish() = 0;
    // The character reads the current Spanish line aloud and waves.
    virtual void speakStep() = 0;
};

// One 100 ms tick of the playback timer. A display cycle shows the Spanish line for `spanishSeconds` and
// the English one for `englishSeconds` (in the order `languageOrder` asks for), both counted from the cycle's first
// tick; a new sentence is chosen at the first tick after `timesPerSentence` cycles. All counters live in the shared
// state, so a stopped timer simply resumes where it was. Counter arithmetic is 16-bit and throws on overflow.
void playbackTick(SharedState& state, PlaybackView& view);

} // namespace parlavo
