#include "app/version_window.h"

#include "agent/bird_painter.h"

#include "core/qt_window_system.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

namespace parlavo {

VersionWindow::VersionWindow(QWidget* parent) : QWidget(parent), mPicture(versionPicture()) {
    makeBorderlessWindow(this, true);
    setWindowTitle(QStringLiteral("Version"));
    setFixedSize(kWidthPixels, kHeightPixels);
}

QPixmap VersionWindow::versionPicture() {
    QPixmap picture(kWidthPixels, kHeightPixels);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QSvgRenderer(QStringLiteral(":/version.svg")).render(&painter, QRectF(0, 0, kWidthPixels, kHeightPixels));
    // The same bird that reads the lessons aloud, waving hello.
    const QRectF birdBox(45, 84, 120, 130);
    paintBird(painter, birdBox, BirdPose{1.0, 1.0, 0.35, 0.8});
    return picture;
}

void VersionWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, mPicture);
}

void VersionWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (rect().contains(event->position().toPoint()))
        emit pictureClicked();
}

} // namespace parlavo
