#include "caption/caption_label.h"
#include "tests/support/fake_services.h"

#include <QLabel>
#include <QTest>

using namespace parlavo;
using parlavo::test::FakeWorld;

namespace {

constexpr int kScreenTwips = 1920 * 15;

} // namespace

class TestDrag : public QObject {
    Q_OBJECT

private slots:
    // The grab and every move use the pointer as the last Timer1 tick sampled it, not as it is now.
    void dragFollowsTheSamples() {
        FakeWorld world;
        world.startAndTick(80);
        world.windows.pointer = {900, 12};
        world.form1.Form1_Timer1_Timer();
        world.form1.Label_MouseMove();
        QCOMPARE(world.windows.geometry(&world.form1).topLeft(), QPoint(827, 0)); // no press, no move

        world.windows.pointer = {950, 5};
        world.form1.Label_MouseDown();
        QCOMPARE(world.form1.mbDragging, qint16(-1));
        QCOMPARE(world.form1.mlngGrabX, 73);
        QCOMPARE(world.form1.mlngGrabY, 12);

        world.windows.pointer = {500, 700};
        world.form1.Label_MouseMove();
        QCOMPARE(world.windows.geometry(&world.form1).topLeft(), QPoint(827, 0));
        world.form1.Form1_Timer1_Timer();
        world.form1.Label_MouseMove();
        QCOMPARE(world.windows.geometry(&world.form1), QRect(427, 688, 477, 23));
    }

    void releaseClampsIntoTheScreen_data() {
        QTest::addColumn<int>("leftTwips");
        QTest::addColumn<int>("expectedPixels");
        QTest::newRow("left of the screen") << -300 << 0;
        QTest::newRow("too far right") << kScreenTwips - 7000 << (kScreenTwips - 7110) / 15;
        QTest::newRow("exactly at the limit") << kScreenTwips - 7110 << (kScreenTwips - 7110) / 15;
        QTest::newRow("inside") << 6000 << 400;
    }
    void releaseClampsIntoTheScreen() {
        QFETCH(int, leftTwips);
        QFETCH(int, expectedPixels);
        FakeWorld world;
        world.startAndTick(80);
        world.form1.Label_MouseDown();
        world.windows.MoveWindow(&world.form1, leftTwips / 15, 500, 477, 23);
        world.form1.Label_MouseUp();
        QCOMPARE(world.windows.geometry(&world.form1), QRect(expectedPixels, 0, 477, 23));
        QCOMPARE(world.form1.mrcWindow.left, expectedPixels);
        QCOMPARE(world.form1.mrcWindow.bottom, 23);
    }

    // A plain click still releases: a collapsed strip opens and its rectangle is recorded again.
    void clickWithoutMovementRestoresTheOpenStrip() {
        FakeWorld world;
        world.startAndTick(80);
        world.form1.setHeight(Form1::kCollapsedHeightTwips);
        world.form1.mrcWindow = {};
        world.form1.Label_MouseDown();
        world.form1.Label_MouseUp();
        QVERIFY(world.form1.isOpen());
        QCOMPARE(world.form1.mrcWindow.right, 827 + 477);
    }

    void everyButtonAndEveryLabelDrags_data() {
        QTest::addColumn<int>("label");
        QTest::addColumn<int>("button");
        QTest::newRow("left on the Spanish line") << 1 << int(Qt::LeftButton);
        QTest::newRow("right on the English line") << 2 << int(Qt::RightButton);
        QTest::newRow("middle on the top strip") << 3 << int(Qt::MiddleButton);
        QTest::newRow("right on the picture patch") << 4 << int(Qt::RightButton);
    }
    void everyButtonAndEveryLabelDrags() {
        QFETCH(int, label);
        QFETCH(int, button);
        FakeWorld world;
        world.startAndTick(80);
        QWidget* labels[] = {world.form1.Label1, world.form1.Label2, world.form1.Label3, world.form1.Label4};
        QWidget* target = labels[label - 1];
        world.windows.pointer = {900, 10};
        world.form1.Form1_Timer1_Timer();
        QTest::mousePress(target, Qt::MouseButton(button), {}, QPoint(1, 1));
        QCOMPARE(world.form1.mbDragging, qint16(-1));
        world.windows.pointer = {600, 300};
        world.form1.Form1_Timer1_Timer();
        QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), QPointF(2, 2), Qt::NoButton, Qt::MouseButton(button), {});
        QCoreApplication::sendEvent(target, &move);
        QCOMPARE(world.windows.geometry(&world.form1).topLeft(), QPoint(600 - 73, 300 - 10));
        QTest::mouseRelease(target, Qt::MouseButton(button), {}, QPoint(2, 2));
        QCOMPARE(world.form1.mbDragging, qint16(0));
        QCOMPARE(world.windows.geometry(&world.form1).topLeft(), QPoint(527, 0));
    }
};

QTEST_MAIN(TestDrag)
#include "test_drag.moc"
