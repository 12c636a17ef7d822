#include "caption/colour_strip.h"

#include <QPainter>

namespace parlavo {

ColourStrip::ColourStrip(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void ColourStrip::setColour(const QColor& colour) {
    if (colour == mColour)
        return;
    mColour = colour;
    update();
}

void ColourStrip::paintEvent(QPaintEvent*) {
    if (!mColour.isValid())
        return;
    QPainter painter(this);
    painter.fillRect(rect(), mColour);
}

} // namespace parlavo
