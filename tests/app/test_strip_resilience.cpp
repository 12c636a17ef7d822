#include "app/shutdown.h"
#include "tests/support/fake_services.h"

#include <QTest>
#include <QTimer>
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

} // namespace

class TestStripResilience : public QObject {
    Q_OBJECT

private slots:
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

    // A full-screen window holds the lesson; it all comes back as it was (the windows' going and coming back are
    // checked on the real program). Stepping aside in the intro's scroll keeps the strip away and its playback
    // unstarted until the return.
    void stripStepsAsideForFullScreen() {
        FakeWorld world;
        world.startAndTick(25);
        world.windows.active = ActiveWindow{true, false, true, {0, 0, 1920, 1080}};
        for (int tick = 25; tick < 90; ++tick)
            world.strip.onPointerTick();
        const SharedState before = world.state;
        QVERIFY(world.strip.steppedAside() && !world.strip.isVisible());
        QVERIFY(!world.strip.playbackTimer.isActive());

        world.windows.active->fullScreen = false;
        for (int tick = 0; tick < CaptionStrip::kStepAsideCheckTicks; ++tick)
            world.strip.onPointerTick();
        QVERIFY(world.strip.playbackTimer.isActive());
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
