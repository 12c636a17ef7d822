// Draws the version picture and the menu picture for the program to carry as raw pixels. The build runs it: drawn
// at start-up instead, they loaded the SVG renderer and a bold font, over a megabyte of memory held all day for two
// pictures that never change.
//   parlavo_render_pictures VERSION_SVG MENU_SVG OUTPUT_FOLDER   writes version.pixels and menu.pixels there
#include "agent/bird/bird_painter.h"
#include "app/carried_picture.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>
#include <cstdlib>

using namespace parlavo;

namespace {

QImage versionPicture(const QString& drawing) {
    QImage picture(kVersionPictureDrawing.size, kVersionPictureDrawing.format);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QSvgRenderer(drawing).render(&painter, QRectF(picture.rect()));
    // The same bird that reads the lessons aloud, waving hello.
    paintBird(painter, QRectF(45, 84, 120, 130), BirdPose{1.0, 1.0, 0.35, 0.8});
    return picture;
}

QImage menuPicture(const QString& drawing) {
    QImage picture(kMenuPictureDrawing.size, kMenuPictureDrawing.format);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    QSvgRenderer(drawing).render(&painter);
    return picture;
}

bool writePixels(const QImage& picture, const QString& path) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(reinterpret_cast<const char*>(picture.constBits()),
                                                         picture.sizeInBytes()) == picture.sizeInBytes();
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s VERSION_SVG MENU_SVG OUTPUT_FOLDER\n", argv[0]);
        return EXIT_FAILURE;
    }
    QGuiApplication app(argc, argv); // the text in the version picture needs the font database
    const QString folder = QString::fromLocal8Bit(argv[3]) + QLatin1Char('/');
    if (!writePixels(versionPicture(QString::fromLocal8Bit(argv[1])), folder + QStringLiteral("version.pixels")) ||
        !writePixels(menuPicture(QString::fromLocal8Bit(argv[2])), folder + QStringLiteral("menu.pixels"))) {
        std::fprintf(stderr, "%s: could not write the pictures into %s\n", argv[0], argv[3]);
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}
