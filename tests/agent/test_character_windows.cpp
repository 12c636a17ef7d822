#include "agent/bird/bird_painter.h"
#include "agent/bird/character_stage.h"
#include "agent/bird/window_shape.h"

#include <QPainter>
#include <QTest>

using namespace parlavo;

namespace {

// Drawn at the centre, fully transparent in the four corners.
bool showsOnlyInTheMiddle(const QImage& image) {
    const QRect all = image.rect();
    const auto alpha = [&image](QPoint at) {
        return qAlpha(image.pixel(at));
    };
    return alpha(all.center()) == 255 &&
           (alpha(all.topLeft()) | alpha(all.topRight()) | alpha(all.bottomLeft()) | alpha(all.bottomRight())) == 0;
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
        // Neither may take the focus from the caption strip, even where the window manager lets them.
        QVERIFY(bird.testAttribute(Qt::WA_ShowWithoutActivating) &&
                stage.balloon().testAttribute(Qt::WA_ShowWithoutActivating));

        stage.setBeakOpening(1.0);
        const QImage grab = bird.grab().toImage();
        const QRegion mask = opaqueArea(grab);
        QVERIFY(showsOnlyInTheMiddle(grab) && mask.contains(grab.rect().center()) && !mask.contains(QPoint(0, 0)));

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

    // The window keeps the bird's still layers as pictures and redraws only what a new pose changes: every frame of a
    // motion must equal the bird drawn whole, no change may reach outside the area redrawn for it, and the eyes,
    // which the window's outline ignores, must never change which pixels are transparent.
    void keptLayersAndPartialRedrawsShowTheWholeBird() {
        struct HandClock final : Clock {
            qint64 now = 0;
            qint64 nowMs() const override { return now; }
        } clock;
        BirdWindow bird(clock);
        const auto draw = [&bird](const BirdPose& pose) {
            QImage image(bird.size(), QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            paintBird(painter, bird.rect(), pose);
            return image;
        };
        bird.appear();
        for (const qint64 at : {100, 300, 1000, -1, 1100, 1300, 1500}) {
            if (at < 0) {
                bird.wave();
                continue;
            }
            clock.now = at;
            bird.setBeakOpening(at % 700 / 700.0);
            QTRY_COMPARE(bird.picture(), draw(bird.pose())); // the next frame shows the pose of the moment
            QCOMPARE(bird.grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied), bird.picture());
            // A redraw of the beak alone comes from the beak frames kept by opening: drawn, then kept.
            const BirdPose pose = bird.pose();
            const QRect beak = changedArea(bird.rect(), {pose.size, 1.0, 0.0, 0.0}, {pose.size, 1.0, 1.0, 0.0});
            for (int time = 0; time < 2; ++time) {
                QImage corner(bird.size(), QImage::Format_ARGB32_Premultiplied);
                corner.fill(Qt::transparent);
                bird.render(&corner, beak.topLeft(), QRegion(beak));
                QCOMPARE(corner.copy(beak), bird.picture().copy(beak));
            }
        }
        const QList<std::pair<BirdPose, BirdPose>> changes = {
            {{0.3, 1.0, 0.0, 0.0}, {0.3, 1.0, 1.0, 0.0}}, {{1.0, 1.0, 0.0, 0.0}, {1.0, 1.0, 1.0, 0.0}},
            {{1.2, 1.0, 0.0, 0.0}, {1.2, 1.0, 1.0, 0.0}}, {{1.0, 1.0, 0.2, 0.0}, {1.0, 0.0, 0.2, 0.0}},
            {{1.0, 1.0, 0.0, 0.0}, {1.0, 1.0, 0.0, 1.0}}, {{1.0, 1.0, 0.0, 0.6}, {1.0, 1.0, 0.0, 0.9}},
            {{1.1, 0.5, 0.3, 0.7}, {1.1, 1.0, 0.6, 0.2}}, {{1.0, 1.0, 0.0, 0.0}, {0.8, 1.0, 0.0, 0.0}}};
        for (const auto& [before, after] : changes) {
            const QImage from = draw(before);
            const QImage to = draw(after);
            const QRect area = changedArea(bird.rect(), before, after);
            for (int y = 0; y < from.height(); ++y)
                for (int x = 0; x < from.width(); ++x)
                    QVERIFY2(from.pixel(x, y) == to.pixel(x, y) || area.contains(x, y),
                             qPrintable(QStringLiteral("size %1 at %2,%3").arg(after.size).arg(x).arg(y)));
            QCOMPARE(opaqueArea(draw({after.size, 0.0, 1.0, 0.7})), opaqueArea(draw({after.size, 1.0, 1.0, 0.7})));
            // The outline is the union of the body's and the open beak's.
            QImage body(bird.size(), QImage::Format_ARGB32_Premultiplied), beak = body;
            body.fill(Qt::transparent);
            beak.fill(Qt::transparent);
            QPainter bodyPainter(&body), beakPainter(&beak);
            paintBirdBack(bodyPainter, bird.rect(), after);
            paintBirdFront(bodyPainter, bird.rect(), after);
            paintBirdBeak(beakPainter, bird.rect(), {after.size, 1.0, 1.0, 0.0});
            const QRegion outline = opaqueArea(draw({after.size, after.eyesOpen, 1.0, after.wingLift}));
            QVERIFY((opaqueArea(body) + opaqueArea(beak)).xored(outline).isEmpty());
        }
    }

    void balloonShowsTheLineBesideTheBird() {
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

        // On the bird's left where there is room, else on its right; above its middle and on the screen either way.
        const QRect area(0, 0, 1600, 900);
        for (const QRect bird : {QRect(1468, 757, 132, 143), QRect(0, 700, 132, 143)}) {
            balloon.placeBeside(bird, area);
            const QRect placed = balloon.geometry();
            QVERIFY(area.contains(placed) && placed.bottom() < bird.center().y());
            QCOMPARE(placed.center().x() < bird.center().x(), bird.left() > 0);
        }
    }
};

QTEST_MAIN(CharacterWindowsTest)
#include "test_character_windows.moc"
