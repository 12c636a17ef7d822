#include "agent/bird_character.h"

#include "agent/character_stage.h"
#include "agent/espeak_voice.h"
#include "agent/sink_speech_output.h"

namespace parlavo {

CharacterParts makeBirdParts() {
    CharacterParts parts;
    parts.clock = std::make_unique<SteadyClock>();
    parts.voice = std::make_unique<EspeakVoice>();
    parts.output = std::make_unique<SinkSpeechOutput>(*parts.clock);
    parts.stage = std::make_unique<CharacterStage>(*parts.clock);
    return parts;
}

BirdCharacter::BirdCharacter(CharacterParts parts)
    : parts_(std::move(parts)), performance_(*parts_.voice, *parts_.output, *parts_.stage, *parts_.clock) {}

void BirdCharacter::Show() {
    performance_.show();
}

void BirdCharacter::Hide() {
    performance_.hide();
}

void BirdCharacter::Speak(const QString& text) {
    performance_.speak(text);
}

void BirdCharacter::Play(const QString& animation) {
    performance_.play(animation);
}

void BirdCharacter::setLanguageID(int languageId) {
    languageId_ = languageId;
    const QString name = voiceNameForLanguage(languageId);
    if (name.isEmpty() || name == voiceName_)
        return;
    voiceName_ = name;
    parts_.voice->setVoiceName(name);
}

} // namespace parlavo
