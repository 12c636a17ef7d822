#include "agent/voice/espeak_voice.h"

#include "agent/voice/espeak_synthesizer.h"

#include <QMutex>

#include <atomic>

namespace parlavo {

struct EspeakVoice::Worker {
    std::atomic<quint64> lastAsked{0};
    std::atomic<quint64> cancelledThrough{0};
    QMutex ownerLock;
    EspeakVoice* owner = nullptr; // null once the voice is gone; results are then dropped

    // Used on the worker thread only.
    std::unique_ptr<EspeakSynthesizer> synthesizer;
    QString missingVoice; // the voice asked for last, when the library does not have it

    bool cancelled(quint64 ticket) const { return ticket <= cancelledThrough.load(); }

    void answer(quint64 ticket, const Utterance& utterance) {
        QMutexLocker locked(&ownerLock);
        if (owner && !cancelled(ticket))
            emit owner->rendered(ticket, utterance);
    }
};

EspeakVoice::EspeakVoice(const QString& dataPath, QObject* parent)
    : Voice(parent), worker_(std::make_shared<Worker>()) {
    EspeakSynthesizer::loadLibrary(dataPath);
    worker_->owner = this;
    // Loading a voice takes a moment; doing it now keeps the first line from waiting for it.
    thread_.post([worker = worker_, dataPath] { worker->synthesizer = std::make_unique<EspeakSynthesizer>(dataPath); });
}

EspeakVoice::~EspeakVoice() {
    cancel();
    {
        QMutexLocker locked(&worker_->ownerLock);
        worker_->owner = nullptr;
    }
    thread_.post([worker = worker_] { worker->synthesizer.reset(); });
}

void EspeakVoice::render(quint64 ticket, const QString& line) {
    worker_->lastAsked = ticket;
    thread_.post([worker = worker_, ticket, line] {
        if (worker->cancelled(ticket))
            return;
        if (!worker->missingVoice.isEmpty()) {
            worker->answer(ticket, EspeakSynthesizer::withoutVoice(line, worker->missingVoice));
            return;
        }
        const Utterance utterance =
            worker->synthesizer->render(line, [&worker, ticket] { return worker->cancelled(ticket); });
        worker->answer(ticket, utterance);
    });
}

void EspeakVoice::cancel() {
    worker_->cancelledThrough = worker_->lastAsked.load();
}

void EspeakVoice::setVoiceName(const QString& name) {
    thread_.post([worker = worker_, name] {
        const bool known = worker->synthesizer->setVoice(name) || !worker->synthesizer->hasSound();
        worker->missingVoice = known ? QString() : name;
    });
}

void EspeakVoice::setSpeechRate(int wordsPerMinute) {
    thread_.post([worker = worker_, wordsPerMinute] { worker->synthesizer->setWordsPerMinute(wordsPerMinute); });
}

} // namespace parlavo
