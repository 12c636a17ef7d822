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
    // no movement once the pointer rests). The release, a plain click too, leaves it open at the top edge, its left
    // edge on the screen, and is what the exit saves.
    void dragFollowsTheSamples_data() {
        QTest::addColumn<QPoint>("on");
        QTest::addColumn<int>("button");
        QTest::addColumn<QPoint>("to"); // where the pointer is sampled last; none: a click on the collapsed strip
        QTest::addColumn<int>("left");  // after the release
        QTest::newRow("left on the Spanish line") << QPoint(100, 10) << int(Qt::LeftButton) << QPoint(600, 300) << 477;
        QTest::newRow("right, left of the screen") << QPoint(100, 10) << int(Qt::RightButton) << QPoint(20, 9) << 0;
        QTest::newRow("middle on the top band, too far right")
            << QPoint(100, 0) << int(Qt::MiddleButton) << QPoint(1900, 700) << 1920 - 474;
        QTest::newRow("right on the picture patch, click") << QPoint(458, 1) << int(Qt::RightButton) << QPoint() << 827;
    }
    void dragFollowsTheSamples() {
        QFETCH(QPoint, on);
        QFETCH(int, button);
        QFETCH(QPoint, to);
        QFETCH(int, left);
        AutoHiding world;
        CaptionStrip& strip = world.strip;
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
        QCOMPARE(world.at(), QRect(left, 0, 477, 23));
        QVERIFY(strip.saveAtExit());
        QCOMPARE(world.store.values.value("left").toInt(), left * 15);
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
        press(strip, QPoint(100, 10), QPoint(927, 42), Qt::LeftButton);
        world.pointTo(600, 400);
        release(strip, QPoint(100, 10), Qt::LeftButton);
        QCOMPARE(world.at().top(), 32);
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
