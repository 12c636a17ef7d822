#include "core/version_window.h"

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
    QSvgRenderer renderer(QStringLiteral(":/version.svg"));
    renderer.render(&painter, QRectF(0, 0, kWidthPixels, kHeightPixels));
    return picture;
}

void VersionWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, mPicture);
}

void VersionWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (rect().contains(event->position().toPoint()))
        emit Image1_Click();
}

} // namespace parlavo
