#pragma once

#include "agent/voice/voice.h"
#include "agent/voice/worker_thread.h"

#include <memory>

namespace parlavo {

// The voice of the speech library, run on a worker thread of its own that makes every call to the library but
// the first: the library is loaded on the thread that makes the voice, before the worker starts (see
// EspeakSynthesizer::loadLibrary). Lines are rendered whole, in the order asked for, and answered through
// rendered() on the owner's thread. A voice the library does not have leaves the lines silent until another is
// chosen, rather than spoken in another language.
class EspeakVoice final : public Voice {
    Q_OBJECT
public:
    // dataPath: the library's data folder; empty for its own.
    explicit EspeakVoice(const QString& dataPath = {}, QObject* parent = nullptr);
    // Waits a moment for the line being rendered; a worker stuck inside the library is left behind.
    ~EspeakVoice() override;

    void render(quint64 ticket, const QString& line) override;
    void cancel() override;
    void setVoiceName(const QString& name) override;
    void setSpeechRate(int wordsPerMinute) override;

    struct Worker; // what the worker's jobs share with the voice; outlives it when the worker is stuck

private:
    std::shared_ptr<Worker> worker_;
    WorkerThread thread_{QStringLiteral("parlavo voice")};
};

} // namespace parlavo
