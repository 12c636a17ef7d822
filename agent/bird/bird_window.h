#pragma once

#include "agent/bird/bird_animator.h"
#include "agent/clock.h"

#include <QHash>
#include <QImage>
#include <QRegion>
#include <QTimer>
#include <QWidget>

#include <optional>
#include <utility>

namespace parlavo {

// The bird's own window: frameless, above other windows, never taking the keyboard, shaped to the bird. It first
// stands at the bottom-right corner of the free area it is given (the primary screen's unless told) and can be
// dragged with the mouse. It redraws only while something moves, and blinks now and then while idle.
class BirdWindow final : public QWidget {
    Q_OBJECT
public:
    static constexpr int kFrameMs = 40; // 25 frames a second at most

    explicit BirdWindow(const Clock& clock);

    void appear();
    void disappear();
    // Stands at the bottom-right corner of this area from now on; moves there at once if it shows.
    void standInCorner(const QRect& area);
    void wave();
    void setBeakOpening(qreal opening);

    // Where the bird stands on screen. Kept here, because right after the window is shown Qt's own idea of its
    // position sometimes reads (0, 0) under a reparenting window manager.
    QRect standing() const { return {home_.value_or(QPoint()), size()}; }
    BirdPose pose() const { return animator_.poseAt(clock_.nowMs()); }
    bool isAnimating() const { return frameTimer_.isActive(); }
    bool isBlinkPending() const { return blinkTimer_.isActive(); }
    // The bird as it is on screen, drawn whole on a transparent background.
    QImage picture() const;

signals:
    // The bird stands somewhere else: dragged there, or sent to another corner.
    void moved();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const QImage& bodyPicture(const BirdPose& pose);
    QRect beakArea(qreal size) const;
    const QImage& beakFrame(const BirdPose& pose);
    void present(const BirdPose& pose);
    void startMotion(BirdAnimator::Motion motion);
    void showFrame();
    void scheduleBlink();
    void updateShape(const BirdPose& pose);
    void placeAtScreenCorner();

    const Clock& clock_;
    BirdAnimator animator_;
    QTimer frameTimer_;
    QTimer blinkTimer_;
    std::optional<QPoint> grip_;        // where the pointer holds the bird while dragging, in the window
    std::optional<BirdPose> shapedFor_; // the outline the window mask was last cut to
    std::optional<QPoint> home_;
    BirdPose shown_; // what the window shows
    QImage back_;    // the bird's back as last drawn for backPose_
    std::optional<BirdPose> backPose_;
    QImage body_; // the bird without its beak, as last drawn for bodyPose_
    std::optional<BirdPose> bodyPose_;
    QHash<qreal, QImage> beakFrames_;                   // the beak's corner over body_, by opening
    std::optional<std::pair<qreal, QRegion>> openBeak_; // the wide-open beak's opaque area, for a size
};

} // namespace parlavo
