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
    // The grab and every move use the pointer as the last pointerTimer tick sampled it, not as it is now.
    void dragFollowsTheSamples() {
        FakeWorld world;
        world.startAndTick(80);
        world.windows.pointer = {900, 12};
        world.strip.onPointerTick();
        world.strip.followDrag();
        QCOMPARE(world.windows.geometry(&world.strip).topLeft(), QPoint(827, 0)); // no press, no move

        world.windows.pointer = {950, 5};
        world.strip.beginDrag();
        QVERIFY(world.strip.dragging);
        QCOMPARE(world.strip.grabOffset.x, 73);
        QCOMPARE(world.strip.grabOffset.y, 12);

        world.windows.pointer = {500, 700};
        world.strip.followDrag();
        QCOMPARE(world.windows.geometry(&world.strip).topLeft(), QPoint(827, 0));
        world.strip.onPointerTick();
        world.strip.followDrag();
        QCOMPARE(world.windows.geometry(&world.strip), QRect(427, 688, 477, 23));
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
        world.strip.beginDrag();
        world.windows.moveWindow(&world.strip, leftTwips / 15, 500, 477, 23);
        world.strip.endDrag();
        QCOMPARE(world.windows.geometry(&world.strip), QRect(expectedPixels, 0, 477, 23));
        QCOMPARE(world.strip.recordedRect.left, expectedPixels);
        QCOMPARE(world.strip.recordedRect.bottom, 23);
    }

    // A plain click still releases: a collapsed strip opens and its rectangle is recorded again.
    void clickWithoutMovementRestoresTheOpenStrip() {
        FakeWorld world;
        world.startAndTick(80);
        world.strip.setHeightTwips(CaptionStrip::kCollapsedHeightTwips);
        world.strip.recordedRect = {};
        world.strip.beginDrag();
        world.strip.endDrag();
        QVERIFY(world.strip.isOpen());
        QCOMPARE(world.strip.recordedRect.right, 827 + 477);
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
        QWidget* labels[] = {world.strip.spanishLine, world.strip.englishLine, world.strip.topEdgeBand,
                             world.strip.menuPatch};
        QWidget* target = labels[label - 1];
        world.windows.pointer = {900, 10};
        world.strip.onPointerTick();
        QTest::mousePress(target, Qt::MouseButton(button), {}, QPoint(1, 1));
        QVERIFY(world.strip.dragging);
        world.windows.pointer = {600, 300};
        world.strip.onPointerTick();
        QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), QPointF(2, 2), Qt::NoButton, Qt::MouseButton(button), {});
        QCoreApplication::sendEvent(target, &move);
        QCOMPARE(world.windows.geometry(&world.strip).topLeft(), QPoint(600 - 73, 300 - 10));
        QTest::mouseRelease(target, Qt::MouseButton(button), {}, QPoint(2, 2));
        QVERIFY(!world.strip.dragging);
        QCOMPARE(world.windows.geometry(&world.strip).topLeft(), QPoint(527, 0));
    }
};

QTEST_MAIN(TestDrag)
#include "test_drag.moc"
