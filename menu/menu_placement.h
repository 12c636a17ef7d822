#pragma once

#include "core/window_system.h"

#include <QPoint>
#include <QSize>

namespace parlavo {

// Where a window's anchor point lies, in twips from its client area's top-left corner.
struct TwipsPoint {
    int x;
    int y;
};

// The screen position, in pixels, of the top-left corner of a popup of `popupSize` whose top-right
// corner sits on `anchor` of `owner`. The popup opens leftwards so it stays over the owner's width.
QPoint rightAlignedPopupPosition(const PixelRect& owner, TwipsPoint anchor, QSize popupSize, double twipsPerPixelX,
                                 double twipsPerPixelY);

// The top-left corner, in pixels, that centres a window of `windowSize` on a screen of the given size in twips.
QPoint centredOnScreen(int screenWidthTwips, int screenHeightTwips, QSize windowSize, double twipsPerPixelX,
                       double twipsPerPixelY);

} // namespace parlavo
