#include "app/shutdown.h"
#include "caption/caption_label.h"
#include "core/integer16.h"
#include "tests/support/fake_services.h"

#include <QHelpEvent>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QtGui/private/qguiapplication_p.h>

using namespace parlavo;
using parlavo::test::FakeWorld;

namespace {

// A message box that notes which of the watched timers were running while it was up.
class WatchingMessageBox final : public MessageBox {
public:
    QList<QTimer*> watched;
    QList<bool> runningWhileShown;
    void show(const QString&, const QString&) override {
        for (QTimer* timer : watched)
            runningWhileShown << timer->isActive();
    }
};

void sequencePlayKeepingThePosition(SharedState& state) {
    state.inSequence = 1;
    state.saveReadingPosition = 1;
    state.lesson = 2;
    state.readingPosition = 10205;
}

} // namespace

class TestStripResilience : public QObject {
    Q_OBJECT

private slots:
    // X11 sends no movement once the pointer stops: the next pointer sample must bring the strip to rest
    // under the pointer, and the release must keep the grab offset exactly.
    void dragCatchesUpWithThePointerOnTheNextSample() {
        FakeWorld world;
        world.startAndTick(80);
        world.windows.pointer = {950, 5};
        world.strip.onPointerTick();
        world.strip.beginDrag();
        world.windows.pointer = {600, 9};
        world.strip.onPointerTick(); // no movement event follows
        QCOMPARE(world.windows.geometry(&world.strip).topLeft(), QPoint(600 - 123, 9 - 5));
        world.strip.endDrag();
        QCOMPARE(world.windows.geometry(&world.strip).topLeft(), QPoint(477, 0));
    }

    // The Spanish line lies over the English one; hovering shows the sentence of the line that is showing.
    void tooltipShowsTheLineThatIsShowing() {
        FakeWorld world;
        sequencePlayKeepingThePosition(world.state);
        world.strip.chooseNextSentence();
        for (const bool englishShowing : {false, true}) {
            world.strip.spanishLine->setText(englishShowing ? QStringLiteral(" ") : world.strip.spanishText);
            QHelpEvent hover(QEvent::ToolTip, QPoint(20, 8), QPoint(20, 8));
            QCoreApplication::sendEvent(world.strip.spanishLine, &hover);
            QCOMPARE(QToolTip::text(), englishShowing ? world.strip.englishText : world.strip.spanishText);
        }
    }

    void counterOverflowStartsTheCycleOver() {
        FakeWorld world;
        world.state.timesPerSentence = 2;
        world.state.cyclesShown = 1;
        world.state.cycleTick = 32767;
        world.state.cyclePhase = 3;
        world.strip.onPlaybackTick();
        QCOMPARE(world.state.cycleTick, qint16(0));
        QCOMPARE(world.state.cyclePhase, qint16(0));
    }

    // The box runs an event loop of its own: no timer may fire inside it, and each runs again after.
    void messageBoxHoldsTheTimers() {
        QTimer running, stopped;
        running.start(1000);
        WatchingMessageBox box;
        box.watched = {&running, &stopped};
        HeldTimersMessageBox held(box, {&running, &stopped});
        held.show(QStringLiteral("Parlavo"), QStringLiteral("12001"));
        QCOMPARE(box.runningWhileShown, (QList<bool>{false, false}));
        QVERIFY(running.isActive());
        QVERIFY(!stopped.isActive());
    }

    // The stored position trails the one in memory by at most a minute, and only "guagen" is written.
    void readingPositionIsKeptWhileThePositionMoves_data() {
        QTest::addColumn<qint16>("inSequence");
        QTest::addColumn<qint16>("savePosition");
        QTest::addColumn<bool>("kept");
        QTest::newRow("sequence, saving on") << qint16(1) << qint16(1) << true;
        QTest::newRow("at random") << qint16(0) << qint16(1) << false;
        QTest::newRow("saving off") << qint16(1) << qint16(0) << false;
    }
    void readingPositionIsKeptWhileThePositionMoves() {
        QFETCH(qint16, inSequence);
        QFETCH(qint16, savePosition);
        QFETCH(bool, kept);
        FakeWorld world;
        sequencePlayKeepingThePosition(world.state);
        world.state.inSequence = inSequence;
        world.state.saveReadingPosition = savePosition;
        PositionKeeper& keeper = world.strip.positionKeeper();
        keeper.markStored();
        world.strip.chooseNextSentence();
        world.strip.chooseNextSentence();
        QCOMPARE(keeper.isArmed(), kept);
        world.store.writes.clear();
        keeper.saveIfMoved();
        keeper.saveIfMoved(); // nothing moved since
        const QStringList written = kept ? QStringList{"guagen"} : QStringList{};
        QCOMPARE(world.store.writtenKeys(), written);
        QCOMPARE(world.store.values.value(QStringLiteral("guagen")), kept ? QStringLiteral("10207") : QString());

        world.strip.chooseNextSentence();
        world.strip.saveAtExit(); // the exit save stores it too
        world.store.writes.clear();
        keeper.saveIfMoved();
        QVERIFY(world.store.writes.isEmpty());
    }

    // A full-screen window hides the strip and the bird and holds the lesson; it all comes back as it was.
    // Stepping aside in the intro's scroll keeps the strip away and its playback unstarted until the return.
    void stripStepsAsideForFullScreen() {
        FakeWorld world;
        world.startAndTick(25);
        world.windows.active = ActiveWindow{true, false, true, {0, 0, 1920, 1080}};
        for (int tick = 25; tick < 90; ++tick)
            world.strip.onPointerTick();
        const SharedState before = world.state;
        QVERIFY(world.strip.steppedAside());
        QVERIFY(!world.strip.isVisible());
        QVERIFY(!world.strip.playbackTimer.isActive());
        QCOMPARE(world.characters.peedy.calls.last(), QStringLiteral("Hide"));
        world.strip.setBirdShown(true); // the read-aloud command while aside waits for the return

        world.windows.active->fullScreen = false;
        for (int tick = 0; tick < CaptionStrip::kStepAsideCheckTicks; ++tick)
            world.strip.onPointerTick();
        QVERIFY(world.strip.isVisible());
        QVERIFY(world.strip.playbackTimer.isActive());
        QCOMPARE(world.characters.peedy.calls.last(), QStringLiteral("Show"));
        QCOMPARE(world.state.readingPosition, before.readingPosition);
        QCOMPARE(world.state.cycleTick, before.cycleTick);
    }

    // A checkpoint saves and the program runs on; the session's end saves once; Exit saves once.
    void sessionCheckpointSavesAndKeepsRunning() {
        FakeWorld world;
        followSession(*qGuiApp, world.strip);
        auto* app = static_cast<QGuiApplicationPrivate*>(QObjectPrivate::get(qGuiApp));
        QTimer::singleShot(0, [app] { app->commitData(); });
        QTimer::singleShot(20, [] { QCoreApplication::exit(7); });
        QCOMPARE(QCoreApplication::exec(), 7);
        QCOMPARE(world.store.syncs, 2); // the checkpoint, and the end of the event loop
        QTimer::singleShot(0, [&world] { shutDown(world.strip); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QCOMPARE(world.store.syncs, 3);
        QVERIFY(world.store.values.contains(QStringLiteral("left")));
    }
};

QTEST_MAIN(TestStripResilience)
#include "test_strip_resilience.moc"
