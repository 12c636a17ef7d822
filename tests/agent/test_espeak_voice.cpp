#include "agent/espeak_synthesizer.h"
#include "agent/espeak_voice.h"

#include <QSignalSpy>
#include <QTest>

#include <clocale>

using namespace parlavo;

namespace {

QStringList spokenWords(const Utterance& utterance) {
    QStringList words;
    for (const WordMark& word : utterance.words)
        words.append(utterance.line.mid(word.start, word.length));
    return words;
}

const QString kLongLine = QStringLiteral(
    "El sábado por la mañana fuimos al mercado del barrio a comprar fruta, pan y queso para la semana. ");

} // namespace

// The real speech library. Only one synthesizer may exist at a time, so each test makes and drops its own.
class EspeakVoiceTest : public QObject {
    Q_OBJECT
private slots:
    void rendersSpanishLines_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("words");
        QTest::newRow("accents, inverted marks, trailing blank")
            << "¿Cómo estás? ¡Muy bien! " << QStringList{"Cómo", "estás", "Muy", "bien"};
        QTest::newRow("twenty characters") << "Buenos días, señora." << QStringList{"Buenos", "días", "señora"};
        QTest::newRow("blanks kept as they stand")
            << "  Hasta   mañana,\tpingüino " << QStringList{"Hasta", "mañana", "pingüino"};
        QTest::newRow("unspeakable characters dropped")
            << QString("Hola 😀\u0007 amigo") + QChar(0xD800) + " ñandú\uE000" << QStringList{"Hola", "amigo", "ñandú"};
        QTest::newRow("98 characters") << kLongLine
                                       << kLongLine.split(QRegularExpression("[ ,.]+"), Qt::SkipEmptyParts);
    }

    void rendersSpanishLines() {
        QFETCH(QString, line);
        QFETCH(QStringList, words);
        EspeakSynthesizer synthesizer;
        QVERIFY(synthesizer.hasSound());

        const Utterance utterance = synthesizer.render(line);
        QCOMPARE(utterance.line, line);
        QCOMPARE(utterance.sampleRate, 22050);
        QCOMPARE(spokenWords(utterance), words);
        QVERIFY(!utterance.pcm.isEmpty());
        QCOMPARE(utterance.durationMs, utterance.pcm.size() / 2 * 1000 / 22050);
        // Somewhere between a fast and a very slow speaker: 0.5 to 5 s for the twenty characters.
        QVERIFY2(utterance.durationMs >= line.size() * 25 && utterance.durationMs <= line.size() * 250,
                 qPrintable(QString::number(utterance.durationMs)));
        for (qsizetype i = 1; i < utterance.words.size(); ++i)
            QVERIFY(utterance.words[i - 1].atMs < utterance.words[i].atMs);
        QVERIFY(utterance.words.last().atMs < utterance.durationMs);
        QCOMPARE(utterance.beakSteps.size(), (utterance.durationMs + 39) / 40);
    }

    void rendersNothingForNothing() {
        EspeakSynthesizer synthesizer;
        for (const QString line : {"", "   ", "😀🎉"}) {
            const Utterance utterance = synthesizer.render(line);
            QVERIFY(utterance.words.isEmpty());
            QVERIFY(utterance.durationMs < 300);
        }
    }

    void switchesVoices_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("known");
        for (const char* name : {"es", "es-419", "en-us", "en"})
            QTest::newRow(name) << name << true;
        QTest::newRow("unknown") << "xx-nowhere" << false;
    }

    void switchesVoices() {
        QFETCH(QString, name);
        QFETCH(bool, known);
        EspeakSynthesizer synthesizer;
        QCOMPARE(synthesizer.setVoice(name), known);
        QVERIFY(!synthesizer.render("Good morning").pcm.isEmpty());
    }

    void stopsWhenAsked() {
        EspeakSynthesizer synthesizer;
        const Utterance utterance = synthesizer.render(kLongLine, [] { return true; });
        QVERIFY(utterance.isEmpty());
        QVERIFY(utterance.pcm.isEmpty());
    }

    void leavesTheProcessCharacterTypeAlone() {
        const std::string before = std::setlocale(LC_CTYPE, nullptr);
        EspeakSynthesizer synthesizer;
        QCOMPARE(std::setlocale(LC_CTYPE, nullptr), before);
    }

    void answersOnTheOwnersThreadInOrder() {
        EspeakVoice voice;
        QSignalSpy spy(&voice, &Voice::rendered);
        QThread* answeredOn = nullptr;
        connect(&voice, &Voice::rendered, this, [&answeredOn] { answeredOn = QThread::currentThread(); });
        voice.render(1, "Uno");
        voice.render(2, "Dos");
        QTRY_COMPARE_WITH_TIMEOUT(spy.size(), 2, 20000);
        QCOMPARE(spy[0][0].value<quint64>(), 1u);
        QCOMPARE(spy[1][1].value<Utterance>().line, "Dos");
        QCOMPARE(answeredOn, QThread::currentThread());
    }

    void dropsCancelledLines() {
        EspeakVoice voice;
        QSignalSpy spy(&voice, &Voice::rendered);
        voice.render(1, kLongLine);
        voice.render(2, kLongLine);
        voice.cancel();
        voice.setVoiceName("en-us");
        voice.render(3, "Hello");
        QTRY_COMPARE_WITH_TIMEOUT(spy.size(), 1, 20000);
        QCOMPARE(spy[0][0].value<quint64>(), 3u);
        QCOMPARE(spokenWords(spy[0][1].value<Utterance>()), QStringList{"Hello"});
    }
};

QTEST_GUILESS_MAIN(EspeakVoiceTest)
#include "test_espeak_voice.moc"
