#include "agent/character_stage.h"
#include "agent/window_shape.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>

using namespace parlavo;

namespace {

bool isOpaque(const QImage& image, QPoint at) {
    return qAlpha(image.pixel(at)) == 255;
}
bool isClear(const QImage& image, QPoint at) {
    return qAlpha(image.pixel(at)) == 0;
}

QList<QPoint> corners(const QImage& image) {
    const int right = image.width() - 1;
    const int bottom = image.height() - 1;
    return {{0, 0}, {right, 0}, {0, bottom}, {right, bottom}};
}

int pixelsOfColour(const QImage& image, QRgb colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += (image.pixel(x, y) & 0xffffff) == (colour & 0xffffff);
    return count;
}

QRect screenArea() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

} // namespace

// The bird's window and its balloon on the offscreen platform, with the real clock: the tests wait for
// motions to end on conditions, never for set times.
class CharacterWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void windowsStayOutOfTheWay() {
        SteadyClock clock;
        CharacterStage stage(clock);
        for (QWidget* window : {static_cast<QWidget*>(&stage.bird()), static_cast<QWidget*>(&stage.balloon())}) {
            const Qt::WindowFlags flags = window->windowFlags();
            QVERIFY(flags.testFlag(Qt::Tool));
            QVERIFY(flags.testFlag(Qt::FramelessWindowHint));
            QVERIFY(flags.testFlag(Qt::WindowStaysOnTopHint));
            QVERIFY(flags.testFlag(Qt::WindowDoesNotAcceptFocus));
            QVERIFY(window->testAttribute(Qt::WA_ShowWithoutActivating));
            QVERIFY(window->testAttribute(Qt::WA_TranslucentBackground));
        }
        QCOMPARE(stage.bird().windowTitle(), "Peedy");
        QCOMPARE(stage.balloon().windowTitle(), "Peedy balloon");
    }

    void birdIsOpaqueWithClearCorners() {
        SteadyClock clock;
        CharacterStage stage(clock);
        stage.appear();
        QTRY_VERIFY_WITH_TIMEOUT(!stage.bird().isAnimating(), 10000);
        for (qreal beak : {0.0, 1.0}) {
            stage.setBeakOpening(beak);
            const QImage picture = stage.bird().picture();
            QVERIFY(isOpaque(picture, picture.rect().center()));
            for (QPoint corner : corners(picture))
                QVERIFY(isClear(picture, corner));
            const QRegion mask = opaqueArea(picture);
            QVERIFY(mask.contains(picture.rect().center()));
            QVERIFY(!mask.contains(QPoint(0, 0)));
        }
        const QImage grab = stage.bird().grab().toImage();
        QVERIFY(isOpaque(grab, grab.rect().center()));
        QVERIFY(isClear(grab, QPoint(0, 0)));
    }

    void appearsAtTheBottomRightAndSettles() {
        SteadyClock clock;
        CharacterStage stage(clock);
        stage.appear();
        QVERIFY(stage.bird().isVisible());
        QCOMPARE(stage.bird().geometry().bottomRight(), screenArea().bottomRight());
        QVERIFY(stage.bird().isAnimating());
        QTRY_VERIFY_WITH_TIMEOUT(!stage.bird().isAnimating(), 10000);
        QCOMPARE(stage.bird().pose(), BirdPose{});
        QVERIFY(stage.bird().isBlinkPending()); // the only timer left while idle
    }

    void wavesThenRests() {
        SteadyClock clock;
        CharacterStage stage(clock);
        stage.appear();
        stage.wave();
        QTRY_VERIFY_WITH_TIMEOUT(stage.bird().pose().wingLift > 0.5, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(!stage.bird().isAnimating(), 10000);
        QCOMPARE(stage.bird().pose().wingLift, 0.0);
    }

    void disappearsAndStopsEverything() {
        SteadyClock clock;
        CharacterStage stage(clock);
        stage.appear();
        stage.showBalloon("Hola");
        stage.disappear();
        QVERIFY(!stage.balloon().isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!stage.bird().isVisible(), 10000);
        QVERIFY(!stage.bird().isAnimating());
        QVERIFY(!stage.bird().isBlinkPending());
    }

    void canBeDraggedWithTheBalloonAlong() {
        SteadyClock clock;
        CharacterStage stage(clock);
        stage.appear();
        stage.showBalloon("¿Qué tal?");
        const QPoint birdStart = stage.bird().pos();
        const QPoint balloonStart = stage.balloon().pos();
        const QPoint grip(60, 80);
        const QPoint step(-300, -200);
        QTest::mousePress(&stage.bird(), Qt::LeftButton, {}, grip);
        QMouseEvent drag(QEvent::MouseMove, QPointF(grip + step), QPointF(birdStart + grip + step), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&stage.bird(), &drag);
        QTest::mouseRelease(&stage.bird(), Qt::LeftButton, {}, grip + step);
        QCOMPARE(stage.bird().pos(), birdStart + step);
        QCOMPARE(stage.balloon().pos(), balloonStart + step);
    }

    void balloonShowsTheWholeLineAndMarksTheWord() {
        BalloonWindow balloon;
        const QString line = "El sábado por la mañana fuimos al mercado del barrio a comprar fruta, pan y queso";
        balloon.setLine(line);
        QCOMPARE(balloon.line(), line);
        const QImage plain = balloon.picture();
        QVERIFY(plain.height() > 3 * balloon.fontMetrics().height()); // wrapped over several rows
        QVERIFY(plain.width() < 320);
        QCOMPARE(pixelsOfColour(plain, 0xffd54f), 0);
        balloon.setHighlight(line.indexOf("mañana"), 6);
        QVERIFY(pixelsOfColour(balloon.picture(), 0xffd54f) > 50);
        for (QPoint corner : corners(plain))
            QVERIFY(isClear(plain, corner));
    }

    void balloonKeepsBlanks() {
        BalloonWindow balloon;
        balloon.setLine("uno dos");
        const int single = balloon.width();
        balloon.setLine("uno     dos ");
        QVERIFY(balloon.width() > single);
    }

    void balloonStandsBesideTheBird_data() {
        QTest::addColumn<bool>("birdAtLeftEdge");
        QTest::newRow("room on the left") << false;
        QTest::newRow("bird at the left edge") << true;
    }

    void balloonStandsBesideTheBird() {
        QFETCH(bool, birdAtLeftEdge);
        const QRect area(0, 0, 1600, 900);
        const QRect bird = birdAtLeftEdge ? QRect(0, 700, 132, 143) : QRect(1468, 757, 132, 143);
        BalloonWindow balloon;
        balloon.setLine("¡Hola!");
        balloon.placeBeside(bird, area);
        const QRect placed = balloon.geometry();
        QVERIFY(area.contains(placed));
        QVERIFY(placed.bottom() < bird.center().y());
        QCOMPARE(placed.center().x() < bird.center().x(), !birdAtLeftEdge);
    }
};

QTEST_MAIN(CharacterWindowsTest)
#include "test_character_windows.moc"
