#include "tests/support/fake_services.h"

#include <QTest>

using namespace parlavo;
using parlavo::test::FakeWorld;

// The strip starts at 827..1304 px, 23 px high, at the top of a 1920 x 1080 screen.
class TestAutoHide : public QObject {
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
        QTest::newRow("pointer away collapses") << 80 << 1 << true << QPoint(10, 600) << false;
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
        QCOMPARE(world.strip.isOpen(), open);
        QCOMPARE(world.windows.geometry(&world.strip).height(), open ? 23 : 1);
        QCOMPARE(world.windows.geometry(&world.strip).top(), 0);
        QCOMPARE(world.strip.pointerSample.x, pointer.x());
    }

    void unreadablePointerKeepsTheLastSample() {
        FakeWorld world;
        world.startAndTick(80);
        world.windows.pointer = {900, 2};
        world.strip.onPointerTick();
        world.windows.cursorReadable = false;
        world.windows.pointer = {10, 600};
        world.strip.onPointerTick();
        QCOMPARE(world.strip.pointerSample.y, 2);
    }

    // While dragging, the hit test keeps the rectangle from before the drag, yet every tick moves the
    // strip under the pointer at its recorded open size; the release records the new rectangle.
    void draggingWithAutoHide() {
        FakeWorld world;
        world.startAndTick(80);
        world.state.autoHide = 1;
        world.windows.pointer = {900, 10};
        world.strip.onPointerTick();
        QVERIFY(world.strip.isOpen());
        world.strip.beginDrag();

        world.windows.pointer = {300, 400};
        world.strip.onPointerTick();
        QVERIFY(world.strip.isOpen());
        QCOMPARE(world.windows.geometry(&world.strip), QRect(300 - 73, 400 - 10, 477, 23));
        world.strip.onColourStripTick();
        QVERIFY2(!world.strip.stripColour().isValid(), "no strip while dragging");

        world.strip.endDrag();
        QCOMPARE(world.windows.geometry(&world.strip), QRect(227, 0, 477, 23));
        QCOMPARE(world.strip.recordedRect.left, 227);
        QVERIFY(!world.strip.dragging);
    }
};

QTEST_MAIN(TestAutoHide)
#include "test_auto_hide.moc"
