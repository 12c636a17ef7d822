#include "agent/bird_window.h"

#include "agent/bird_painter.h"
#include "agent/topmost_keeper.h"
#include "agent/window_shape.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QRandomGenerator>
#include <QScreen>

namespace parlavo {

namespace {

constexpr QSize kWindowSize(132, 143);
constexpr int kBlinkMinMs = 3000;
constexpr int kBlinkMaxMs = 7000;

} // namespace

BirdWindow::BirdWindow(const Clock& clock) : QWidget(nullptr, floatingWindowFlags()), clock_(clock) {
    setWindowTitle(QStringLiteral("Peedy"));
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
    updateShape(pose());
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
    update();
}

QImage BirdWindow::picture() const {
    return pictureOf(pose());
}

QImage BirdWindow::pictureOf(const BirdPose& pose) const {
    QImage image(size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintBird(painter, rect(), pose);
    return image;
}

void BirdWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintBird(painter, rect(), pose());
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
    update();
}

void BirdWindow::showFrame() {
    const qint64 now = clock_.nowMs();
    if (animator_.isGone(now)) {
        frameTimer_.stop();
        hide();
        return;
    }
    updateShape(animator_.poseAt(now));
    update();
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
    setMask(opaqueArea(pictureOf(outline)));
}

void BirdWindow::placeAtScreenCorner() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(QPoint(), size());
    home_ = QPoint(area.right() + 1 - width(), area.bottom() + 1 - height());
}

} // namespace parlavo
