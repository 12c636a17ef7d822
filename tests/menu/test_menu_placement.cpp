#include "menu/menu_placement.h"

#include <QTest>

using namespace parlavo;

class TestMenuPlacement : public QObject {
    Q_OBJECT

private slots:
    void popupHangsLeftFromItsAnchor_data() {
        QTest::addColumn<int>("ownerLeft");
        QTest::addColumn<int>("ownerTop");
        QTest::addColumn<int>("anchorX");
        QTest::addColumn<int>("anchorY");
        QTest::addColumn<QSize>("popupSize");
        QTest::addColumn<double>("twipsPerPixel");
        QTest::addColumn<QPoint>("expected");

        // 7110 twips is 474 px; 350 twips is 23.3 px and rounds down to 23.
        QTest::newRow("strip at its first-run place")
            << 827 << 0 << 7110 << 350 << QSize(146, 136) << 15.0 << QPoint(1155, 23);
        QTest::newRow("strip at the left edge") << 0 << 0 << 7110 << 350 << QSize(146, 136) << 15.0 << QPoint(328, 23);
        QTest::newRow("owner lower on the screen")
            << 100 << 200 << 7110 << 350 << QSize(100, 50) << 15.0 << QPoint(474, 223);
        QTest::newRow("popup wider than the anchor's offset")
            << 0 << 0 << 7110 << 350 << QSize(500, 50) << 15.0 << QPoint(-26, 23);
        // 7110 / 12 is 592.5: a half pixel goes to the even neighbour.
        QTest::newRow("120 dpi screen") << 0 << 0 << 7110 << 350 << QSize(100, 50) << 12.0 << QPoint(492, 29);
    }

    void popupHangsLeftFromItsAnchor() {
        QFETCH(int, ownerLeft);
        QFETCH(int, ownerTop);
        QFETCH(int, anchorX);
        QFETCH(int, anchorY);
        QFETCH(QSize, popupSize);
        QFETCH(double, twipsPerPixel);
        QFETCH(QPoint, expected);

        const PixelRect owner{ownerLeft, ownerTop, ownerLeft + 477, ownerTop + 23};
        QCOMPARE(rightAlignedPopupPosition(owner, {anchorX, anchorY}, popupSize, twipsPerPixel, twipsPerPixel),
                 expected);
    }

    void windowIsCentredOnTheScreen_data() {
        QTest::addColumn<QSize>("screenPixels");
        QTest::addColumn<QSize>("windowSize");
        QTest::addColumn<QPoint>("expected");

        QTest::newRow("full HD") << QSize(1920, 1080) << QSize(210, 280) << QPoint(855, 400);
        QTest::newRow("small screen") << QSize(800, 600) << QSize(210, 280) << QPoint(295, 160);
        QTest::newRow("odd leftover truncates") << QSize(1025, 769) << QSize(210, 280) << QPoint(407, 244);
        QTest::newRow("window larger than the screen") << QSize(200, 200) << QSize(210, 280) << QPoint(-5, -40);
    }

    void windowIsCentredOnTheScreen() {
        QFETCH(QSize, screenPixels);
        QFETCH(QSize, windowSize);
        QFETCH(QPoint, expected);

        QCOMPARE(centredOnScreen(screenPixels.width() * 15, screenPixels.height() * 15, windowSize, 15.0, 15.0),
                 expected);
    }
};

QTEST_APPLESS_MAIN(TestMenuPlacement)
#include "test_menu_placement.moc"
