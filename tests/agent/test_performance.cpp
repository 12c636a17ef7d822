#include "agent/performance.h"
#include "agent/sink_speech_output.h"

#include "agent_fakes.h"

#include <QTest>

using namespace parlavo;
using namespace parlavo::test;

namespace {

struct Rig {
    ManualClock clock;
    FakeVoice voice;
    FakeOutput output;
    FakeStage stage;
    Performance performance{voice, output, stage, clock};

    // Moves the clock on and lets the performance catch up, as its timer would.
    void at(qint64 ms) {
        clock.now = ms;
        performance.advance();
    }
    // Answers the line being rendered and lets it play to the end at the given moment.
    void speakToEnd(qint64 endMs) {
        const Utterance utterance = silentUtterance(voice.asked.last().second);
        voice.answer(utterance);
        output.played = utterance.durationMs;
        at(endMs);
    }
};

} // namespace

class PerformanceTest : public QObject {
    Q_OBJECT
private slots:
    void followsTheSoundWithBeakAndBalloon() {
        Rig rig;
        rig.performance.show();
        rig.performance.speak("Hola amigo mío");
        QCOMPARE(rig.voice.askedLines(), QStringList{"Hola amigo mío"});

        const Utterance utterance = silentUtterance("Hola amigo mío");
        rig.voice.answer(utterance);
        QCOMPARE(rig.output.started, QStringList{"Hola amigo mío"});
        for (const WordMark& word : utterance.words) {
            rig.output.played = word.atMs + 100;
            rig.at(word.atMs + 100);
        }
        QVERIFY(rig.stage.widestBeak > 0.5);

        rig.output.played = utterance.durationMs;
        rig.at(5000);
        QCOMPARE(rig.stage.beak, 0.0);
        rig.at(5000 + Performance::kBalloonLingerMs - 1);
        QCOMPARE(rig.stage.log,
                 (QStringList{"appear", "balloon Hola amigo mío", "word Hola", "word amigo", "word mío", "word -"}));
        rig.at(5000 + Performance::kBalloonLingerMs);
        QCOMPARE(rig.stage.log.last(), "balloon shut");
        QVERIFY(rig.performance.isIdle());
        QCOMPARE(rig.performance.nextAdvanceMs(), -1); // no timer while nothing moves
    }

    void performsRequestsOneAfterAnother() {
        Rig rig;
        rig.performance.show();
        rig.performance.speak("uno");
        rig.performance.play("Wave");
        rig.performance.play("Wave");
        QCOMPARE(rig.stage.log, QStringList{"appear"});

        rig.speakToEnd(1000);
        QCOMPARE(rig.stage.log.count("wave"), 1);
        rig.at(1000 + kWaveMs - 1);
        QCOMPARE(rig.stage.log.count("wave"), 1);
        rig.at(1000 + kWaveMs);
        QCOMPARE(rig.stage.log.count("wave"), 2);
        rig.at(1000 + 2 * kWaveMs);
        QVERIFY(rig.performance.isIdle());
    }

    void aNewLineDropsWhatIsWaiting() {
        Rig rig;
        rig.performance.show();
        rig.performance.speak("uno");
        rig.performance.play("Wave");
        rig.performance.speak("dos");
        rig.performance.speak("tres");
        rig.speakToEnd(500);
        QCOMPARE(rig.voice.askedLines(), (QStringList{"uno", "tres"}));
        QVERIFY(!rig.stage.log.contains("wave"));
        rig.speakToEnd(1500);
        QCOMPARE(rig.stage.log.filter("balloon ").first(), "balloon uno");
        QCOMPARE(rig.output.started, (QStringList{"uno", "tres"}));
    }

    void staysSilentWhileHidden() {
        Rig rig;
        rig.performance.speak("antes");
        rig.performance.show();
        rig.performance.hide();
        rig.performance.speak("después");
        rig.performance.play("Wave");
        QVERIFY(rig.voice.asked.isEmpty());
        QCOMPARE(rig.stage.log, (QStringList{"appear", "balloon shut", "disappear"}));
        QCOMPARE(rig.performance.nextAdvanceMs(), -1);
    }

    void hidingCutsOffTheLineAndIgnoresItsLateResult() {
        Rig rig;
        rig.performance.show();
        rig.performance.speak("uno");
        rig.voice.answer(silentUtterance("uno"));
        rig.performance.hide();
        QCOMPARE(rig.output.stops, 1);
        QCOMPARE(rig.stage.beak, 0.0);

        rig.performance.show();
        rig.performance.speak("dos");
        rig.performance.hide();
        QCOMPARE(rig.voice.cancels, 1); // "dos" was still being rendered
        rig.performance.show();
        rig.voice.answer(silentUtterance("dos"));
        QVERIFY(!rig.stage.log.contains("balloon dos"));
        QVERIFY(rig.performance.isIdle());
    }

    void ignoresUnknownGestures() {
        Rig rig;
        rig.performance.show();
        rig.performance.play("Dance");
        rig.performance.play("");
        QVERIFY(rig.performance.isIdle());
        rig.performance.play("wave");
        QCOMPARE(rig.stage.log, (QStringList{"appear", "wave"}));
    }

    void skipsLinesWithNothingToSay_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("rendered");
        QTest::newRow("empty") << "" << false;
        QTest::newRow("blanks") << " \t\n " << false;
        QTest::newRow("nothing speakable") << "😀" << true; // the voice answers with an empty utterance
    }

    void skipsLinesWithNothingToSay() {
        QFETCH(QString, line);
        QFETCH(bool, rendered);
        Rig rig;
        rig.performance.show();
        rig.performance.speak(line);
        QCOMPARE(rig.voice.asked.size(), rendered ? 1 : 0);
        if (rendered)
            rig.voice.answer(Utterance{});
        rig.performance.play("Wave");
        QCOMPARE(rig.stage.log, (QStringList{"appear", "wave"}));
    }

    void givesUpOnASoundDeviceThatStopsMoving() {
        Rig rig;
        rig.performance.show();
        rig.performance.speak("uno dos");
        const Utterance utterance = silentUtterance("uno dos");
        rig.voice.answer(utterance);
        rig.at(utterance.durationMs + Performance::kStalledSoundGraceMs - 1);
        QVERIFY(!rig.performance.isIdle());
        rig.at(utterance.durationMs + Performance::kStalledSoundGraceMs);
        QVERIFY(rig.performance.isIdle());
    }

    // No sound device at all: the beak and the balloon still follow the speech, by the clock, and standard
    // error gets one line however many lines are spoken.
    void speaksSilentlyWithoutASoundDevice() {
        ManualClock clock;
        FakeVoice voice;
        FakeStage stage;
        SinkSpeechOutput output(clock, [] { return QAudioDevice(); });
        Performance performance(voice, output, stage, clock);
        QTest::failOnWarning(QRegularExpression("."));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no sound output"));

        performance.show();
        for (const QString line : {"Buenos días", "Hasta luego"}) {
            Utterance utterance = silentUtterance(line);
            utterance.sampleRate = 22050;
            utterance.pcm = QByteArray(utterance.durationMs * 22050 / 1000 * 2, '\x20');
            performance.speak(line);
            voice.answer(utterance);
            QVERIFY(!output.isAudible());
            QCOMPARE(stage.line, line);

            const qint64 start = clock.now;
            clock.now = start + utterance.durationMs / 8; // a quarter into the first word: beak wide open
            performance.advance();
            QVERIFY(stage.beak > 0.0);
            QCOMPARE(stage.log.last(), "word " + line.section(' ', 0, 0));
            clock.now = start + utterance.durationMs;
            performance.advance();
            QVERIFY(performance.isIdle());
            QCOMPARE(stage.log.last(), "word -");
        }
    }
};

QTEST_GUILESS_MAIN(PerformanceTest)
#include "test_performance.moc"
