#pragma once

#include "agent/voice/utterance.h"

#include <QString>

#include <functional>

namespace parlavo {

// The speech library. Its state belongs to the process and it is not thread-safe: it is loaded once, by the
// first synthesizer, and kept until the process ends (shutting it down can hang on its own thread). Synthesizers
// take turns at it, each with its own voice; EspeakVoice gives one a thread of its own.
class EspeakSynthesizer {
public:
    // dataPath: the library's data folder, empty for its own; only the first load counts. When the data cannot be
    // loaded every line renders silently, and standard error is told so once.
    explicit EspeakSynthesizer(const QString& dataPath = {});

    // Loads the library unless it is loaded already; the first synthesizer does it otherwise. Loading switches the
    // process's character type for a moment, which is only safe while no other thread looks at it: the thread
    // that starts the program's other threads should call this first.
    static void loadLibrary(const QString& dataPath = {});

    // The line as it comes out when the library has no such voice: silently, at the usual speaking rate, rather
    // than in another language. Standard error is told once.
    static Utterance withoutVoice(const QString& line, const QString& voice);
    EspeakSynthesizer(const EspeakSynthesizer&) = delete;
    EspeakSynthesizer& operator=(const EspeakSynthesizer&) = delete;

    bool hasSound() const { return sampleRate_ > 0; }
    int sampleRate() const { return sampleRate_; }

    // False when the library does not know the voice; the current one then stays.
    bool setVoice(const QString& name);

    // The rate of the lines rendered from now on; the library keeps it within what it can do.
    void setWordsPerMinute(int wordsPerMinute) { wordsPerMinute_ = wordsPerMinute; }

    // Renders the whole line; stops early and returns an empty utterance as soon as shouldStop() is true. When the
    // synthesizer's voice cannot be set, the line comes withoutVoice().
    Utterance render(const QString& line, const std::function<bool()>& shouldStop = {});

    // The rate a synthesizer starts with, in words per minute.
    static constexpr int kWordsPerMinute = 140;

private:
    int sampleRate_ = 0;
    QString voice_ = QStringLiteral("es");
    int wordsPerMinute_ = kWordsPerMinute;
};

} // namespace parlavo
