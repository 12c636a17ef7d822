#include "caption/step_aside.h"
#include "tests/support/fake_services.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

using namespace parlavo;
using namespace parlavo::test;

namespace {

// A started strip past its intro with auto-hide on: at 827..1304 px, 23 px high, at the top of a 1920 x 1080
// screen. `collapse` moves the pointer away for a tick.
struct AutoHiding : FakeWorld {
    AutoHiding() {
        store.values = {{"xxx", "1"}, {"visi", "1"}};
        startAndTick(80);
    }
    QRect at() const { return windows.geometry(const_cast<CaptionStrip*>(&strip)); }
    void pointTo(int x, int y) {
        windows.pointer = {x, y};
        strip.onPointerTick();
    }
};

// Presses a button on the strip's child at a point, the way the window system reports it.
void press(CaptionStrip& strip, QPoint local, QPoint global, Qt::MouseButton button) {
    QMouseEvent event(QEvent::MouseButtonPress, QPointF(2, 2), global, button, button, {});
    QCoreApplication::sendEvent(strip.childAt(local), &event);
}

void release(CaptionStrip& strip, QPoint local, Qt::MouseButton button) {
    QTest::mouseRelease(strip.childAt(local), button, {}, QPoint(2, 2));
}

} // namespace

// Auto-hide, dragging and stepping aside, all driven by the strip's 60 ms pointer tick.
class TestStripPointer : public QObject {
    Q_OBJECT

private slots:
    // A collapsed strip opens when the pointer touches its top rows inside it; an open one stays open while the
    // pointer is inside it.
    void autoHideDecidesOnEveryTick_data() {
        QTest::addColumn<bool>("startOpen");
        QTest::addColumn<QPoint>("pointer");
        QTest::addColumn<bool>("open");
        QTest::newRow("collapsed, inside at y 3 opens") << false << QPoint(900, 3) << true;
        QTest::newRow("collapsed, inside at y 10 stays") << false << QPoint(900, 10) << false;
        QTest::newRow("collapsed, at the right edge") << false << QPoint(1304, 0) << false;
        QTest::newRow("collapsed, at the last column") << false << QPoint(1303, 0) << true;
        QTest::newRow("collapsed, left of the strip") << false << QPoint(826, 0) << false;
        QTest::newRow("open, pointer lower inside") << true << QPoint(900, 22) << true;
        QTest::newRow("open, pointer just below") << true << QPoint(900, 23) << false;
    }
    void autoHideDecidesOnEveryTick() {
        QFETCH(bool, startOpen);
        QFETCH(QPoint, pointer);
        QFETCH(bool, open);
        AutoHiding world;
        world.pointTo(startOpen ? 900 : 10, startOpen ? 0 : 600);
        world.pointTo(pointer.x(), pointer.y());
        QCOMPARE(world.at(), QRect(827, 0, 477, open ? 23 : 1));
    }

    // Any button on any label drags: every tick moves the strip under the last pointer sample it could read (X11 sends
    // no movement once the pointer rests). The release, a plain click too, leaves it open at the top of the work area
    // of the monitor under the pointer (or the nearest), the bird going along; the exit saves that and the next start
    // restores it, on the primary monitor while the other has gone. A full-screen window there sends it aside.
    void dragFollowsTheSamples_data() {
        QTest::addColumn<QPoint>("on");
        QTest::addColumn<int>("button");
        QTest::addColumn<QPoint>("to"); // where the pointer is sampled last; none: a click on the collapsed strip
        QTest::addColumn<QPoint>("at"); // after the release
        const QPoint spanish(100, 10);
        QTest::newRow("left on the Spanish line")
            << spanish << int(Qt::LeftButton) << QPoint(600, 300) << QPoint(477, 0);
        QTest::newRow("right, left of the screen") << spanish << int(Qt::RightButton) << QPoint(20, 9) << QPoint(0, 0);
        QTest::newRow("middle on the top band, too far right")
            << QPoint(100, 0) << int(Qt::MiddleButton) << QPoint(1900, 700) << QPoint(1920 - 474, 0);
        QTest::newRow("right on the picture patch, click")
            << QPoint(458, 1) << int(Qt::RightButton) << QPoint() << QPoint(827, 0);
        QTest::newRow("onto the right monitor")
            << spanish << int(Qt::LeftButton) << QPoint(2500, 400) << QPoint(2377, 24);
        QTest::newRow("past its right edge") << spanish << int(Qt::LeftButton) << QPoint(4600, 9) << QPoint(4006, 24);
        QTest::newRow("below the primary monitor, nearer the right one")
            << spanish << int(Qt::LeftButton) << QPoint(1900, 1300) << QPoint(1920, 24);
    }
    void dragFollowsTheSamples() {
        QFETCH(QPoint, on);
        QFETCH(int, button);
        QFETCH(QPoint, to);
        QFETCH(QPoint, at);
        AutoHiding world;
        CaptionStrip& strip = world.strip;
        const Monitor right{"right", {1920, 0, 4480, 1440}, {1920, 24, 4480, 1440}};
        world.windows.otherMonitors = {right};
        world.pointTo(900, 0);
        if (to.isNull())
            world.pointTo(10, 600);
        world.windows.pointer = {960, 8}; // where the pointer has got to when the press is handled
        press(strip, on, QPoint(950, 5), Qt::MouseButton(button));
        QVERIFY(strip.isDragging());
        if (!to.isNull()) {
            world.windows.cursorReadable = false;
            strip.onPointerTick();
            QCOMPARE(world.at(), QRect(827, 0, 477, 23));
            world.windows.cursorReadable = true;
            world.pointTo(to.x(), to.y());
            QCOMPARE(world.at(), QRect(to - QPoint(123, 5), QSize(477, 23)));
        }
        release(strip, on, Qt::MouseButton(button));
        QVERIFY(!strip.isDragging());
        QCOMPARE(world.at(), QRect(at, QSize(477, 23)));
        const int monitorLeft = at.x() >= right.area.left ? right.area.left : 0;
        QCOMPARE(world.bird.corner.left, monitorLeft);
        world.windows.active = ActiveWindow{true, false, true, right.area};
        for (int tick = 0; tick < CaptionStrip::kStepAsideCheckTicks; ++tick)
            strip.onPointerTick();
        QCOMPARE(strip.steppedAside(), monitorLeft > 0);
        QCOMPARE(world.at().topLeft(), at);
        QVERIFY(strip.saveAtExit());
        QCOMPARE(world.store.values.value("left").toInt(), (at.x() - monitorLeft) * 15);
        for (const bool gone : {false, true}) {
            FakeWorld again;
            again.store.values = world.store.values;
            again.windows.otherMonitors = gone ? std::vector<Monitor>() : world.windows.otherMonitors;
            again.strip.start();
            const QPoint onPrimary(std::min(at.x() - monitorLeft, 1920 - 474), 0);
            QCOMPARE(again.windows.geometry(&again.strip).topLeft(), gone ? onPrimary : at);
        }
    }

    // Auto-hide trusts only the pointer the window system can see: one gone onto a native Wayland window is away,
    // and the strip withdraws (its menu goes with it). Over a showing companion (the menu) it stays open. Below a
    // panel along the top, the strip, its line and its opening edge all sit at the panel's lower edge.
    void autoHideFollowsWhatCanBeSeen() {
        AutoHiding world;
        CaptionStrip& strip = world.strip;
        QSignalSpy withdrew(&strip, &CaptionStrip::withdrew);
        world.pointTo(900, 0);
        QVERIFY(strip.isOpen());
        world.windows.cursorReadable = false;
        strip.onPointerTick();
        QVERIFY(!strip.isOpen());
        QCOMPARE(withdrew.size(), 1);

        QWidget menu;
        strip.addCompanion(&menu);
        world.windows.moveWindow(&menu, 1100, 23, 150, 200);
        menu.show();
        world.windows.cursorReadable = true;
        world.pointTo(900, 0);
        world.pointTo(1150, 100);
        QVERIFY(strip.isOpen() && strip.pointerOverStripOrCompanions());
        menu.hide();
        strip.onPointerTick();
        QVERIFY(!strip.isOpen() && !strip.pointerOverStripOrCompanions());

        world.windows.workArea = PixelRect{0, 32, 1920, 1080};
        strip.onPointerTick();
        QCOMPARE(world.at(), QRect(827, 32, 477, 1));
        world.pointTo(900, 36);
        QVERIFY(!strip.isOpen());
        world.pointTo(900, 35);
        QCOMPARE(world.at(), QRect(827, 32, 477, 23));
    }

    // Only a full-screen window of another program on the strip's own screen sends it aside.
    void stepsAsideOnlyForAFullScreenWindowOnItsScreen() {
        const PixelRect here{0, 0, 1920, 1080};
        const PixelRect there{1920, 0, 3840, 1080};
        QVERIFY(stepsAside(ActiveWindow{true, false, true, here}, here));
        for (const std::optional<ActiveWindow> other :
             {std::optional(ActiveWindow{true, false, true, there}),
              std::optional(ActiveWindow{true, false, false, {}}), std::optional(ActiveWindow{}),
              std::optional(ActiveWindow{true, true, true, here}), std::optional<ActiveWindow>()})
            QVERIFY(!stepsAside(other, here));
    }
};

QTEST_MAIN(TestStripPointer)
#include "test_strip_pointer.moc"
