#pragma once

#include "agent/voice.h"

#include <QThread>

#include <atomic>
#include <memory>

namespace parlavo {

class EspeakSynthesizer;

// The voice of the speech library, run on a worker thread of its own that makes every call to the library.
// Lines are rendered whole, in the order asked for, and answered through rendered() on the owner's thread.
class EspeakVoice final : public Voice {
    Q_OBJECT
public:
    // dataPath: the library's data folder; empty for its own.
    explicit EspeakVoice(const QString& dataPath = {}, QObject* parent = nullptr);
    ~EspeakVoice() override;

    void render(quint64 ticket, const QString& line) override;
    void cancel() override;
    void setVoiceName(const QString& name) override;
    void setSpeechRate(int wordsPerMinute) override;

private:
    bool cancelled(quint64 ticket) const { return ticket <= cancelledThrough_.load(); }

    QThread thread_;
    QObject* worker_ = nullptr; // lives on thread_; the context in which the synthesizer is used
    std::unique_ptr<EspeakSynthesizer> synthesizer_;
    std::atomic<quint64> lastAsked_{0};
    std::atomic<quint64> cancelledThrough_{0};
};

} // namespace parlavo
