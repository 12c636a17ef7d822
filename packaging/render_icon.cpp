// Renders the program's icon, the bird's head, from the same drawing code as the character, so the icon
// never drifts from the bird people see on screen and no picture has to be kept in the repository.
//   parlavo_render_icon FILE.png SIZE   a square PNG of SIZE pixels
//   parlavo_render_icon FILE.svg        a scalable SVG
#include "agent/bird/bird_painter.h"

#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdio>
#include <cstdlib>

using namespace parlavo;

namespace {

// The head with its crest and the top of the shoulders, in the bird's design units. Square, so the head
// keeps its shape, and tight, so it still reads at 48 pixels.
constexpr QRectF kHead(22.0, 4.0, 76.0, 76.0);

// A pose that looks at the viewer with the beak a little open, as if about to speak.
constexpr BirdPose kIconPose{.size = 1.0, .eyesOpen = 1.0, .beakOpen = 0.3, .wingLift = 0.0};

void paintHead(QPainter& painter, qreal side) {
    const qreal scale = side / kHead.width();
    const QRectF wholeBird(-kHead.left() * scale, -kHead.top() * scale, kBirdArea.width() * scale,
                           kBirdArea.height() * scale);
    painter.setClipRect(QRectF(0.0, 0.0, side, side));
    paintBird(painter, wholeBird, kIconPose);
}

bool writePng(const QString& path, int side) {
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintHead(painter, side);
    painter.end();
    return image.save(path, "PNG");
}

bool writeSvg(const QString& path) {
    constexpr int kSide = 128;
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(kSide, kSide));
    svg.setViewBox(QRect(0, 0, kSide, kSide));
    svg.setTitle(QStringLiteral("Parlavo"));
    svg.setDescription(QStringLiteral("The Parlavo bird"));
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    paintHead(painter, kSide);
    return painter.end();
}

} // namespace

int main(int argc, char* argv[]) {
    const QString path = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    bool written = false;
    if (argc == 3 && path.endsWith(QLatin1String(".png")))
        written = writePng(path, std::atoi(argv[2]));
    else if (argc == 2 && path.endsWith(QLatin1String(".svg")))
        written = writeSvg(path);
    else {
        std::fprintf(stderr, "usage: %s FILE.png SIZE | FILE.svg\n", argv[0]);
        return EXIT_FAILURE;
    }
    if (!written) {
        std::fprintf(stderr, "%s: could not write %s\n", argv[0], argv[1]);
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}
