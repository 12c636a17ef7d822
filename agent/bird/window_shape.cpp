#include "agent/bird/window_shape.h"

#include "core/x11_connection.h"

#include <QImage>
#include <QList>
#include <QRect>

namespace parlavo {

bool windowsNeedMasks() {
    return onX11();
}

QRegion opaqueArea(const QImage& picture) {
    // Premultiplied or not, a pixel is transparent exactly when its alpha is zero: either is read as it is.
    const bool readable =
        picture.format() == QImage::Format_ARGB32_Premultiplied || picture.format() == QImage::Format_ARGB32;
    const QImage argb = readable ? picture : picture.convertToFormat(QImage::Format_ARGB32);
    const int width = argb.width();
    QList<QRect> runs;
    for (int y = 0; y < argb.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        int x = 0;
        while (x < width) {
            while (x < width && qAlpha(row[x]) == 0)
                ++x;
            const int start = x;
            while (x < width && qAlpha(row[x]) != 0)
                ++x;
            if (x > start)
                runs.append(QRect(start, y, x - start, 1));
        }
    }
    if (runs.isEmpty()) // an empty mask would mean no mask at all: keep a region, but outside the picture
        return QRegion(-1, -1, 1, 1);
    QRegion area;
    area.setRects(runs.constData(), int(runs.size())); // one-pixel rows in order, as setRects wants them
    return area;
}

} // namespace parlavo
