#include "agent/bird/bird_window.h"

#include "agent/bird/bird_painter.h"
#include "agent/bird/topmost_keeper.h"
#include "agent/bird/window_shape.h"
#include "core/qt_window_system.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QRandomGenerator>
#include <QScreen>

#include <algorithm>

namespace parlavo {

namespace {

constexpr QSize kWindowSize(132, 143);
constexpr int kBlinkMinMs = 3000;
constexpr int kBlinkMaxMs = 7000;
constexpr int kCopyBandRows = 64;

} // namespace

BirdWindow::BirdWindow(const Clock& clock) : QWidget(nullptr, borderlessWindowFlags(true)), clock_(clock) {
    setWindowTitle(QStringLiteral("Parlavo bird"));
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(kWindowSize);
    setCursor(Qt::OpenHandCursor);

    frameTimer_.setInterval(kFrameMs);
    connect(&frameTimer_, &QTimer::timeout, this, &BirdWindow::showFrame);
    blinkTimer_.setSingleShot(true);
    connect(&blinkTimer_, &QTimer::timeout, this, [this] { startMotion(BirdAnimator::Motion::Blink); });
}

void BirdWindow::appear() {
    if (!home_)
        placeAtScreenCorner();
    move(*home_);
    startMotion(BirdAnimator::Motion::Appear);
    updateShape(shown_);
    show();
}

void BirdWindow::disappear() {
    if (isVisible())
        startMotion(BirdAnimator::Motion::Disappear);
}

void BirdWindow::wave() {
    startMotion(BirdAnimator::Motion::Wave);
}

void BirdWindow::setBeakOpening(qreal opening) {
    if (pose().beakOpen == opening)
        return;
    animator_.setBeakOpening(opening);
    BirdPose next = shown_;
    next.beakOpen = opening;
    present(next);
}

// Only the pixels the new pose changes are redrawn and sent: while the bird speaks, just its beak.
void BirdWindow::present(const BirdPose& pose) {
    const QRect changed = changedArea(rect(), shown_, pose);
    shown_ = pose;
    if (!changed.isEmpty())
        update(changed);
}

QImage BirdWindow::picture() const {
    QImage image(size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintBird(painter, rect(), shown_);
    return image;
}

void BirdWindow::paintEvent(QPaintEvent* event) {
    const BirdPose now = shown_;
    QPainter painter(this);
    if (const QRect beak = beakArea(now.size); beak.contains(event->rect())) {
        painter.drawImage(beak.topLeft(), beakFrame(now));
        return;
    }
    // Qt's raster engine hands a copy of more than about 96 rows to its helper threads, waking two more threads on
    // every frame of a wave; bands lower than that are copied on this thread.
    const QImage& body = bodyPicture(now);
    const qreal ratio = body.devicePixelRatio();
    for (int top = 0; top < height(); top += kCopyBandRows) {
        const int rows = std::min(kCopyBandRows, height() - top);
        painter.drawImage(QPointF(0, top), body, QRectF(0, top * ratio, body.width(), rows * ratio));
    }
    paintBirdBeak(painter, rect(), now);
}

QRect BirdWindow::beakArea(qreal size) const {
    return changedArea(rect(), {size, 1.0, 0.0, 0.0}, {size, 1.0, 1.0, 0.0});
}

// The beak's corner of the window, drawn over the body, kept for each opening since the body last changed: a speaking
// bird opens its beak to the same few dozen levels over and over, and copying one of these costs far less than
// drawing the beak again.
const QImage& BirdWindow::beakFrame(const BirdPose& pose) {
    const QImage& body = bodyPicture(pose);
    if (const auto kept = beakFrames_.constFind(pose.beakOpen); kept != beakFrames_.cend())
        return *kept;
    const QRect area = beakArea(pose.size);
    const qreal ratio = body.devicePixelRatio();
    QImage frame = body.copy(QRectF(QPointF(area.topLeft()) * ratio, QSizeF(area.size()) * ratio).toRect());
    frame.setDevicePixelRatio(ratio);
    QPainter painter(&frame);
    painter.translate(-area.topLeft());
    paintBirdBeak(painter, rect(), pose);
    painter.end();
    return *beakFrames_.insert(pose.beakOpen, frame);
}

// Drawing the bird from its curves is most of what it costs to show, so the layers that did not move are kept as
// pictures: the back until the size changes, the back and front together until a wave or a blink moves them. A
// speaking bird's frames then only copy its body and draw the beak on top.
const QImage& BirdWindow::bodyPicture(const BirdPose& pose) {
    BirdPose body = pose;
    body.beakOpen = 0.0;
    const qreal ratio = devicePixelRatioF();
    if (body == bodyPose_ && body_.devicePixelRatio() == ratio)
        return body_;
    const BirdPose back{body.size, 1.0, 0.0, 0.0};
    if (!(back == backPose_) || back_.devicePixelRatio() != ratio) {
        back_ = QImage(size() * ratio, QImage::Format_ARGB32_Premultiplied);
        back_.setDevicePixelRatio(ratio);
        back_.fill(Qt::transparent);
        QPainter painter(&back_);
        paintBirdBack(painter, rect(), back);
        backPose_ = back;
    }
    const bool sameSize =
        bodyPose_ && bodyPose_->size == body.size && body_.size() == back_.size() && body_.devicePixelRatio() == ratio;
    if (!sameSize)
        body_ = back_.copy();
    QPainter painter(&body_);
    if (sameSize) {
        // A wave or a blink: only where the wing or the eyes were or are now goes back to the back layer and is drawn
        // again; everywhere else the body stays as it was.
        const QRect changed = changedArea(rect(), *bodyPose_, body);
        painter.setClipRect(changed);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(changed.topLeft(), back_,
                          QRectF(QPointF(changed.topLeft()) * ratio, QSizeF(changed.size()) * ratio));
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    paintBirdFront(painter, rect(), body);
    bodyPose_ = body;
    beakFrames_.clear();
    return body_;
}

void BirdWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    // Where the bird was gripped, from the event itself: the window's own idea of its position can lag behind
    // the window manager's just after it was shown.
    grip_ = event->position().toPoint();
    setCursor(Qt::ClosedHandCursor);
}

void BirdWindow::mouseMoveEvent(QMouseEvent* event) {
    if (!grip_)
        return;
    home_ = event->globalPosition().toPoint() - *grip_;
    move(*home_);
    emit moved();
}

void BirdWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    grip_.reset();
    setCursor(Qt::OpenHandCursor);
}

void BirdWindow::startMotion(BirdAnimator::Motion motion) {
    animator_.start(motion, clock_.nowMs());
    blinkTimer_.stop();
    if (!frameTimer_.isActive())
        frameTimer_.start();
    present(pose());
}

void BirdWindow::showFrame() {
    const qint64 now = clock_.nowMs();
    if (animator_.isGone(now)) {
        frameTimer_.stop();
        hide();
        return;
    }
    const BirdPose frame = animator_.poseAt(now);
    updateShape(frame);
    present(frame);
    if (!animator_.isMoving(now)) {
        frameTimer_.stop();
        scheduleBlink();
    }
}

void BirdWindow::scheduleBlink() {
    blinkTimer_.start(QRandomGenerator::global()->bounded(kBlinkMinMs, kBlinkMaxMs));
}

void BirdWindow::updateShape(const BirdPose& pose) {
    if (!windowsNeedMasks())
        return;
    // Only the size and the wing change the outline; the mask leaves room for the beak wide open.
    BirdPose outline = pose;
    outline.eyesOpen = 1.0;
    outline.beakOpen = 1.0;
    if (shapedFor_ == outline)
        return;
    shapedFor_ = outline;
    // A pixel of the whole bird is opaque exactly when it is in the body or in the beak, so the outline is the body's
    // opaque area and the open beak's, the latter kept for the size. Closed or open, the eyes lie inside the head.
    if (!openBeak_ || openBeak_->first != outline.size) {
        QImage beak(size(), QImage::Format_ARGB32_Premultiplied);
        beak.fill(Qt::transparent);
        QPainter painter(&beak);
        paintBirdBeak(painter, rect(), outline);
        painter.end();
        openBeak_.emplace(outline.size, opaqueArea(beak));
    }
    setMask(opaqueArea(bodyPicture(pose)) + openBeak_->second);
}

void BirdWindow::placeAtScreenCorner() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    standInCorner(screen ? screen->availableGeometry() : QRect(QPoint(), size()));
}

void BirdWindow::standInCorner(const QRect& area) {
    home_ = QPoint(area.right() + 1 - width(), area.bottom() + 1 - height());
    if (isVisible()) {
        move(*home_);
        emit moved();
    }
}

} // namespace parlavo
