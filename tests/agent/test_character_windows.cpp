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

// draw(SIZE, pose, painters...): a transparent picture with the bird's layers painted on it.
template <typename... Painters> QImage draw(QSize size, const BirdPose& pose, Painters... painters) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    (painters(painter, QRectF(QPointF(), size), pose), ...);
    return image;
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
        stage.setBeakOpening(1.0);
        const QImage grab = bird.grab().toImage();
        const QRegion mask = opaqueArea(grab);
        QVERIFY(showsOnlyInTheMiddle(grab) && mask.contains(grab.rect().center()) && !mask.contains(QPoint(0, 0)));
        stage.wave();
        QTRY_VERIFY_WITH_TIMEOUT(bird.pose().wingLift > 0.5, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(!bird.isAnimating(), 10000);
        QCOMPARE(bird.pose().wingLift, 0.0);
        QSet<QRgb> papers; // each speaker's balloon has paper of its own colour
        for (const Speaker speaker : {Speaker::Bird, Speaker::Woman, Speaker::Man}) {
            stage.setBalloonSpeaker(speaker);
            stage.showBalloon("Hola");
            papers << stage.balloon().picture().pixel(stage.balloon().width() / 2, 4);
        }
        QCOMPARE(papers.size(), 3);
        stage.disappear();
        QVERIFY(!stage.balloon().isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!bird.isVisible(), 10000);
        QVERIFY(!bird.isAnimating() && !bird.isBlinkPending());
    }

    // The window keeps the bird's still layers and beak frames as pictures and redraws only what a new pose changes:
    // every frame of a motion must equal the bird drawn whole, and no change may reach outside the area redrawn for
    // it. Its outline, the body's and the open beak's, must match the whole bird's, which the eyes never change.
    void keptLayersAndPartialRedrawsShowTheWholeBird() {
        struct HandClock final : Clock {
            qint64 now = 0;
            qint64 nowMs() const override { return now; }
        } clock;
        BirdWindow bird(clock);
        const QSize size = bird.size();
        bird.appear();
        for (const qint64 at : {100, 300, 1000, -1, 1100, 1300, 1500}) {
            if (at < 0) {
                bird.wave();
                continue;
            }
            clock.now = at;
            bird.setBeakOpening(at % 700 / 700.0);
            QTRY_COMPARE(bird.picture(), draw(size, bird.pose(), paintBird));
            QCOMPARE(bird.grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied), bird.picture());
            const BirdPose pose = bird.pose();
            const QRect beak = changedArea(bird.rect(), {pose.size, 1.0, 0.0, 0.0}, {pose.size, 1.0, 1.0, 0.0});
            for (int time = 0; time < 2; ++time) { // the beak's frame drawn, then kept
                QImage corner(size, QImage::Format_ARGB32_Premultiplied);
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
            const QImage from = draw(size, before, paintBird);
            const QImage to = draw(size, after, paintBird);
            const QRect area = changedArea(bird.rect(), before, after);
            for (int y = 0; y < from.height(); ++y)
                for (int x = 0; x < from.width(); ++x)
                    QVERIFY2(from.pixel(x, y) == to.pixel(x, y) || area.contains(x, y),
                             qPrintable(QStringLiteral("size %1 at %2,%3").arg(after.size).arg(x).arg(y)));
            const BirdPose open{after.size, 1.0, 1.0, after.wingLift};
            QCOMPARE(opaqueArea(draw(size, {after.size, 0.0, 1.0, after.wingLift}, paintBird)),
                     opaqueArea(draw(size, open, paintBird)));
            const QRegion layers = opaqueArea(draw(size, after, paintBirdBack, paintBirdFront)) +
                                   opaqueArea(draw(size, {after.size, 1.0, 1.0, 0.0}, paintBirdBeak));
            QVERIFY(layers.xored(opaqueArea(draw(size, open, paintBird))).isEmpty());
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
        QVERIFY(plain.height() > 3 * balloon.fontMetrics().height() && plain.width() < 320); // wrapped
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
