#include "app/version_window.h"

#include "app/carried_picture.h"
#include "core/qt_window_system.h"

#include <QMouseEvent>
#include <QPainter>

namespace parlavo {

VersionWindow::VersionWindow(QWidget* parent) : QWidget(parent), mPicture(loadPicture(kVersionPictureDrawing)) {
    makeBorderlessWindow(this, true);
    setWindowTitle(QStringLiteral("Version"));
    setFixedSize(kWidthPixels, kHeightPixels);
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
