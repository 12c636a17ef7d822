#include "agent/speaking_bird.h"

#include "agent/bird/character_stage.h"
#include "agent/voice/espeak_voice.h"
#include "agent/voice/sink_speech_output.h"

namespace parlavo {

BirdParts makeBirdParts() {
    BirdParts parts;
    parts.clock = std::make_unique<SteadyClock>();
    parts.voice = std::make_unique<EspeakVoice>();
    parts.output = std::make_unique<SinkSpeechOutput>(*parts.clock);
    parts.stage = std::make_unique<CharacterStage>(*parts.clock);
    return parts;
}

SpeakingBird::SpeakingBird(BirdParts parts)
    : parts_(std::move(parts)), performance_(*parts_.voice, *parts_.output, *parts_.stage, *parts_.clock) {}

void SpeakingBird::show() {
    performance_.show();
}

void SpeakingBird::standInCorner(const PixelRect& area) {
    parts_.stage->standInCorner(QRect(area.left, area.top, area.width(), area.height()));
}

void SpeakingBird::hide() {
    performance_.hide();
}

// The voice takes its orders in turn and renders the lines it is given only once the one before is played, so the
// voice set now is the one the line gets: at most one line waits, and a newer one replaces it with its own voice.
void SpeakingBird::say(const QString& text, Speaker speaker) {
    switch (speaker) {
    case Speaker::Bird:
        useVoice(QStringLiteral("es"));
        break;
    case Speaker::Woman:
        useVoice(QStringLiteral("es+f3"));
        break;
    case Speaker::Man:
        useVoice(QStringLiteral("es+m3"));
        break;
    }
    performance_.speak(text, speaker);
}

void SpeakingBird::wave() {
    performance_.wave();
}

void SpeakingBird::setSpeechRate(int wordsPerMinute) {
    if (wordsPerMinute == wordsPerMinute_)
        return;
    wordsPerMinute_ = wordsPerMinute;
    parts_.voice->setSpeechRate(wordsPerMinute);
}

void SpeakingBird::setTextScale(int percent) {
    parts_.stage->setTextScale(percent);
}

void SpeakingBird::stop() {
    performance_.interrupt();
}

void SpeakingBird::hideWhenDone() {
    performance_.hideWhenDone();
}

void SpeakingBird::useVoice(const QString& name) {
    if (name == voiceName_)
        return;
    voiceName_ = name;
    parts_.voice->setVoiceName(name);
}

} // namespace parlavo
