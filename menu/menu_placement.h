#pragma once

#include "core/window_system.h"

#include <QPoint>
#include <QSize>

namespace parlavo {

// The screen position of the top-left corner of a popup of `popupSize` whose top-right corner sits on `anchor`,
// measured from the owner's top-left corner. The popup opens leftwards so it stays over the owner's width.
QPoint rightAlignedPopupPosition(const PixelRect& owner, QPoint anchor, QSize popupSize);

// The top-left corner that centres a window of `windowSize` on a screen.
QPoint centredOnScreen(const PixelRect& screen, QSize windowSize);

} // namespace parlavo
