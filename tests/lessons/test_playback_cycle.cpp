#include "lessons/playback_cycle.h"

#include <QTest>

using namespace parlavo;

namespace {

// Records what the cycle asks for as "what@tick", ticks counted from 1, and the ticks of new sentences.
class RecordingView final : public PlaybackView {
public:
    QStringList events;
    QList<int> nextAt;
    int tick = 0;

    void nextSentence() override { nextAt << tick; }
    void startSpanishEntry() override { record("spanish"); }
    void startEnglishRise() override { record("english"); }
    void blankSpanish() override { record("blankSpanish"); }
    void clearEnglish() override { record("clearEnglish"); }
    void speakStep() override { record("speak"); }

    void run(SharedState& state, int ticks) {
        for (int i = 0; i < ticks; ++i) {
            ++tick;
            playbackTick(state, *this);
        }
    }

private:
    void record(const char* what) { events << QStringLiteral("%1@%2").arg(QLatin1String(what)).arg(tick); }
};

} // namespace

class TestPlaybackCycle : public QObject {
    Q_OBJECT

private slots:
    // A display cycle lasts etime + ctime seconds and two ticks; a new sentence comes after n of them.
    void cycleShowsBothLanguagesThenMovesOn_data() {
        QTest::addColumn<QList<int>>("settings"); // ce, n, etime, ctime
        QTest::addColumn<QString>("firstCycle");
        QTest::addColumn<QList<int>>("nextAt");
        const char* spanishFirst = "spanish@1 speak@1 blankSpanish@51 english@51 clearEnglish@82";
        QList<int> everyTick;
        for (int tick = 1; tick <= 500; ++tick)
            everyTick << tick;
        QTest::newRow("first-run settings") << QList<int>{1, 2, 5, 3} << spanishFirst << QList<int>{165, 329, 493};
        QTest::newRow("English first") << QList<int>{0, 2, 5, 3}
                                       << "english@1 clearEnglish@31 spanish@31 speak@31 blankSpanish@82"
                                       << QList<int>{165, 329, 493};
        QTest::newRow("anything but 1 is English first")
            << QList<int>{2, 2, 2, 7} << "english@1 clearEnglish@71 spanish@71 speak@71 blankSpanish@92"
            << QList<int>{185, 369};
        QTest::newRow("n = 1") << QList<int>{1, 1, 5, 3} << spanishFirst << QList<int>{83, 165, 247, 329, 411, 493};
        QTest::newRow("n = 0") << QList<int>{1, 0, 5, 3} << spanishFirst << everyTick;
        QTest::newRow("n < 0") << QList<int>{1, -3, 5, 3} << spanishFirst << everyTick;
    }
    void cycleShowsBothLanguagesThenMovesOn() {
        QFETCH(QList<int>, settings);
        QFETCH(QString, firstCycle);
        QFETCH(QList<int>, nextAt);
        SharedState state;
        state.languageOrder = static_cast<qint16>(settings[0]);
        state.timesPerSentence = static_cast<qint16>(settings[1]);
        state.spanishSeconds = static_cast<qint16>(settings[2]);
        state.englishSeconds = static_cast<qint16>(settings[3]);
        RecordingView view;
        view.run(state, 10 * (state.spanishSeconds + state.englishSeconds) + 2);
        QCOMPARE(view.events.join(u' '), firstCycle);
        view.run(state, 500 - view.tick);
        QCOMPARE(view.nextAt, nextAt);
    }
};

QTEST_GUILESS_MAIN(TestPlaybackCycle)
#include "test_playback_cycle.moc"
