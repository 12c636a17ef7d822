#include "agent/bird/bird_painter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace parlavo {

namespace {

const QColor kOutline(0x1e, 0x3a, 0x5f);
const QColor kFeatherLight(0x8c, 0xcb, 0xf0);
const QColor kFeatherDark(0x3c, 0x8d, 0xcb);
const QColor kFeatherDeep(0x2e, 0x86, 0xc1);
const QColor kBelly(0xff, 0xf3, 0xd6);
const QColor kBeak(0xf5, 0xa3, 0x3a);
const QColor kBeakOutline(0xb3, 0x5e, 0x00);
const QColor kMouth(0x9b, 0x2d, 0x30);
const QColor kPupil(0x1b, 0x2a, 0x3a);
const QColor kCheek(0xff, 0x8a, 0x9a, 0x90);

// Where the bird stands: size changes grow and shrink it about this point.
constexpr QPointF kFeet(60.0, 128.0);

QPen outlinePen(const QColor& color, qreal width = 2.2) {
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QPainterPath feather(QPointF base, qreal length, qreal width, qreal angleDegrees) {
    QPainterPath path;
    path.addEllipse(QPointF(0.0, -length / 2.0), width / 2.0, length / 2.0);
    QTransform turn;
    turn.translate(base.x(), base.y());
    turn.rotate(angleDegrees);
    return turn.map(path);
}

void paintTailAndFeet(QPainter& painter) {
    painter.setPen(outlinePen(kOutline));
    painter.setBrush(kFeatherDeep);
    painter.drawPath(feather({86.0, 98.0}, 30.0, 12.0, 60.0));
    painter.drawPath(feather({86.0, 102.0}, 28.0, 11.0, 80.0));

    painter.setPen(outlinePen(kBeakOutline, 3.0));
    for (const qreal x : {50.0, 70.0}) {
        painter.drawLine(QPointF(x, 112.0), QPointF(x, 122.0));
        for (const qreal toe : {-6.0, 0.0, 6.0})
            painter.drawLine(QPointF(x, 122.0), QPointF(x + toe, 126.0));
    }
}

void paintBody(QPainter& painter) {
    QPainterPath body;
    body.addEllipse(QPointF(60.0, 84.0), 34.0, 32.0);
    QPainterPath head;
    head.addEllipse(QPointF(60.0, 50.0), 28.0, 28.0);

    painter.setPen(outlinePen(kOutline));
    painter.setBrush(kFeatherDeep);
    for (const qreal angle : {-25.0, 0.0, 25.0})
        painter.drawPath(feather({60.0, 26.0}, 18.0, 8.0, angle));

    QLinearGradient shade(QPointF(0.0, 22.0), QPointF(0.0, 116.0));
    shade.setColorAt(0.0, kFeatherLight);
    shade.setColorAt(1.0, kFeatherDark);
    painter.setBrush(shade);
    painter.drawPath(body.united(head));

    painter.setPen(Qt::NoPen);
    painter.setBrush(kBelly);
    painter.drawEllipse(QPointF(60.0, 92.0), 22.0, 21.0);
    painter.setBrush(kCheek);
    painter.drawEllipse(QPointF(40.0, 60.0), 5.5, 4.0);
    painter.drawEllipse(QPointF(80.0, 60.0), 5.5, 4.0);
}

void paintFarWing(QPainter& painter) {
    painter.setPen(outlinePen(kOutline));
    painter.setBrush(kFeatherDeep);
    painter.drawPath(feather({86.0, 72.0}, 36.0, 17.0, 200.0)); // resting at the far side
}

// The near wing swings up from the shoulder to wave.
QPainterPath nearWing(qreal lift) {
    return feather({33.0, 74.0}, 36.0, 17.0, 165.0 - lift * 210.0);
}

void paintNearWing(QPainter& painter, qreal lift) {
    painter.setPen(outlinePen(kOutline));
    painter.setBrush(kFeatherDeep);
    painter.drawPath(nearWing(lift));
}

void paintEyes(QPainter& painter, qreal open) {
    for (const qreal x : {49.0, 71.0}) {
        const QPointF centre(x, 46.0);
        if (open < 0.2) {
            painter.setPen(outlinePen(kPupil, 2.4));
            painter.setBrush(Qt::NoBrush);
            painter.drawArc(QRectF(x - 7.0, 42.0, 14.0, 8.0), 200 * 16, 140 * 16);
            continue;
        }
        QPainterPath white;
        white.addEllipse(centre, 9.0, 10.5 * open);
        painter.setPen(outlinePen(kOutline, 1.6));
        painter.setBrush(Qt::white);
        painter.drawPath(white);

        painter.save();
        painter.setClipPath(white, Qt::IntersectClip); // within any clip the caller set
        painter.setPen(Qt::NoPen);
        painter.setBrush(kPupil);
        painter.drawEllipse(centre + QPointF(-2.0, 2.0), 5.5, 6.0);
        painter.setBrush(Qt::white);
        painter.drawEllipse(centre + QPointF(-3.5, -0.5), 2.0, 2.0);
        painter.restore();
    }
}

void paintBeak(QPainter& painter, qreal open) {
    const qreal drop = 10.0 * open;
    painter.setPen(outlinePen(kBeakOutline, 1.8));

    QPainterPath lower;
    lower.moveTo(52.0, 60.0);
    lower.quadTo(60.0, 70.0 + drop, 68.0, 60.0);
    lower.closeSubpath();
    painter.setBrush(kBeak.darker(115));
    painter.drawPath(lower);

    if (open > 0.05) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(kMouth);
        painter.drawEllipse(QPointF(60.0, 61.0 + drop * 0.4), 5.0, 1.0 + drop * 0.45);
        painter.setPen(outlinePen(kBeakOutline, 1.8));
    }

    QPainterPath upper;
    upper.moveTo(50.0, 58.0);
    upper.quadTo(60.0, 51.0, 70.0, 58.0);
    upper.quadTo(64.0, 62.0, 60.0, 68.0 - drop * 0.3);
    upper.quadTo(56.0, 62.0, 50.0, 58.0);
    painter.setBrush(kBeak);
    painter.drawPath(upper);
}

// Maps the bird's logical units into the target, grown or shrunk about its feet.
QTransform birdPlacement(const QRectF& target, const BirdPose& pose) {
    QTransform placement;
    placement.translate(target.left(), target.top());
    placement.scale(target.width() / kBirdArea.width(), target.height() / kBirdArea.height());
    placement.translate(kFeet.x(), kFeet.y());
    placement.scale(pose.size, pose.size);
    placement.translate(-kFeet.x(), -kFeet.y());
    return placement;
}

// Runs paint with the painter on the bird's own units, smoothed; a bird of no size draws nothing.
template <typename Paint> void paintPlaced(QPainter& painter, const QRectF& target, const BirdPose& pose, Paint paint) {
    if (pose.size <= 0.0)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setWorldTransform(birdPlacement(target, pose), true);
    paint();
    painter.restore();
}

// What a part may cover, its outline's width and a pixel of smoothing included: the beak at any opening, the
// eyes open or shut, the near wing at one lift.
constexpr qreal kEdgeMargin = 2.5;
const QRectF kBeakBounds(47.0, 49.0, 26.0, 25.0);
const QRectF kEyesBounds(37.0, 33.0, 46.0, 26.0);
QRectF nearWingBounds(qreal lift) {
    return nearWing(lift).boundingRect().adjusted(-kEdgeMargin, -kEdgeMargin, kEdgeMargin, kEdgeMargin);
}

} // namespace

void paintBirdBack(QPainter& painter, const QRectF& target, const BirdPose& pose) {
    paintPlaced(painter, target, pose, [&painter] {
        paintTailAndFeet(painter);
        paintBody(painter);
        paintFarWing(painter);
    });
}

void paintBirdFront(QPainter& painter, const QRectF& target, const BirdPose& pose) {
    paintPlaced(painter, target, pose, [&painter, &pose] {
        paintNearWing(painter, pose.wingLift);
        paintEyes(painter, pose.eyesOpen);
    });
}

void paintBirdBeak(QPainter& painter, const QRectF& target, const BirdPose& pose) {
    paintPlaced(painter, target, pose, [&painter, &pose] { paintBeak(painter, pose.beakOpen); });
}

void paintBird(QPainter& painter, const QRectF& target, const BirdPose& pose) {
    paintBirdBack(painter, target, pose);
    paintBirdFront(painter, target, pose);
    paintBirdBeak(painter, target, pose);
}

QRect changedArea(const QRectF& target, const BirdPose& before, const BirdPose& after) {
    if (before.size != after.size)
        return target.toAlignedRect();
    QRectF changed;
    if (before.wingLift != after.wingLift)
        changed = nearWingBounds(before.wingLift) | nearWingBounds(after.wingLift);
    if (before.eyesOpen != after.eyesOpen)
        changed |= kEyesBounds;
    if (before.beakOpen != after.beakOpen)
        changed |= kBeakBounds;
    if (changed.isEmpty())
        return {};
    return birdPlacement(target, after).mapRect(changed).toAlignedRect();
}

} // namespace parlavo
