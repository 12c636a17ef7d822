#pragma once

#include "agent/character.h"
#include "agent/clock.h"
#include "agent/performance.h"
#include "agent/speech_output.h"
#include "agent/stage.h"
#include "agent/voice.h"

#include <memory>

namespace parlavo {

// What a character is made of; tests and benchmarks put in their own parts.
struct CharacterParts {
    std::unique_ptr<Clock> clock;
    std::unique_ptr<Voice> voice;
    std::unique_ptr<SpeechOutput> output;
    std::unique_ptr<Stage> stage;
};

// The real parts: the speech library's voice, the default sound output and the bird's windows.
CharacterParts makeBirdParts();

// The speaking bird as the rest of the program sees it. Every call returns at once.
class BirdCharacter final : public Character {
public:
    explicit BirdCharacter(CharacterParts parts);

    void Show() override;
    void Hide() override;
    void Speak(const QString& text) override;
    void Play(const QString& animation) override;
    // 3082 and 1034: Spanish (Spain); 2058: Spanish (Latin America); 1033: English (US); 2057: English (UK).
    // Other ids are kept but leave the voice as it is.
    void setLanguageID(int languageId) override;
    int LanguageID() const override { return languageId_; }
    // The woman and the man speak the language's voice in a higher and a lower variant.
    void SpeakAs(const QString& text, Speaker speaker) override;
    void setSpeechRate(int wordsPerMinute) override;
    void Interrupt() override;
    void HideWhenDone() override;

    Performance& performance() { return performance_; }

private:
    void useVoice(const QString& name);

    CharacterParts parts_;
    Performance performance_;
    int languageId_ = 3082;
    QString languageVoice_ = QStringLiteral("es");
    QString voiceName_ = languageVoice_; // the one the voice was last given
    int wordsPerMinute_ = 0;             // 0: the voice's own until one is set
};

} // namespace parlavo
