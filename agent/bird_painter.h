#pragma once

#include "agent/bird_animator.h"

#include <QRectF>
#include <QSizeF>

class QPainter;

namespace parlavo {

// Draws the bird, our own round blue cartoon, in a box of kBirdArea logical units scaled to fit the target.
// Everything outside the bird is left untouched, so a transparent target stays transparent around it.
void paintBird(QPainter& painter, const QRectF& target, const BirdPose& pose);

inline constexpr QSizeF kBirdArea{120.0, 130.0};

} // namespace parlavo
