#include "agent/voice/espeak_voice.h"

#include <QSignalSpy>
#include <QTest>

#include <algorithm>

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

// The real voice as the bird uses it for a dialogue line: the rate and the voices of the two speakers are heard.
class TestLearnerVoice : public QObject {
    Q_OBJECT

private slots:
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

QTEST_GUILESS_MAIN(TestLearnerVoice)
#include "test_learner_voice.moc"
