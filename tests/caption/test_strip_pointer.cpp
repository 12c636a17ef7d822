#include "caption/caption_label.h"
#include "caption/step_aside.h"
#include "tests/support/fake_services.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

using namespace parlavo;
using namespace parlavo::test;

Q_DECLARE_METATYPE(std::optional<parlavo::ActiveWindow>)

// Auto-hide, dragging and stepping aside, all driven by the strip's 60 ms pointer tick. The strip starts at
// 827..1304 px, 23 px high, at the top of a 1920 x 1080 screen.
class TestStripPointer : public QObject {
    Q_OBJECT

private slots:
    void heightIsDecidedOnEveryTick_data() {
        QTest::addColumn<int>("introTicks");
        QTest::addColumn<int>("autoHide");
        QTest::addColumn<bool>("startOpen");
        QTest::addColumn<QPoint>("pointer");
        QTest::addColumn<bool>("open");
        QTest::newRow("intro holds it open") << 30 << 1 << true << QPoint(10, 600) << true;
        QTest::newRow("auto-hide switched off while collapsed") << 80 << 0 << false << QPoint(10, 600) << true;
        QTest::newRow("collapsed, inside at y 3 opens") << 80 << 1 << false << QPoint(900, 3) << true;
        QTest::newRow("collapsed, inside at y 10 stays") << 80 << 1 << false << QPoint(900, 10) << false;
        QTest::newRow("collapsed, at the right edge") << 80 << 1 << false << QPoint(1304, 0) << false;
        QTest::newRow("collapsed, at the last column") << 80 << 1 << false << QPoint(1303, 0) << true;
        QTest::newRow("collapsed, left of the strip") << 80 << 1 << false << QPoint(826, 0) << false;
        QTest::newRow("open, pointer lower inside") << 80 << 1 << true << QPoint(900, 22) << true;
        QTest::newRow("open, pointer just below") << 80 << 1 << true << QPoint(900, 23) << false;
        QTest::newRow("any nonzero switch") << 80 << -1 << true << QPoint(10, 600) << false;
    }
    void heightIsDecidedOnEveryTick() {
        QFETCH(int, introTicks);
        QFETCH(int, autoHide);
        QFETCH(bool, startOpen);
        QFETCH(QPoint, pointer);
        QFETCH(bool, open);
        FakeWorld world;
        world.startAndTick(introTicks);
        world.state.autoHide = static_cast<qint16>(autoHide);
        world.strip.setHeightTwips(startOpen ? CaptionStrip::kOpenHeightTwips : CaptionStrip::kCollapsedHeightTwips);
        world.windows.pointer = {pointer.x(), pointer.y()};
        world.strip.onPointerTick();
        QCOMPARE(world.windows.geometry(&world.strip), QRect(827, 0, 477, open ? 23 : 1));
        // The pointer is asked for only where it decides something: an auto-hiding strip after the intro.
        QCOMPARE(world.strip.pointerSample.x == pointer.x(), autoHide != 0 && introTicks == 80);
    }

    // Any button on any label drags. The grab takes the pointer where the press happened; every move uses the pointer
    // as the last pointerTimer tick sampled it: X11 sends no movement once the pointer rests, so every tick moves the
    // strip under the pointer again, at its recorded open size although auto-hide keeps testing the rectangle from
    // before the drag. The release, a plain click on a collapsed strip too, leaves the strip open at the top edge with
    // its left edge on the screen, and records that rectangle.
    void dragFollowsTheSamples_data() {
        QTest::addColumn<int>("label");
        QTest::addColumn<int>("button");
        QTest::addColumn<QPoint>("to"); // where the pointer is sampled last; none: a click on the collapsed strip
        QTest::addColumn<int>("left");  // after the release
        QTest::newRow("left on the Spanish line") << 0 << int(Qt::LeftButton) << QPoint(600, 300) << 477;
        QTest::newRow("right on the English line, left of the screen")
            << 1 << int(Qt::RightButton) << QPoint(20, 9) << 0;
        QTest::newRow("middle on the top strip, too far right")
            << 2 << int(Qt::MiddleButton) << QPoint(1900, 700) << 1920 - 474;
        QTest::newRow("right on the picture patch, click") << 3 << int(Qt::RightButton) << QPoint() << 827;
    }
    void dragFollowsTheSamples() {
        QFETCH(int, label);
        QFETCH(int, button);
        QFETCH(QPoint, to);
        QFETCH(int, left);
        FakeWorld world;
        CaptionStrip& strip = world.strip;
        world.startAndTick(80);
        world.state.autoHide = 1;
        QWidget* target =
            QList<QWidget*>{strip.spanishLine, strip.englishLine, strip.topEdgeBand, strip.menuPatch}[label];
        QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), QPointF(2, 2), Qt::NoButton, Qt::MouseButton(button), {});
        if (to.isNull())
            strip.setHeightTwips(CaptionStrip::kCollapsedHeightTwips);
        world.windows.pointer = {900, 10};
        strip.onPointerTick();
        QCoreApplication::sendEvent(target, &move);
        QCOMPARE(world.windows.geometry(&strip).topLeft(), QPoint(827, 0)); // no press, no move
        world.windows.pointer = {960, 8}; // where the pointer has got to when the press is handled
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(1, 1), QPointF(950, 5), Qt::MouseButton(button),
                          Qt::MouseButton(button), {});
        QCoreApplication::sendEvent(target, &press);
        QVERIFY(strip.dragging);
        QCOMPARE(QPoint(strip.grabOffset.x, strip.grabOffset.y), QPoint(123, 5));

        if (!to.isNull()) {
            world.windows.cursorReadable = false; // a tick that cannot read the pointer keeps the last sample
            strip.onPointerTick();
            QCOMPARE(world.windows.geometry(&strip), QRect(827, 0, 477, 23));
            world.windows.cursorReadable = true;
            world.windows.pointer = {to.x(), to.y()};
            QCoreApplication::sendEvent(target, &move);
            QCOMPARE(world.windows.geometry(&strip).topLeft(), QPoint(827, 0));
            strip.onPointerTick();
            QCOMPARE(world.windows.geometry(&strip), QRect(to - QPoint(123, 5), QSize(477, 23)));
        }
        QTest::mouseRelease(target, Qt::MouseButton(button), {}, QPoint(2, 2));
        QVERIFY(!strip.dragging);
        QCOMPARE(world.windows.geometry(&strip), QRect(left, 0, 477, 23));
        QCOMPARE(toQRect(strip.recordedRect), QRect(left, 0, 477, 23));
    }

    // After the intro, with nothing following the pointer, the tick comes eight times less often and asks the window
    // manager every time; auto-hide or a drag brings the 60 ms tick back.
    void ticksSlowDownWhileNothingFollowsThePointer() {
        FakeWorld world;
        CaptionStrip& strip = world.strip;
        world.startAndTick(60);
        QCOMPARE(strip.pointerTimer.interval(), 60);
        for (int tick = 60; tick < 80; ++tick)
            strip.onPointerTick();
        QCOMPARE(strip.pointerTimer.interval(), 480);
        world.windows.active = ActiveWindow{true, false, true, {0, 0, 1920, 1080}};
        strip.onPointerTick();
        QVERIFY(strip.steppedAside());
        world.windows.active.reset();
        strip.onPointerTick();
        QVERIFY(!strip.steppedAside());

        QTest::mousePress(strip.spanishLine, Qt::LeftButton, {}, QPoint(1, 1));
        QCOMPARE(strip.pointerTimer.interval(), 60);
        QTest::mouseRelease(strip.spanishLine, Qt::LeftButton, {}, QPoint(1, 1));
        strip.onPointerTick();
        QCOMPARE(strip.pointerTimer.interval(), 480);
        world.state.autoHide = 1;
        strip.onPointerTick();
        QCOMPARE(strip.pointerTimer.interval(), 60);
    }

    // Auto-hide trusts only the pointer the window system can see: one gone onto a native Wayland window is away,
    // and the strip withdraws (its menu goes with it). Over a showing companion (the menu) it stays open. Below a
    // panel along the top, the strip, its line and its opening edge all sit at the panel's lower edge.
    void autoHideFollowsWhatCanBeSeen() {
        FakeWorld world;
        CaptionStrip& strip = world.strip;
        world.startAndTick(80);
        world.state.autoHide = 1;
        QSignalSpy withdrew(&strip, &CaptionStrip::withdrew);
        world.windows.pointer = {900, 10};
        strip.onPointerTick();
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
        world.windows.pointer = {900, 0};
        strip.onPointerTick();
        world.windows.pointer = {1150, 100};
        strip.onPointerTick();
        QVERIFY(strip.isOpen() && strip.pointerOverStripOrCompanions());
        menu.hide();
        strip.onPointerTick();
        QVERIFY(!strip.isOpen() && !strip.pointerOverStripOrCompanions());

        world.windows.workArea = PixelRect{0, 32, 1920, 1080};
        strip.onPointerTick();
        QCOMPARE(world.windows.geometry(&strip), QRect(827, 32, 477, 1));
        world.windows.pointer = {900, 36};
        strip.onPointerTick();
        QVERIFY(!strip.isOpen());
        world.windows.pointer = {900, 35};
        strip.onPointerTick();
        QCOMPARE(world.windows.geometry(&strip), QRect(827, 32, 477, 23));
        QTest::mousePress(strip.spanishLine, Qt::LeftButton, {}, QPoint(1, 1));
        world.windows.pointer = {600, 400};
        strip.onPointerTick();
        QTest::mouseRelease(strip.spanishLine, Qt::LeftButton, {}, QPoint(1, 1));
        QCOMPARE(world.windows.geometry(&strip).top(), 32);
    }

    // A film, slides or a call held in front of the desktop send the strip aside unless the user said otherwise.
    void stepsAsideWhileTheDesktopIsKeptAwake() {
        FakeWorld world;
        world.startAndTick(80);
        world.idleInhibition.isHeld = true;
        world.state.stepAsideForFilms = 0;
        world.strip.onPointerTick();
        QVERIFY(!world.strip.steppedAside());
        world.state.stepAsideForFilms = 1;
        world.strip.onPointerTick();
        QVERIFY(world.strip.steppedAside());
        world.idleInhibition.isHeld = false;
        world.strip.onPointerTick();
        QVERIFY(!world.strip.steppedAside());
    }

    // Only a full-screen window of another program on the strip's own screen sends it aside.
    void stepsAsideOnlyForAFullScreenWindowOnItsScreen_data() {
        QTest::addColumn<std::optional<ActiveWindow>>("active");
        QTest::addColumn<bool>("aside");
        const PixelRect left{0, 0, 1920, 1080};
        const PixelRect right{1920, 0, 3840, 1080};
        QTest::newRow("full screen on the strip's screen")
            << std::optional(ActiveWindow{true, false, true, left}) << true;
        QTest::newRow("full screen on another screen")
            << std::optional(ActiveWindow{true, false, true, right}) << false;
        QTest::newRow("maximised, not full screen") << std::optional(ActiveWindow{true, false, false, {}}) << false;
        QTest::newRow("no active window") << std::optional(ActiveWindow{}) << false;
        QTest::newRow("our own window") << std::optional(ActiveWindow{true, true, true, left}) << false;
        QTest::newRow("the window manager does not say") << std::optional<ActiveWindow>() << false;
    }
    void stepsAsideOnlyForAFullScreenWindowOnItsScreen() {
        QFETCH(std::optional<ActiveWindow>, active);
        QFETCH(bool, aside);
        QCOMPARE(stepsAside(active, {0, 0, 1920, 1080}), aside);
    }
};

QTEST_MAIN(TestStripPointer)
#include "test_strip_pointer.moc"
