#pragma once

#include "agent/character.h"
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
    // The character reads the current Spanish line (see readAloudAndWave).
    virtual void speakStep() = 0;
};

// One 100 ms tick of the playback timer. A display cycle shows the Spanish line for `etime` seconds and
// the English one for `ctime` (in the order `ce` asks for), both counted from the cycle's first tick; a
// new sentence is chosen at the first tick after `n` cycles. All counters live in the shared state, so
// a stopped timer simply resumes where it was. Counter arithmetic is 16-bit and throws on overflow.
void playbackTick(SharedState& state, PlaybackView& view);

// Reads the Spanish line aloud when `voice` is 1 and waves either way. The character is a nicety:
// whatever it fails at is ignored so that the lesson goes on.
void readAloudAndWave(Character& character, const QString& spanish, qint16 voice);

} // namespace parlavo
