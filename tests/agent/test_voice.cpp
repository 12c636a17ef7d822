#include "agent/espeak_synthesizer.h"
#include "agent/espeak_voice.h"
#include "agent/speakable_text.h"

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

// The voice: what it is given, how its positions and times find their way back to the line, and the real speech
// library. Only one synthesizer may exist at a time, so each test makes and drops its own.
class VoiceTest : public QObject {
    Q_OBJECT
private slots:
    // The first synthesizer loads the library, which switches the character type to UTF-8 for itself; the process
    // must keep its own.
    void initTestCase() {
        std::setlocale(LC_CTYPE, "C");
        EspeakSynthesizer synthesizer;
        QVERIFY(synthesizer.hasSound());
        QCOMPARE(std::setlocale(LC_CTYPE, nullptr), "C");
    }

    void rendersLines_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("voice"); // empty: the one a synthesizer starts with
        QTest::newRow("accents, inverted marks, trailing blank")
            << "¿Cómo estás? ¡Muy bien! " << QStringList{"Cómo", "estás", "Muy", "bien"} << "";
        QTest::newRow("twenty characters") << "Buenos días, señora." << QStringList{"Buenos", "días", "señora"} << "";
        QTest::newRow("blanks kept as they stand")
            << "  Hasta   mañana,\tpingüino " << QStringList{"Hasta", "mañana", "pingüino"} << "";
        QTest::newRow("unspeakable characters dropped")
            << QString("Hola 😀\u0007 amigo") + QChar(0xD800) + " ñandú\uE000" << QStringList{"Hola", "amigo", "ñandú"}
            << "";
        QTest::newRow("98 characters") << kLongLine << kLongLine.split(QRegularExpression("[ ,.]+"), Qt::SkipEmptyParts)
                                       << "";
        for (const QString line : {"", "   ", "😀🎉"})
            QTest::newRow(qPrintable("nothing to say: '" + line + "'")) << line << QStringList{} << "";
        // The voices the bird's languages ask for, and one the library does not have: the voice before it stays.
        for (const char* voice : {"es-419", "en-us", "en", "xx-nowhere"})
            QTest::newRow(voice) << "Good morning" << QStringList{"Good", "morning"} << voice;
    }

    void rendersLines() {
        QFETCH(QString, line);
        QFETCH(QStringList, words);
        QFETCH(QString, voice);
        EspeakSynthesizer synthesizer;
        if (!voice.isEmpty())
            QCOMPARE(synthesizer.setVoice(voice), voice != "xx-nowhere");

        const Utterance utterance = synthesizer.render(line);
        QCOMPARE(utterance.line, line);
        QCOMPARE(spokenWords(utterance), words);
        if (words.isEmpty()) {
            QVERIFY(utterance.durationMs < 300);
            return;
        }
        QCOMPARE(utterance.sampleRate, 22050);
        QCOMPARE(utterance.durationMs, utterance.pcm.size() / 2 * 1000 / 22050);
        // Somewhere between a fast and a very slow speaker: 0.5 to 5 s for twenty characters.
        QVERIFY2(utterance.durationMs >= line.size() * 25 && utterance.durationMs <= line.size() * 250,
                 qPrintable(QString::number(utterance.durationMs)));
        for (qsizetype i = 1; i < utterance.words.size(); ++i)
            QVERIFY(utterance.words[i - 1].atMs < utterance.words[i].atMs);
        QVERIFY(utterance.words.last().atMs < utterance.durationMs);
        QCOMPARE(utterance.beakSteps.size(), (utterance.durationMs + 39) / 40);
    }

    void stopsWhenAsked() {
        EspeakSynthesizer synthesizer;
        const Utterance utterance = synthesizer.render(kLongLine, [] { return true; });
        QVERIFY(utterance.isEmpty() && utterance.pcm.isEmpty());
    }

    // Lines are rendered on the voice's own thread and answered in order; cancelled ones never come.
    void answersInOrderDroppingCancelledLines() {
        EspeakVoice voice;
        QSignalSpy spy(&voice, &Voice::rendered);
        voice.render(1, kLongLine);
        voice.render(2, kLongLine);
        voice.cancel();
        voice.setVoiceName("en-us");
        voice.render(3, "Hello");
        voice.render(4, "Good morning");
        QTRY_COMPARE_WITH_TIMEOUT(spy.size(), 2, 20000);
        QCOMPARE(spy[0][0].value<quint64>(), 3u);
        QCOMPARE(spokenWords(spy[0][1].value<Utterance>()), QStringList{"Hello"});
        QCOMPARE(spy[1][0].value<quint64>(), 4u);
    }

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

    // The voice counts 1-based code points; the line is UTF-16.
    void mapsVoicePositionsBackToTheLine() {
        using Range = std::optional<std::pair<qsizetype, qsizetype>>;
        const SpeakableText text("😀 señor");
        QCOMPARE(text.lineRange(3, 5), Range({3, 5}));  // after an emoji, counted once
        QCOMPARE(text.lineRange(3, 10), Range({3, 5})); // running past the end
        QCOMPARE(text.lineRange(0, 3), Range());        // before the start
        QCOMPARE(text.lineRange(8, 1), Range());        // after the end
    }

    void findsTheWordAndBeakAtEachMoment() {
        Utterance utterance;
        utterance.durationMs = 1000;
        utterance.words = {{0, 3, 100}, {4, 3, 500}};
        utterance.beakSteps = QList<quint8>(25, 0);
        utterance.beakSteps[12] = 255;
        const QList<std::pair<qint64, int>> wordAtMoments{{-1, -1}, {99, -1}, {100, 0},  {499, 0},
                                                          {500, 1}, {999, 1}, {1000, -1}};
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
        QCOMPARE(steps[2], 0);
        QCOMPARE(steps[12], 255);
        QCOMPARE(steps[22], 0); // too quiet to count as speech
    }
};

QTEST_GUILESS_MAIN(VoiceTest)
#include "test_voice.moc"
