#include "core/integer16.h"
#include "lessons/playback_cycle.h"
#include "tests/support/fake_character.h"

#include <QRegularExpression>
#include <QTest>

Q_DECLARE_METATYPE(parlavo::SharedState)

using namespace parlavo;
using parlavo::test::FakeCharacter;

namespace {

// Records what the cycle asks for, each as "what@tick" with ticks counted from 1.
class RecordingView final : public PlaybackView {
public:
    QStringList events;
    int tick = 0;
    FakeCharacter character;
    qint16 voice = 1;

    void nextSentence() override { record("next"); }
    void startSpanishEntry() override { record("spanish"); }
    void startEnglishRise() override { record("english"); }
    void blankSpanish() override { record("blankSpanish"); }
    void clearEnglish() override { record("clearEnglish"); }
    void speakStep() override {
        record("speak");
        readAloudAndWave(character, QStringLiteral("Hola"), voice);
    }

    QStringList eventsNamed(const QString& what) const { return events.filter(QRegularExpression('^' + what + '@')); }

private:
    void record(const char* what) { events << QStringLiteral("%1@%2").arg(QLatin1String(what)).arg(tick); }
};

SharedState settings(qint16 ce, qint16 n, qint16 etime, qint16 ctime) {
    SharedState state;
    state.ce = ce;
    state.n = n;
    state.etime = etime;
    state.ctime = ctime;
    return state;
}

void run(SharedState& state, RecordingView& view, int ticks) {
    for (int i = 0; i < ticks; ++i) {
        ++view.tick;
        playbackTick(state, view);
    }
}

QStringList ticksOf(const QString& what, std::initializer_list<int> ticks) {
    QStringList events;
    for (int tick : ticks)
        events << QStringLiteral("%1@%2").arg(what).arg(tick);
    return events;
}

} // namespace

class TestPlaybackCycle : public QObject {
    Q_OBJECT

private slots:
    void firstCycleShowsBothLanguagesInTurn_data() {
        QTest::addColumn<SharedState>("state");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("Spanish first") << settings(1, 2, 5, 3)
                                       << QStringList{"spanish@1", "speak@1", "blankSpanish@51", "english@51",
                                                      "clearEnglish@82"};
        QTest::newRow("English first") << settings(0, 2, 5, 3)
                                       << QStringList{"english@1", "clearEnglish@31", "spanish@31", "speak@31",
                                                      "blankSpanish@82"};
        QTest::newRow("Spanish first, short Spanish")
            << settings(1, 2, 2, 7)
            << QStringList{"spanish@1", "speak@1", "blankSpanish@21", "english@21", "clearEnglish@92"};
        QTest::newRow("English first, long English")
            << settings(2, 2, 2, 7)
            << QStringList{"english@1", "clearEnglish@71", "spanish@71", "speak@71", "blankSpanish@92"};
        QTest::newRow("unknown phase does nothing") << [] {
            SharedState state = settings(1, 2, 5, 3);
            state.phase = 7;
            return state;
        }() << QStringList();
    }
    void firstCycleShowsBothLanguagesInTurn() {
        QFETCH(SharedState, state);
        QFETCH(QStringList, events);
        RecordingView view;
        run(state, view, 82 + 10 * (state.etime - 5 + state.ctime - 3));
        QCOMPARE(view.events, events);
    }

    void newSentenceAfterEveryNCycles_data() {
        QTest::addColumn<SharedState>("state");
        QTest::addColumn<QStringList>("selections");
        QTest::newRow("first run") << settings(1, 2, 5, 3) << ticksOf("next", {165, 329, 493});
        QTest::newRow("English first") << settings(0, 2, 5, 3) << ticksOf("next", {165, 329, 493});
        QTest::newRow("every cycle") << settings(1, 1, 5, 3) << ticksOf("next", {83, 165, 247, 329, 411, 493});
    }
    void newSentenceAfterEveryNCycles() {
        QFETCH(SharedState, state);
        QFETCH(QStringList, selections);
        RecordingView view;
        run(state, view, 500);
        QCOMPARE(view.eventsNamed("next"), selections);
    }

    void noCyclesWantedSelectsOnEveryTick_data() {
        QTest::addColumn<qint16>("n");
        QTest::newRow("zero") << qint16(0);
        QTest::newRow("negative") << qint16(-3);
    }
    void noCyclesWantedSelectsOnEveryTick() {
        QFETCH(qint16, n);
        SharedState state = settings(1, n, 5, 3);
        RecordingView view;
        run(state, view, 200);
        QCOMPARE(view.eventsNamed("next").size(), 200);
    }

    void pauseResumesWhereItStopped() {
        SharedState steady = settings(1, 2, 5, 3);
        RecordingView steadyView;
        run(steady, steadyView, 400);

        SharedState paused = settings(1, 2, 5, 3);
        RecordingView pausedView;
        run(paused, pausedView, 60); // into the English part
        const SharedState atPause = paused;
        QCoreApplication::processEvents(); // nothing but ticks may move the cycle on
        QCOMPARE(paused.tickcount, atPause.tickcount);
        QCOMPARE(paused.phase, atPause.phase);
        run(paused, pausedView, 340);
        QCOMPARE(pausedView.events, steadyView.events);
    }

    void characterReadsOnlyWithVoiceButAlwaysWaves_data() {
        QTest::addColumn<qint16>("voice");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("voice on") << qint16(1) << QStringList{"Speak:Hola", "Play:Wave"};
        QTest::newRow("voice off") << qint16(0) << QStringList{"Play:Wave"};
        QTest::newRow("anything but 1 is off") << qint16(-1) << QStringList{"Play:Wave"};
    }
    void characterReadsOnlyWithVoiceButAlwaysWaves() {
        QFETCH(qint16, voice);
        QFETCH(QStringList, calls);
        FakeCharacter character;
        readAloudAndWave(character, QStringLiteral("Hola"), voice);
        QCOMPARE(character.calls, calls);
    }

    void failingCharacterDoesNotStopTheCycle() {
        SharedState state = settings(1, 2, 5, 3);
        RecordingView view;
        view.character.throwOnSpeak = true;
        view.character.throwOnPlay = true;
        run(state, view, 200);
        QCOMPARE(view.character.calls,
                 (QStringList{"Speak:Hola", "Play:Wave", "Speak:Hola", "Play:Wave", "Speak:Hola", "Play:Wave"}));
        QCOMPARE(view.eventsNamed("next"), ticksOf("next", {165}));
    }

    void counterOverflowIsTheCallers() {
        SharedState state = settings(1, 2, 5, 3);
        state.tickcount = 32767;
        RecordingView view;
        QVERIFY_THROWS_EXCEPTION(OverflowError, playbackTick(state, view));
    }
};

QTEST_GUILESS_MAIN(TestPlaybackCycle)
#include "test_playback_cycle.moc"
