#include "agent/bird/bird_animator.h"

#include "agent/bird/stage.h"

#include <QtMath>

#include <algorithm>

namespace parlavo {

namespace {

// Rises past the target and settles back, like something popping up.
qreal easeOutBack(qreal t) {
    constexpr qreal overshoot = 1.70158;
    const qreal u = t - 1.0;
    return 1.0 + (overshoot + 1.0) * u * u * u + overshoot * u * u;
}

qreal smoothStep(qreal edge0, qreal edge1, qreal x) {
    const qreal t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}

} // namespace

qint64 BirdAnimator::durationOf(Motion motion) {
    switch (motion) {
    case Motion::Appear:
        return kAppearMs;
    case Motion::Disappear:
        return kDisappearMs;
    case Motion::Blink:
        return kBlinkMs;
    case Motion::Wave:
        return kWaveMs;
    }
    return 0;
}

void BirdAnimator::start(Motion motion, qint64 nowMs) {
    switch (motion) {
    case Motion::Appear:
    case Motion::Disappear:
        *this = BirdAnimator{};
        (motion == Motion::Appear ? appearStartMs_ : disappearStartMs_) = nowMs;
        break;
    case Motion::Blink:
        blinkStartMs_ = nowMs;
        break;
    case Motion::Wave:
        waveStartMs_ = nowMs;
        break;
    }
}

qreal BirdAnimator::progress(qint64 startMs, Motion motion, qint64 nowMs) {
    if (startMs < 0 || nowMs - startMs >= durationOf(motion))
        return -1.0;
    return qreal(std::max<qint64>(0, nowMs - startMs)) / qreal(durationOf(motion));
}

BirdPose BirdAnimator::poseAt(qint64 nowMs) const {
    BirdPose pose;
    pose.beakOpen = beakOpen_;
    if (const qreal t = progress(appearStartMs_, Motion::Appear, nowMs); t >= 0.0)
        pose.size = easeOutBack(t);
    if (isGone(nowMs))
        pose.size = 0.0;
    else if (const qreal t = progress(disappearStartMs_, Motion::Disappear, nowMs); t >= 0.0)
        pose.size = 1.0 - t * t;
    if (const qreal t = progress(blinkStartMs_, Motion::Blink, nowMs); t >= 0.0)
        pose.eyesOpen = std::abs(1.0 - 2.0 * t);
    if (const qreal t = progress(waveStartMs_, Motion::Wave, nowMs); t >= 0.0) {
        // Up, three waggles, down.
        const qreal raised = smoothStep(0.0, 0.15, t) * (1.0 - smoothStep(0.85, 1.0, t));
        pose.wingLift = raised * (0.75 + 0.25 * qSin(t * 3.0 * 2.0 * M_PI));
    }
    return pose;
}

bool BirdAnimator::isMoving(qint64 nowMs) const {
    return progress(appearStartMs_, Motion::Appear, nowMs) >= 0.0 ||
           progress(disappearStartMs_, Motion::Disappear, nowMs) >= 0.0 ||
           progress(blinkStartMs_, Motion::Blink, nowMs) >= 0.0 || progress(waveStartMs_, Motion::Wave, nowMs) >= 0.0;
}

bool BirdAnimator::isGone(qint64 nowMs) const {
    return disappearStartMs_ >= 0 && nowMs - disappearStartMs_ >= kDisappearMs;
}

} // namespace parlavo
