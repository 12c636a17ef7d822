#pragma once

#include "agent/speaking_bird.h"

#include <QStringList>

#include <utility>

namespace parlavo::test {

// The real bird's parts as fakes that log what they are asked, on a clock the test moves by hand: "render Hola",
// "cancel", "voice es+f3", "rate 150", "sound Hola" ("mute Hola" without samples), "stop", "appear", "balloon Hola"
// ("balloon woman Hola"), "word Hola" or "word -", "beak open", "beak shut", "balloon shut", "wave", "disappear".
struct BirdPartsLog {
    QStringList calls;
    qint64 now = 0;
    QList<std::pair<quint64, QString>> rendering; // given to the voice and not yet answered, oldest first
    qint64 soundStartedMs = 0;
    qint64 stalledAtMs = -1; // where the sound stopped moving, if it did
    Voice* voice = nullptr;
};
inline BirdPartsLog partsLog;

struct ManualClock final : Clock {
    qint64 nowMs() const override { return partsLog.now; }
};

struct LoggingVoice final : Voice {
    LoggingVoice() { partsLog.voice = this; }
    void render(quint64 ticket, const QString& line) override {
        partsLog.rendering.append({ticket, line});
        partsLog.calls << "render " + line;
    }
    void cancel() override { partsLog.calls << "cancel"; }
    void setVoiceName(const QString& name) override { partsLog.calls << "voice " + name; }
    void setSpeechRate(int wordsPerMinute) override { partsLog.calls << QString("rate %1").arg(wordsPerMinute); }
};

// Plays by the clock, as a sound device would, until it stalls.
struct ClockOutput final : SpeechOutput {
    void start(const Utterance& utterance) override {
        partsLog.calls << (utterance.pcm.isEmpty() ? "mute " : "sound ") + utterance.line;
        partsLog.soundStartedMs = partsLog.now;
    }
    void stop() override { partsLog.calls << "stop"; }
    qint64 playedMs() const override {
        return partsLog.stalledAtMs >= 0 ? partsLog.stalledAtMs : partsLog.now - partsLog.soundStartedMs;
    }
};

struct LoggingStage final : Stage {
    QString line;
    Speaker speaker = Speaker::Bird;
    bool beakOpen = false;
    void appear() override { partsLog.calls << "appear"; }
    void disappear() override { partsLog.calls << "disappear"; }
    void standInCorner(const QRect&) override {}
    void wave() override { partsLog.calls << "wave"; }
    void setBeakOpening(qreal opening) override {
        const bool open = opening > 0.5 || (beakOpen && opening > 0.0);
        if (open != std::exchange(beakOpen, open))
            partsLog.calls << (open ? "beak open" : "beak shut");
    }
    void showBalloon(const QString& shown) override {
        partsLog.calls << QStringList{"balloon", "balloon woman", "balloon man"}[int(speaker)] + ' ' + (line = shown);
    }
    void highlightWord(qsizetype start, qsizetype length) override {
        partsLog.calls << "word " + (length > 0 ? line.mid(start, length) : "-");
    }
    void closeBalloon() override { partsLog.calls << "balloon shut"; }
    void setBalloonSpeaker(Speaker who) override { speaker = who; }
    void setTextScale(int) override {}
};

// A fresh log at 0 ms, and the parts that write it.
inline BirdParts fakeBirdParts() {
    partsLog = {};
    return {std::make_unique<ManualClock>(), std::make_unique<LoggingVoice>(), std::make_unique<ClockOutput>(),
            std::make_unique<LoggingStage>()};
}

// The voice answers the oldest line it was given with `answer`, made from that line.
template <typename MakeAnswer> void answerOldest(MakeAnswer makeAnswer) {
    const auto [ticket, line] = partsLog.rendering.takeFirst();
    emit partsLog.voice->rendered(ticket, makeAnswer(line));
}

} // namespace parlavo::test
