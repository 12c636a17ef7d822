#pragma once

#include "agent/bird/bird_animator.h"

#include <QRect>
#include <QRectF>
#include <QSizeF>

class QPainter;

namespace parlavo {

// Draws the bird, our own round blue cartoon, in a box of kBirdArea logical units scaled to fit the target.
// Everything outside the bird is left untouched, so a transparent target stays transparent around it.
void paintBird(QPainter& painter, const QRectF& target, const BirdPose& pose);

// The same in three layers, each on top of the one before: the back (tail, feet, body and far wing), which only the
// size changes; the front (near wing and eyes), which waves and blinks change; and the beak, which moves while the
// bird speaks. A window can keep the first two as pictures and draw only what moves.
void paintBirdBack(QPainter& painter, const QRectF& target, const BirdPose& pose);
void paintBirdFront(QPainter& painter, const QRectF& target, const BirdPose& pose);
void paintBirdBeak(QPainter& painter, const QRectF& target, const BirdPose& pose);
// The pixels of the target that may differ between two poses, so a window can redraw only those.
QRect changedArea(const QRectF& target, const BirdPose& before, const BirdPose& after);

inline constexpr QSizeF kBirdArea{120.0, 130.0};

} // namespace parlavo
