#pragma once

#include "agent/speaker.h"

#include <QString>

#include <stdexcept>

namespace parlavo {

// Raised when a character cannot be loaded or is asked for before it was loaded.
class CharacterError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The speaking character as the caption window drives it. Every call returns at once: speech and
// animations are queued and performed by the character itself.
class Character {
public:
    virtual ~Character() = default;
    virtual void Show() = 0;
    virtual void Hide() = 0;
    virtual void Speak(const QString& text) = 0;
    virtual void Play(const QString& animation) = 0;
    virtual void setLanguageID(int languageId) = 0;
    virtual int LanguageID() const = 0;
    // Speak() in the voice of one of a dialogue's two people; Speaker::Bird is Speak() itself.
    virtual void SpeakAs(const QString& text, Speaker speaker) = 0;
    // Words a minute for the lines it says from now on.
    virtual void setSpeechRate(int wordsPerMinute) = 0;
    // Cuts off what it is doing and forgets what it was asked to do next, so that what comes next starts at once.
    virtual void Interrupt() = 0;
    // Hides once it has done everything asked of it and its balloon has gone, unless Show() comes first.
    virtual void HideWhenDone() = 0;
};

// The collection that loads characters by name and hands them out; it owns what it loads.
class Characters {
public:
    virtual ~Characters() = default;
    // Throws CharacterError for a name it does not know.
    virtual void Load(const QString& name, const QString& key) = 0;
    // Throws CharacterError when no character of that name was loaded.
    virtual Character& operator()(const QString& name) = 0;
};

// Stands in for a character that could not be loaded: every call does nothing.
class NullCharacter final : public Character {
public:
    void Show() override {}
    void Hide() override {}
    void Speak(const QString&) override {}
    void Play(const QString&) override {}
    void setLanguageID(int languageId) override { languageId_ = languageId; }
    int LanguageID() const override { return languageId_; }
    void SpeakAs(const QString&, Speaker) override {}
    void setSpeechRate(int) override {}
    void Interrupt() override {}
    void HideWhenDone() override {}

private:
    int languageId_ = 0;
};

} // namespace parlavo
