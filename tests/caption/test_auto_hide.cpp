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
        QTest::addColumn<int>("visi");
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
        QFETCH(int, visi);
        QFETCH(bool, startOpen);
        QFETCH(QPoint, pointer);
        QFETCH(bool, open);
        FakeWorld world;
        world.startAndTick(introTicks);
        world.state.visi = static_cast<qint16>(visi);
        world.form1.setHeight(startOpen ? Form1::kOpenHeightTwips : Form1::kCollapsedHeightTwips);
        world.windows.pointer = {pointer.x(), pointer.y()};
        world.form1.Form1_Timer1_Timer();
        QCOMPARE(world.form1.isOpen(), open);
        QCOMPARE(world.windows.geometry(&world.form1).height(), open ? 23 : 1);
        QCOMPARE(world.windows.geometry(&world.form1).top(), 0);
        QCOMPARE(world.form1.mptCursor.x, pointer.x());
    }

    void unreadablePointerKeepsTheLastSample() {
        FakeWorld world;
        world.startAndTick(80);
        world.windows.pointer = {900, 2};
        world.form1.Form1_Timer1_Timer();
        world.windows.cursorReadable = false;
        world.windows.pointer = {10, 600};
        world.form1.Form1_Timer1_Timer();
        QCOMPARE(world.form1.mptCursor.y, 2);
    }

    // While dragging, the hit test keeps the rectangle from before the drag: once the pointer has
    // left it a tick collapses the strip, the next movement restores the recorded size, and the
    // release records the new rectangle.
    void draggingWithAutoHide() {
        FakeWorld world;
        world.startAndTick(80);
        world.state.visi = 1;
        world.windows.pointer = {900, 10};
        world.form1.Form1_Timer1_Timer();
        QVERIFY(world.form1.isOpen());
        world.form1.Label_MouseDown();

        world.windows.pointer = {300, 400};
        world.form1.Form1_Timer1_Timer();
        QVERIFY(!world.form1.isOpen());
        world.form1.Label_MouseMove();
        QCOMPARE(world.windows.geometry(&world.form1), QRect(300 - 73, 400 - 10, 477, 23));
        world.form1.Form1_Timer2_Timer();
        QVERIFY2(!world.form1.stripColour().isValid(), "no strip while dragging");

        world.form1.Label_MouseUp();
        QCOMPARE(world.windows.geometry(&world.form1), QRect(227, 0, 477, 23));
        QCOMPARE(world.form1.mrcWindow.left, 227);
        QCOMPARE(world.form1.mbDragging, qint16(0));
    }
};

QTEST_MAIN(TestAutoHide)
#include "test_auto_hide.moc"
