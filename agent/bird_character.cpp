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
    SpeakAs(text, Speaker::Bird);
}

// The voice takes its orders in turn and renders the lines it is given only once the one before is played, so the
// voice set now is the one the line gets: at most one line waits, and a newer one replaces it with its own voice.
void BirdCharacter::SpeakAs(const QString& text, Speaker speaker) {
    switch (speaker) {
    case Speaker::Bird:
        useVoice(languageVoice_);
        break;
    case Speaker::Woman:
        useVoice(languageVoice_ + QStringLiteral("+f3"));
        break;
    case Speaker::Man:
        useVoice(languageVoice_ + QStringLiteral("+m3"));
        break;
    }
    performance_.speak(text, speaker);
}

void BirdCharacter::setSpeechRate(int wordsPerMinute) {
    if (wordsPerMinute == wordsPerMinute_)
        return;
    wordsPerMinute_ = wordsPerMinute;
    parts_.voice->setSpeechRate(wordsPerMinute);
}

void BirdCharacter::Interrupt() {
    performance_.interrupt();
}

void BirdCharacter::HideWhenDone() {
    performance_.hideWhenDone();
}

void BirdCharacter::Play(const QString& animation) {
    performance_.play(animation);
}

void BirdCharacter::setLanguageID(int languageId) {
    languageId_ = languageId;
    const QString name = voiceNameForLanguage(languageId);
    if (name.isEmpty())
        return;
    languageVoice_ = name;
    useVoice(name);
}

void BirdCharacter::useVoice(const QString& name) {
    if (name == voiceName_)
        return;
    voiceName_ = name;
    parts_.voice->setVoiceName(name);
}

} // namespace parlavo
