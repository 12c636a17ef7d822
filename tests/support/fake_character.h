#pragma once

#include "agent/character.h"

#include <QStringList>

#include <memory>

namespace parlavo::test {

// Records every call as a line such as "Speak:Hola" or "Play:Wave"; can be told to throw.
class FakeCharacter final : public Character {
public:
    QStringList calls;
    bool throwOnSpeak = false;
    bool throwOnPlay = false;
    bool throwOnShow = false;

    void Show() override {
        calls << QStringLiteral("Show");
        if (throwOnShow)
            throw CharacterError("cannot show");
    }
    void Hide() override { calls << QStringLiteral("Hide"); }
    void Speak(const QString& text) override {
        calls << QStringLiteral("Speak:") + text;
        if (throwOnSpeak)
            throw CharacterError("cannot speak");
    }
    void Play(const QString& animation) override {
        calls << QStringLiteral("Play:") + animation;
        if (throwOnPlay)
            throw CharacterError("cannot play");
    }
    void setLanguageID(int languageId) override {
        calls << QStringLiteral("LanguageID:%1").arg(languageId);
        mLanguageId = languageId;
    }
    int LanguageID() const override { return mLanguageId; }
    void SpeakAs(const QString& text, Speaker) override { Speak(text); }
    void setSpeechRate(int) override {}
    void Interrupt() override {}
    void HideWhenDone() override {}

private:
    int mLanguageId = 0;
};

// Knows one character, "Peedy", unless told to know none.
class FakeCharacters final : public Characters {
public:
    FakeCharacter peedy;
    bool available = true;
    QStringList loads;

    void Load(const QString& name, const QString& key) override {
        loads << name + QLatin1Char('|') + key;
        if (!available || name != QLatin1String("Peedy"))
            throw CharacterError("unknown character");
        mLoaded = true;
    }
    Character& operator()(const QString& name) override {
        if (!mLoaded || name != QLatin1String("Peedy"))
            throw CharacterError("not loaded");
        return peedy;
    }

private:
    bool mLoaded = false;
};

} // namespace parlavo::test
