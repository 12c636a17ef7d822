#pragma once

#include <QRegion>

class QImage;

namespace parlavo {

// True where translucent windows need a mask as well: on X11, which blends them only with a compositor running.
// Other platforms blend them themselves (and some refuse masks).
bool windowsNeedMasks();

// The pixels of a picture that are not fully transparent. Used as the window mask of the bird and its balloon,
// so that no rectangle shows around them where the screen cannot blend (X11 without a compositor) and clicks
// beside them reach whatever lies underneath. A fully transparent picture gives a region outside it, never an
// empty one, which a window would take as no mask at all.
QRegion opaqueArea(const QImage& picture);

} // namespace parlavo
