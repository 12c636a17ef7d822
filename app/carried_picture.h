#pragma once

#include "app/version_window.h"

#include <QImage>
#include <QPixmap>
#include <QResource>

namespace parlavo {

// A picture drawn at build time (render_pictures.cpp) and carried as raw pixels, so reading it needs no image
// decoder: Qt's decoders would load every image format plugin there is, and with them the SVG renderer.
struct CarriedPicture {
    const char* resource;
    QSize size;
    QImage::Format format;
};

inline constexpr CarriedPicture kVersionPictureDrawing{
    ":/version.pixels", {VersionWindow::kWidthPixels, VersionWindow::kHeightPixels}, QImage::Format_RGB32};
inline constexpr CarriedPicture kMenuPictureDrawing{":/menu.pixels", {16, 16}, QImage::Format_ARGB32_Premultiplied};

inline QPixmap loadPicture(const CarriedPicture& picture) {
    const QByteArray pixels = QResource(QString::fromLatin1(picture.resource)).uncompressedData();
    const QImage image(reinterpret_cast<const uchar*>(pixels.constData()), picture.size.width(), picture.size.height(),
                       picture.format);
    if (pixels.size() != image.sizeInBytes())
        return QPixmap();
    return QPixmap::fromImage(image.copy());
}

} // namespace parlavo
