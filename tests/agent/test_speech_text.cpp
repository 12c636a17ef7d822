#include "agent/speakable_text.h"
#include "agent/utterance.h"

#include <QTest>

using namespace parlavo;

// What the voice is given, and how its positions and times find their way back to the line.
class SpeechTextTest : public QObject {
    Q_OBJECT
private slots:
    void blanksWhatCannotBeSpoken_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("Spanish as it is") << "¿Qué tal? ¡Ñandú! 3,50 € · 20 °C"
                                          << "¿Qué tal? ¡Ñandú! 3,50 € · 20 °C";
        QTest::newRow("emoji, one blank each") << "Hola 😀 👍🏽!"
                                               << "Hola     !";
        QTest::newRow("controls and NUL") << QString("a\tb\nc") + QChar(0) + "d\u0007"
                                          << "a b c d ";
        QTest::newRow("broken surrogates") << QString("x") + QChar(0xDC00) + "y" + QChar(0xD800) << "x y ";
        QTest::newRow("private use, format, noncharacter") << "a\uE000b\u200Bc\uFFFF"
                                                           << "a b c ";
    }

    void blanksWhatCannotBeSpoken() {
        QFETCH(QString, line);
        QFETCH(QString, spoken);
        QCOMPARE(QString::fromUtf8(SpeakableText(line).utf8()), spoken);
    }

    void mapsVoicePositionsBackToTheLine_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("word");
        QTest::newRow("after an inverted mark") << "¿Cómo estás?" << 2 << 4 << "Cómo";
        QTest::newRow("after an emoji, counted once") << "😀 señor" << 3 << 5 << "señor";
        QTest::newRow("running past the end") << "fin" << 1 << 10 << "fin";
        QTest::newRow("before the start") << "fin" << 0 << 3 << "";
        QTest::newRow("after the end") << "fin" << 4 << 1 << "";
    }

    void mapsVoicePositionsBackToTheLine() {
        QFETCH(QString, line);
        QFETCH(int, position);
        QFETCH(int, length);
        QFETCH(QString, word);
        const auto range = SpeakableText(line).lineRange(position, length);
        QCOMPARE(range ? line.mid(range->first, range->second) : QString(), word);
    }

    void findsTheWordAndBeakAtEachMoment() {
        Utterance utterance;
        utterance.durationMs = 1000;
        utterance.words = {{0, 3, 100}, {4, 3, 500}};
        utterance.beakSteps = QList<quint8>(25, 0);
        utterance.beakSteps[12] = 255;
        const QList<std::pair<qint64, int>> wordAtMoments{{-1, -1}, {0, -1},  {99, -1}, {100, 0},
                                                          {499, 0}, {500, 1}, {999, 1}, {1000, -1}};
        for (const auto& [ms, word] : wordAtMoments)
            QCOMPARE(utterance.wordAt(ms), word);
        QCOMPARE(utterance.beakAt(479), 0.0);
        QCOMPARE(utterance.beakAt(480), 1.0);
        QCOMPARE(utterance.beakAt(1000), 0.0);
    }

    void opensTheBeakWithTheSound() {
        QByteArray pcm(22050 * 2, '\0'); // one second: silent, then loud, then quiet
        auto* samples = reinterpret_cast<qint16*>(pcm.data());
        for (int i = 0; i < 22050; ++i)
            samples[i] = i < 7350 ? 0 : (i < 14700 ? (i % 2 ? 12000 : -12000) : (i % 2 ? 300 : -300));
        const QList<quint8> steps = beakStepsFromSound(pcm, 22050);
        QCOMPARE(steps.size(), 25);
        QCOMPARE(steps[2], 0);
        QCOMPARE(steps[12], 255);
        QCOMPARE(steps[22], 0); // too quiet to count as speech
    }

    void timesSilentSpeechWordByWord() {
        const Utterance utterance = silentUtterance("  uno\tdos   tres ");
        QCOMPARE(utterance.words.size(), 3);
        QCOMPARE(utterance.line.mid(utterance.words[2].start, utterance.words[2].length), "tres");
        QVERIFY(utterance.words[1].atMs > 0 && utterance.words[2].atMs > utterance.words[1].atMs);
        QVERIFY(utterance.durationMs > utterance.words[2].atMs);
        QVERIFY(utterance.pcm.isEmpty());
        QVERIFY(silentUtterance("   ").isEmpty());
    }
};

QTEST_APPLESS_MAIN(SpeechTextTest)
#include "test_speech_text.moc"
