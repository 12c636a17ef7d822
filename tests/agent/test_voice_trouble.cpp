#include "agent/voice/espeak_voice.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>

using namespace parlavo;

// The real voice with speech data lacking the Spanish voices, or with none at all: the lines come silently, timed
// and with their words as if spoken, never in another language, and standard error says so once. The library
// keeps its data for the process, so ctest runs each row in a process of its own.
class VoiceTroubleTest : public QObject {
    Q_OBJECT
private slots:
    void speaksSilentlyWithoutItsData_data() {
        QTest::addColumn<bool>("otherVoices"); // else no data at all
        QTest::addColumn<QString>("warning");
        QTest::newRow("no Spanish voice")
            << true << "^parlavo: the voice \"es\" could not be chosen; the bird speaks without sound$";
        QTest::newRow("no data") << false << "speech data could not be loaded";
    }

    void speaksSilentlyWithoutItsData() {
        QFETCH(bool, otherVoices);
        QFETCH(QString, warning);
        static bool loaded = false;
        if (std::exchange(loaded, true))
            QSKIP("the speech library is loaded already: run this row alone");
        const QTemporaryDir data;
        if (otherVoices) { // links to the real data, but for the Romance languages' voices
            const char* real = nullptr;
            espeak_ng_InitializePath(nullptr);
            espeak_Info(&real);
            QCOMPARE(QProcess::execute("sh", {"-c", R"(cp -rs "$0"/. "$1" && rm -r "$1/lang/roa")", real, data.path()}),
                     0);
        }
        QTest::failOnWarning(QRegularExpression("."));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));
        EspeakVoice voice(data.path());
        QSignalSpy spy(&voice, &Voice::rendered);
        const QList<std::tuple<QString, QString, bool>> lines{{"", "  ¿Cómo\testás?  Muy bien ", false},
                                                              {"en-us", "Good morning", otherVoices},
                                                              {"es-419", "Buenos días", false}};
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const auto& [voiceName, line, withSound] = lines[i];
            if (!voiceName.isEmpty())
                voice.setVoiceName(voiceName);
            voice.render(i + 1, line);
            QTRY_COMPARE_WITH_TIMEOUT(spy.size(), i + 1, 20000);
            const Utterance speech = spy.last()[1].value<Utterance>();
            const QStringList words = line.split(QRegularExpression("[\\s¿?]+"), Qt::SkipEmptyParts);
            QCOMPARE(!speech.pcm.isEmpty(), withSound);
            QCOMPARE(speech.words.size(), words.size());
            QCOMPARE(line.mid(speech.words.last().start, speech.words.last().length), words.last());
            QVERIFY2(speech.durationMs > 250 * words.size() && speech.durationMs < 1000 * words.size(),
                     qPrintable(QString::number(speech.durationMs)));
        }
    }
};

QTEST_GUILESS_MAIN(VoiceTroubleTest)
#include "test_voice_trouble.moc"
