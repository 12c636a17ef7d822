#pragma once

#include "agent/clock.h"
#include "agent/speech_output.h"
#include "agent/stage.h"
#include "agent/voice.h"

#include <QStringList>

namespace parlavo::test {

// A clock that moves only when told to.
class ManualClock final : public Clock {
public:
    qint64 now = 0;
    qint64 nowMs() const override { return now; }
};

// Remembers what it was asked to render; the test answers when it likes.
class FakeVoice final : public Voice {
public:
    QList<std::pair<quint64, QString>> asked;
    QStringList voiceNames;
    int cancels = 0;

    void render(quint64 ticket, const QString& line) override { asked.append({ticket, line}); }
    void cancel() override { ++cancels; }
    void setVoiceName(const QString& name) override { voiceNames.append(name); }

    QStringList askedLines() const {
        QStringList lines;
        for (const auto& request : asked)
            lines.append(request.second);
        return lines;
    }
    // Answers the latest request with the utterance.
    void answer(const Utterance& utterance) { emit rendered(asked.last().first, utterance); }
};

// Plays nothing; the test says how far it has got.
class FakeOutput final : public SpeechOutput {
public:
    QStringList started;
    int stops = 0;
    qint64 played = 0;

    void start(const Utterance& utterance) override {
        started.append(utterance.line);
        played = 0;
    }
    void stop() override { ++stops; }
    qint64 playedMs() const override { return played; }
};

// Writes what happens on stage as lines such as "appear", "balloon Hola", "word Hola", "word -", "balloon shut".
class FakeStage final : public Stage {
public:
    QStringList log;
    QString line;
    qreal beak = 0.0;
    qreal widestBeak = 0.0;

    void appear() override { log.append(QStringLiteral("appear")); }
    void disappear() override { log.append(QStringLiteral("disappear")); }
    void wave() override { log.append(QStringLiteral("wave")); }
    void setBeakOpening(qreal opening) override {
        beak = opening;
        widestBeak = std::max(widestBeak, opening);
    }
    void showBalloon(const QString& shown) override {
        line = shown;
        log.append(QStringLiteral("balloon ") + shown);
    }
    void highlightWord(qsizetype start, qsizetype length) override {
        log.append(QStringLiteral("word ") + (length > 0 ? line.mid(start, length) : QStringLiteral("-")));
    }
    void closeBalloon() override { log.append(QStringLiteral("balloon shut")); }
};

} // namespace parlavo::test
