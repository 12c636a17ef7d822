#pragma once

#include <QColor>
#include <QFont>

namespace parlavo {

// Colours of the strip. The desktop has no system colours of its own for these roles, so the strip
// brings a quiet dark scheme that white text reads well on.
inline QColor captionBackground() {
    return QColor(0x1f, 0x3a, 0x56);
}
inline QColor captionTopStrip() {
    return QColor(0x9d, 0xb4, 0xcc);
}
inline QColor captionFrame() {
    return QColor(0x0b, 0x16, 0x22);
}
inline QColor captionText() {
    return QColor(255, 255, 255);
}

// "Arial" resolves to Liberation Sans, its metric-compatible twin, through fontconfig.
inline QFont captionFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(10.5);
    return font;
}

} // namespace parlavo
