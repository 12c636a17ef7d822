#include "agent/character_stage.h"
#include "agent/window_shape.h"

#include <QTest>

using namespace parlavo;

namespace {

// Drawn at the centre, fully transparent in the four corners.
bool showsOnlyInTheMiddle(const QImage& image) {
    const QRect all = image.rect();
    bool clear = true;
    for (QPoint corner : {all.topLeft(), all.topRight(), all.bottomLeft(), all.bottomRight()})
        clear = clear && qAlpha(image.pixel(corner)) == 0;
    return clear && qAlpha(image.pixel(all.center())) == 255;
}

} // namespace

// The bird's window and its balloon on the offscreen platform, with the real clock: the tests wait for motions to
// end on conditions, never for set times. How the windows behave on a real X server is x11_windows.sh's part.
class CharacterWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void birdAppearsWavesAndGoes() {
        SteadyClock clock;
        CharacterStage stage(clock);
        BirdWindow& bird = stage.bird();
        stage.appear();
        QVERIFY(bird.isVisible() && bird.isAnimating());
        QTRY_VERIFY_WITH_TIMEOUT(!bird.isAnimating(), 10000);
        QCOMPARE(bird.pose(), BirdPose{});
        QVERIFY(bird.isBlinkPending()); // the only timer left while idle
        // Neither window may take the focus from the caption strip when shown; where the window manager does not
        // see to that (x11_windows.sh checks that it does), only this attribute does.
        QVERIFY(bird.testAttribute(Qt::WA_ShowWithoutActivating) &&
                stage.balloon().testAttribute(Qt::WA_ShowWithoutActivating));

        for (qreal beak : {0.0, 1.0}) {
            stage.setBeakOpening(beak);
            const QImage grab = bird.grab().toImage();
            QVERIFY(showsOnlyInTheMiddle(grab));
            const QRegion mask = opaqueArea(grab);
            QVERIFY(mask.contains(grab.rect().center()) && !mask.contains(QPoint(0, 0)));
        }

        stage.wave();
        QTRY_VERIFY_WITH_TIMEOUT(bird.pose().wingLift > 0.5, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(!bird.isAnimating(), 10000);
        QCOMPARE(bird.pose().wingLift, 0.0);

        stage.showBalloon("Hola");
        stage.disappear();
        QVERIFY(!stage.balloon().isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!bird.isVisible(), 10000);
        QVERIFY(!bird.isAnimating() && !bird.isBlinkPending());
    }

    void balloonShowsTheWholeLineAndMarksTheWord() {
        BalloonWindow balloon;
        balloon.setLine("uno dos");
        const int narrow = balloon.width();
        balloon.setLine("uno     dos ");
        QVERIFY(balloon.width() > narrow); // blanks kept as they are

        const QString line = "El sábado por la mañana fuimos al mercado del barrio a comprar fruta, pan y queso";
        balloon.setLine(line);
        const QImage plain = balloon.picture();
        QVERIFY(plain.height() > 3 * balloon.fontMetrics().height()); // wrapped over several rows
        QVERIFY(plain.width() < 320);
        QVERIFY(showsOnlyInTheMiddle(balloon.grab().toImage()));
        balloon.setHighlight(line.indexOf("mañana"), 6);
        QVERIFY(balloon.picture() != plain);
        balloon.setHighlight(0, 0);
        QCOMPARE(balloon.picture(), plain);
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
