#pragma once

#include <QtGlobal>

namespace parlavo {

// Everything about the bird that moves, for one frame.
struct BirdPose {
    qreal size = 1.0;     // 0 not there .. 1 full size; overshoots a little while popping up
    qreal eyesOpen = 1.0; // 0 shut .. 1 open
    qreal beakOpen = 0.0; // 0 shut .. 1 wide open
    qreal wingLift = 0.0; // 0 resting .. 1 raised high

    bool operator==(const BirdPose&) const = default;
};

// The bird's motions over time. Plain arithmetic on the clock's milliseconds, so frames can be asked for
// any moment; the window draws them while isMoving() is true and stops its timer otherwise.
class BirdAnimator {
public:
    enum class Motion { Appear, Disappear, Blink, Wave };

    static constexpr qint64 kAppearMs = 450;
    static constexpr qint64 kDisappearMs = 350;
    static constexpr qint64 kBlinkMs = 200;

    static qint64 durationOf(Motion motion);

    // Appearing and disappearing cancel each other and everything else under way.
    void start(Motion motion, qint64 nowMs);
    void setBeakOpening(qreal opening) { beakOpen_ = opening; }

    BirdPose poseAt(qint64 nowMs) const;
    bool isMoving(qint64 nowMs) const;
    // True once a disappearance has run its course.
    bool isGone(qint64 nowMs) const;

private:
    // Progress 0..1 of a motion started at the given moment, or -1 when it is not under way.
    static qreal progress(qint64 startMs, Motion motion, qint64 nowMs);

    qint64 appearStartMs_ = -1;
    qint64 disappearStartMs_ = -1;
    qint64 blinkStartMs_ = -1;
    qint64 waveStartMs_ = -1;
    qreal beakOpen_ = 0.0;
};

} // namespace parlavo
