#pragma once

#include "agent/bird.h"
#include "agent/bird/stage.h"
#include "agent/clock.h"
#include "agent/performance.h"
#include "agent/voice/speech_output.h"
#include "agent/voice/voice.h"

#include <memory>

namespace parlavo {

// What the bird is made of; tests and benchmarks put in their own parts.
struct BirdParts {
    std::unique_ptr<Clock> clock;
    std::unique_ptr<Voice> voice;
    std::unique_ptr<SpeechOutput> output;
    std::unique_ptr<Stage> stage;
};

// The real parts: the speech library's voice, the default sound output and the bird's windows.
BirdParts makeBirdParts();

// The bird that reads the lessons: in the Spanish of Spain, its own lines in the plain voice, the woman's and the
// man's in a higher and a lower variant of it.
class SpeakingBird final : public Bird {
public:
    explicit SpeakingBird(BirdParts parts);

    void show() override;
    void standInCorner(const PixelRect& area) override;
    void hide() override;
    void say(const QString& text, Speaker speaker) override;
    void wave() override;
    void setSpeechRate(int wordsPerMinute) override;
    void setTextScale(int percent) override;
    void stop() override;
    void hideWhenDone() override;

    Performance& performance() { return performance_; }

private:
    void useVoice(const QString& name);

    BirdParts parts_;
    Performance performance_;
    QString voiceName_ = QStringLiteral("es"); // the one the voice was last given; the voice starts with it
    int wordsPerMinute_ = 0;                   // 0: the voice's own until one is set
};

} // namespace parlavo
