#include "agent/espeak_synthesizer.h"

#include "agent/one_time_notice.h"
#include "agent/speakable_text.h"

#include <QDir>
#include <QFileInfo>
#include <QMutex>

#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>

#include <clocale>
#include <string>

namespace parlavo {

namespace {

struct Library {
    QMutex lock;
    bool loaded = false;
    int sampleRate = 0;
    QString voice;          // the one the library has set now
    int wordsPerMinute = 0; // the rate a line has set last; 0 before the first
};

Library& library() {
    static Library instance;
    return instance;
}

// The library prints its own complaint and fails when its data files are missing; looking first keeps standard
// error to our one line.
bool dataIsThere(const QString& dataPath) {
    const QByteArray path = dataPath.toLocal8Bit();
    espeak_ng_InitializePath(dataPath.isEmpty() ? nullptr : path.constData());
    const char* resolved = nullptr;
    espeak_Info(&resolved);
    if (!resolved)
        return false;
    const QDir folder(QString::fromLocal8Bit(resolved));
    for (const char* file : {"phontab", "phonindex", "phondata"}) {
        if (!QFileInfo(folder.filePath(QLatin1String(file))).isFile())
            return false;
    }
    return true;
}

int loadLibrary(const QString& dataPath) {
    if (!dataIsThere(dataPath))
        return 0;
    // The library switches the process's character type to UTF-8 for itself; the rest of the program keeps its own.
    const std::string characterLocale = std::setlocale(LC_CTYPE, nullptr);
    const QByteArray path = dataPath.toLocal8Bit();
    const int rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, dataPath.isEmpty() ? nullptr : path.constData(),
                                       espeakINITIALIZE_DONT_EXIT);
    std::setlocale(LC_CTYPE, characterLocale.c_str());
    if (rate > 0)
        espeak_SetParameter(espeakRATE, EspeakSynthesizer::kWordsPerMinute, 0);
    return rate;
}

// What the library's callback fills in while one line is rendered.
struct Rendering {
    const SpeakableText& text;
    const std::function<bool()>& shouldStop;
    Utterance& utterance;
    bool stopped = false;
};

int collectSound(short* samples, int sampleCount, espeak_EVENT* events) {
    auto* rendering = static_cast<Rendering*>(events->user_data);
    if (rendering->shouldStop && rendering->shouldStop()) {
        rendering->stopped = true;
        return 1;
    }
    if (samples && sampleCount > 0)
        rendering->utterance.pcm.append(reinterpret_cast<const char*>(samples), sampleCount * qsizetype(sizeof(short)));
    for (const espeak_EVENT* event = events; event->type != espeakEVENT_LIST_TERMINATED; ++event) {
        if (event->type != espeakEVENT_WORD)
            continue;
        if (const auto range = rendering->text.lineRange(event->text_position, event->length))
            rendering->utterance.words.append({range->first, range->second, event->audio_position});
    }
    return 0;
}

} // namespace

EspeakSynthesizer::EspeakSynthesizer(const QString& dataPath) {
    Library& shared = library();
    QMutexLocker locked(&shared.lock);
    if (!shared.loaded) {
        shared.loaded = true;
        shared.sampleRate = loadLibrary(dataPath);
        if (shared.sampleRate > 0) {
            espeak_SetSynthCallback(collectSound);
        } else {
            static OneTimeNotice notice("parlavo: the speech data could not be loaded; the bird speaks without sound");
            notice.show();
        }
    }
    sampleRate_ = shared.sampleRate;
    // Loading a voice takes a moment; doing it now keeps the first line from waiting for it.
    if (hasSound() && shared.voice != voice_ && espeak_SetVoiceByName(voice_.toUtf8().constData()) == EE_OK)
        shared.voice = voice_;
}

bool EspeakSynthesizer::setVoice(const QString& name) {
    if (!hasSound())
        return false;
    Library& shared = library();
    QMutexLocker locked(&shared.lock);
    if (espeak_SetVoiceByName(name.toUtf8().constData()) != EE_OK) {
        shared.voice.clear(); // unknown: whatever the library has now, ours is set again before the next line
        return false;
    }
    shared.voice = voice_ = name;
    return true;
}

Utterance EspeakSynthesizer::render(const QString& line, const std::function<bool()>& shouldStop) {
    if (!hasSound())
        return silentUtterance(line);

    Library& shared = library();
    QMutexLocker locked(&shared.lock);
    if (shared.voice != voice_ && espeak_SetVoiceByName(voice_.toUtf8().constData()) == EE_OK)
        shared.voice = voice_;
    // Changing the voice keeps the rate, so the rate is set only when it changes.
    if (shared.wordsPerMinute != wordsPerMinute_ && espeak_SetParameter(espeakRATE, wordsPerMinute_, 0) == EE_OK)
        shared.wordsPerMinute = wordsPerMinute_;

    Utterance utterance;
    utterance.line = line;
    utterance.sampleRate = sampleRate_;
    const SpeakableText text(line);
    Rendering rendering{text, shouldStop, utterance};
    const QByteArray& utf8 = text.utf8();
    const espeak_ERROR result = espeak_Synth(utf8.constData(), size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0,
                                             espeakCHARS_UTF8, nullptr, &rendering);
    if (result != EE_OK || rendering.stopped)
        return {};

    utterance.durationMs = utterance.pcm.size() / qsizetype(sizeof(short)) * 1000 / sampleRate_;
    utterance.beakSteps = beakStepsFromSound(utterance.pcm, sampleRate_);
    return utterance;
}

} // namespace parlavo
