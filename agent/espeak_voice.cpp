#include "agent/espeak_voice.h"

#include "agent/espeak_synthesizer.h"

namespace parlavo {

EspeakVoice::EspeakVoice(const QString& dataPath, QObject* parent) : Voice(parent), worker_(new QObject) {
    thread_.setObjectName(QStringLiteral("parlavo voice"));
    worker_->moveToThread(&thread_);
    thread_.start();
    // Loading the library's data takes a moment; doing it now keeps the first line from waiting for it.
    QMetaObject::invokeMethod(worker_,
                              [this, dataPath] { synthesizer_ = std::make_unique<EspeakSynthesizer>(dataPath); });
}

EspeakVoice::~EspeakVoice() {
    cancel();
    QMetaObject::invokeMethod(worker_, [this] { synthesizer_.reset(); });
    thread_.quit();
    thread_.wait();
    delete worker_;
}

void EspeakVoice::render(quint64 ticket, const QString& line) {
    lastAsked_ = ticket;
    QMetaObject::invokeMethod(worker_, [this, ticket, line] {
        if (cancelled(ticket))
            return;
        Utterance utterance = synthesizer_->render(line, [this, ticket] { return cancelled(ticket); });
        if (!cancelled(ticket))
            emit rendered(ticket, utterance);
    });
}

void EspeakVoice::cancel() {
    cancelledThrough_ = lastAsked_.load();
}

void EspeakVoice::setVoiceName(const QString& name) {
    QMetaObject::invokeMethod(worker_, [this, name] { synthesizer_->setVoice(name); });
}

void EspeakVoice::setSpeechRate(int wordsPerMinute) {
    QMetaObject::invokeMethod(worker_, [this, wordsPerMinute] { synthesizer_->setWordsPerMinute(wordsPerMinute); });
}

} // namespace parlavo
