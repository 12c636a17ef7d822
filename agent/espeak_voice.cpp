#include "agent/espeak_voice.h"

#include "agent/espeak_synthesizer.h"

#include <QDeadlineTimer>
#include <QMutex>
#include <QThread>

#include <atomic>

namespace parlavo {

namespace {

// Long enough for any line to finish rendering; a worker that takes longer is stuck, and the program ends
// without it.
constexpr int kShutdownWaitMs = 2000;

} // namespace

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
    : Voice(parent), thread_(new QThread), context_(new QObject), worker_(std::make_shared<Worker>()) {
    EspeakSynthesizer::loadLibrary(dataPath);
    worker_->owner = this;
    thread_->setObjectName(QStringLiteral("parlavo voice"));
    context_->moveToThread(thread_);
    thread_->start();
    // Loading a voice takes a moment; doing it now keeps the first line from waiting for it.
    QMetaObject::invokeMethod(context_, [worker = worker_, dataPath] {
        worker->synthesizer = std::make_unique<EspeakSynthesizer>(dataPath);
    });
}

EspeakVoice::~EspeakVoice() {
    cancel();
    {
        QMutexLocker locked(&worker_->ownerLock);
        worker_->owner = nullptr;
    }
    QMetaObject::invokeMethod(context_, [worker = worker_] { worker->synthesizer.reset(); });
    thread_->quit();
    if (!thread_->wait(QDeadlineTimer(kShutdownWaitMs)))
        return; // the thread, its context and the worker stay until the process ends
    delete context_;
    delete thread_;
}

void EspeakVoice::render(quint64 ticket, const QString& line) {
    worker_->lastAsked = ticket;
    QMetaObject::invokeMethod(context_, [worker = worker_, ticket, line] {
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
    QMetaObject::invokeMethod(context_, [worker = worker_, name] {
        const bool known = worker->synthesizer->setVoice(name) || !worker->synthesizer->hasSound();
        worker->missingVoice = known ? QString() : name;
    });
}

} // namespace parlavo
