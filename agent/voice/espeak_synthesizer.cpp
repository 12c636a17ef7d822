#include "agent/voice/espeak_synthesizer.h"

#include "agent/voice/one_time_notice.h"
#include "agent/voice/speakable_text.h"

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
    bool outputReady = false;
    int sampleRate = 0;
    QString voice;          // the one the library has set now
    int wordsPerMinute = 0; // the rate a line has set last; 0 before the first
};

// Never destroyed: a synthesizer stuck inside the library at the program's end still holds its lock.
Library& library() {
    static Library* instance = new Library;
    return *instance;
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

int initializeLibrary(const QString& dataPath) {
    if (!dataIsThere(dataPath))
        return 0;
    // The library switches the process's character type to UTF-8 for itself; the rest of the program keeps its own.
    const std::string characterLocale = std::setlocale(LC_CTYPE, nullptr);
    espeak_ng_ERROR_CONTEXT context = nullptr;
    const espeak_ng_STATUS status = espeak_ng_Initialize(&context);
    std::setlocale(LC_CTYPE, characterLocale.c_str());
    if (status != ENS_OK) {
        espeak_ng_ClearErrorContext(&context);
        return 0;
    }
    return espeak_ng_GetSampleRate();
}

// Sets up the library's output buffers. This version of the library also probes the sound server while doing so,
// although it never plays anything itself, and that probe waits as long as a failing server keeps it waiting:
// it is done on the synthesizer's thread, never the interface's.
void prepareOutput(Library& shared) {
    if (shared.outputReady || shared.sampleRate <= 0)
        return;
    shared.outputReady = true;
    espeak_ng_InitializeOutput(ENOUTPUT_MODE_SYNCHRONOUS, 0, nullptr);
    espeak_SetSynthCallback(collectSound);
    espeak_SetParameter(espeakRATE, EspeakSynthesizer::kWordsPerMinute, 0);
}

} // namespace

void EspeakSynthesizer::loadLibrary(const QString& dataPath) {
    Library& shared = library();
    QMutexLocker locked(&shared.lock);
    if (shared.loaded)
        return;
    shared.loaded = true;
    shared.sampleRate = initializeLibrary(dataPath);
    if (shared.sampleRate <= 0) {
        static OneTimeNotice notice("parlavo: the speech data could not be loaded; the bird speaks without sound");
        notice.show();
    }
}

Utterance EspeakSynthesizer::withoutVoice(const QString& line, const QString& voice) {
    static OneTimeNotice notice;
    notice.show(
        QStringLiteral("parlavo: the voice \"%1\" could not be chosen; the bird speaks without sound").arg(voice));
    return silentUtterance(line);
}

EspeakSynthesizer::EspeakSynthesizer(const QString& dataPath) {
    loadLibrary(dataPath);
    Library& shared = library();
    QMutexLocker locked(&shared.lock);
    prepareOutput(shared);
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
    if (shared.voice != voice_) {
        if (espeak_SetVoiceByName(voice_.toUtf8().constData()) != EE_OK)
            return withoutVoice(line, voice_);
        shared.voice = voice_;
    }
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
