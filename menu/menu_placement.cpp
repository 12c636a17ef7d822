#include "menu/menu_placement.h"

#include "core/units.h"

namespace parlavo {

QPoint rightAlignedPopupPosition(const PixelRect& owner, TwipsPoint anchor, QSize popupSize, double twipsPerPixelX,
                                 double twipsPerPixelY) {
    const int right = owner.left + twipsToPixels(anchor.x, twipsPerPixelX);
    const int top = owner.top + twipsToPixels(anchor.y, twipsPerPixelY);
    return {right - popupSize.width(), top};
}

QPoint centredOnScreen(int screenWidthTwips, int screenHeightTwips, QSize windowSize, double twipsPerPixelX,
                       double twipsPerPixelY) {
    const int screenWidth = twipsToPixels(screenWidthTwips, twipsPerPixelX);
    const int screenHeight = twipsToPixels(screenHeightTwips, twipsPerPixelY);
    return {(screenWidth - windowSize.width()) / 2, (screenHeight - windowSize.height()) / 2};
}

} // namespace parlavo
