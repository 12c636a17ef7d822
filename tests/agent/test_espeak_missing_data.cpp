#include "agent/voice/espeak_voice.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace parlavo;

// Without its data the speech library cannot start; the voice then renders silently, timed as if spoken, and
// says so once on standard error. A process of its own, since the library keeps its state for the process.
class EspeakMissingDataTest : public QObject {
    Q_OBJECT
private slots:
    void rendersSilentlyAndSaysSoOnce() {
        QTest::failOnWarning(QRegularExpression("."));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("speech data could not be loaded"));
        const QTemporaryDir emptyDataFolder;
        EspeakVoice voice(emptyDataFolder.path());
        QSignalSpy spy(&voice, &Voice::rendered);
        voice.render(1, "  ¿Cómo\testás?  Muy bien ");
        voice.render(2, "Otra vez");
        QTRY_COMPARE_WITH_TIMEOUT(spy.size(), 2, 20000);
        const Utterance utterance = spy[0][1].value<Utterance>();
        QVERIFY(utterance.pcm.isEmpty() && utterance.durationMs > 1000 && utterance.durationMs < 4000);
        QCOMPARE(utterance.words.size(), 4);
        QCOMPARE(utterance.line.mid(utterance.words[3].start, utterance.words[3].length), "bien");
    }
};

QTEST_GUILESS_MAIN(EspeakMissingDataTest)
#include "test_espeak_missing_data.moc"
