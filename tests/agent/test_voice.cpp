#include "agent/voice/espeak_synthesizer.h"
#include "agent/voice/espeak_voice.h"

#include <QSignalSpy>
#include <QTest>

#include <algorithm>

#include <clocale>

using namespace parlavo;

namespace {

// The median pitch of a line in Hz: for each loud 40 ms frame, the shift at which it best matches itself.
double medianPitch(const Utterance& utterance) {
    const auto* samples = reinterpret_cast<const qint16*>(utterance.pcm.constData());
    const int rate = utterance.sampleRate;
    const qsizetype frame = rate / 25;
    QList<double> pitches;
    for (qsizetype at = 0; at + frame + rate / 60 < utterance.pcm.size() / 2; at += frame) {
        QList<double> match(rate / 60); // by shift: 0, then those of pitches from 400 Hz down to 60 Hz
        for (qsizetype shift = 0; shift < match.size(); shift = shift ? shift + 1 : rate / 400)
            for (qsizetype i = at; i < at + frame; ++i)
                match[shift] += double(samples[i]) * samples[i + shift];
        const qsizetype best = std::max_element(match.begin() + 1, match.end()) - match.begin();
        if (match[0] > frame * 1e6 && match[best] > 0.5 * match[0])
            pitches.append(double(rate) / best);
    }
    std::sort(pitches.begin(), pitches.end());
    return pitches.value(pitches.size() / 2);
}

} // namespace

// The real speech library: what it is given, how its words find their way back to the line, and that the rate and
// the voices of a dialogue's two speakers are heard. Only one synthesizer may exist at a time, so each test makes and
// drops its own.
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
        QTest::newRow("accents, inverted marks, blanks kept as they stand")
            << "  ¿Cómo   estás?\t¡Muy bien, pingüino! " << QStringList{"Cómo", "estás", "Muy", "bien", "pingüino"}
            << "";
        // Controls, NUL, emoji, broken surrogates, format, private and unassigned code points: the words after them
        // still found in the UTF-16 line.
        QTest::newRow("unspeakable characters dropped")
            << QString("Hola 😀👍🏽\u0007 amigo") + QChar(0) + "\u200B" + QChar(0xD800) + " ñandú\uE000\uFFFF" +
                   QChar(0xDC00)
            << QStringList{"Hola", "amigo", "ñandú"} << "";
        const QString longLine = "El sábado por la mañana fuimos al mercado del barrio a comprar fruta, pan y queso. ";
        QTest::newRow("long line") << longLine << longLine.split(QRegularExpression("[ ,.]+"), Qt::SkipEmptyParts)
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
        QStringList spoken;
        for (const WordMark& word : utterance.words)
            spoken << utterance.line.mid(word.start, word.length);
        QCOMPARE(spoken, words);
        if (words.isEmpty()) {
            QVERIFY(utterance.durationMs < 300);
            return;
        }
        QCOMPARE(utterance.sampleRate, 22050);
        // Somewhere between a fast and a very slow speaker.
        QVERIFY2(utterance.durationMs >= line.size() * 25 && utterance.durationMs <= line.size() * 250,
                 qPrintable(QString::number(utterance.durationMs)));
        for (qsizetype i = 1; i < utterance.words.size(); ++i)
            QVERIFY(utterance.words[i - 1].atMs < utterance.words[i].atMs);
        QVERIFY(utterance.words.last().atMs < utterance.durationMs);
        QVERIFY(synthesizer.render(line, [] { return true; }).pcm.isEmpty()); // stops when asked
    }

    void opensTheBeakWithTheSound() {
        QByteArray pcm(22050 * 2, '\0'); // one second: silent, then loud, then quiet
        auto* samples = reinterpret_cast<qint16*>(pcm.data());
        for (int i = 0; i < 22050; ++i)
            samples[i] = i < 7350 ? 0 : (i < 14700 ? (i % 2 ? 12000 : -12000) : (i % 2 ? 300 : -300));
        const QList<quint8> steps = beakStepsFromSound(pcm, 22050);
        QCOMPARE(QList<quint8>({steps[2], steps[12], steps[22]}), QList<quint8>({0, 255, 0})); // 22: too quiet
    }

    void rateAndSpeakersAreHeard() {
        EspeakVoice voice;
        QSignalSpy spy(&voice, &Voice::rendered);
        const QString line = QStringLiteral("Me llamo Carmen. ¿Cómo te llamas?");
        quint64 ticket = 0;
        for (const auto& [name, wordsPerMinute] : {std::pair("es+m3", 80), {"es+m3", 250}, {"es+f3", 250}}) {
            voice.setVoiceName(name);
            voice.setSpeechRate(wordsPerMinute);
            voice.render(++ticket, line);
        }
        QTRY_COMPARE_WITH_TIMEOUT(spy.size(), 3, 20000);
        const auto heard = [&spy](int i) {
            return spy[i][1].value<Utterance>();
        };
        const qint64 slow = heard(0).durationMs;
        const qint64 fast = heard(1).durationMs;
        const double man = medianPitch(heard(1));
        const double woman = medianPitch(heard(2));
        qInfo("80 wpm: %lld ms, 250 wpm: %lld ms; man %.0f Hz, woman %.0f Hz", slow, fast, man, woman);
        QVERIFY(slow > 2 * fast);
        QVERIFY(man > 70 && man < 160);
        QVERIFY(woman > 1.4 * man);
    }
};

QTEST_GUILESS_MAIN(VoiceTest)
#include "test_voice.moc"
