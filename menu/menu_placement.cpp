#include "menu/menu_placement.h"

namespace parlavo {

QPoint rightAlignedPopupPosition(const PixelRect& owner, QPoint anchor, QSize popupSize) {
    return {owner.left + anchor.x() - popupSize.width(), owner.top + anchor.y()};
}

QPoint centredOnScreen(const PixelRect& screen, QSize windowSize) {
    return {screen.left + (screen.width() - windowSize.width()) / 2,
            screen.top + (screen.height() - windowSize.height()) / 2};
}

} // namespace parlavo
