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

    Performance& performance() { return performance_; }

private:
    CharacterParts parts_;
    Performance performance_;
    int languageId_ = 3082;
    QString voiceName_ = QStringLiteral("es");
};

} // namespace parlavo
