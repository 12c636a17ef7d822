#include "agent/bird/balloon_window.h"

#include "agent/bird/topmost_keeper.h"
#include "agent/bird/window_shape.h"
#include "core/qt_window_system.h"

#include <QPainter>
#include <QPainterPath>
#include <QTextLayout>

#include <cmath>

namespace parlavo {

namespace {

constexpr int kTextPixels = 15; // at the normal text size
constexpr qreal kTextWidth = 230.0;
constexpr qreal kPadding = 10.0;
constexpr qreal kTailLength = 16.0;
constexpr qreal kCornerRadius = 10.0;
constexpr qreal kOutlineWidth = 2.0;
constexpr int kMinimumWidth = 60;
// How far the balloon reaches over the bird's box, whose corners are transparent, towards its head.
constexpr int kOverlap = 22;
constexpr int kHeadHeight = 48;

// Paper and outline for the bird's own lines, then for the woman's and the man's: warm and cool, each far from the
// other and from the bird's, and all light enough behind the ink and the word marker.
struct BalloonColours {
    QColor paper;
    QColor outline;
};
const BalloonColours kColours[] = {
    {QColor(0xff, 0xfd, 0xe8), QColor(0x1e, 0x3a, 0x5f)},
    {QColor(0xff, 0xe0, 0xd0), QColor(0xc0, 0x50, 0x2a)},
    {QColor(0xd4, 0xef, 0xea), QColor(0x1d, 0x7a, 0x70)},
};
const QColor kInk(0x1e, 0x2a, 0x38);
const QColor kMarker(0xff, 0xd5, 0x4f);

// Wraps the line to the balloon's width and returns the size it takes. Blanks stay as they are; line breaks in
// the line become the layout's own, which keeps every position in place.
QSizeF layOutLine(QTextLayout& layout, const QString& line, const QFont& font) {
    QString shown = line;
    shown.replace(QLatin1Char('\n'), QChar::LineSeparator);
    layout.setText(shown);
    layout.setFont(font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    layout.setTextOption(option);

    qreal height = 0.0;
    qreal widest = 0.0;
    layout.beginLayout();
    for (QTextLine row = layout.createLine(); row.isValid(); row = layout.createLine()) {
        row.setLineWidth(kTextWidth);
        row.setPosition(QPointF(0.0, height));
        height += row.height();
        widest = std::max(widest, row.naturalTextWidth());
    }
    layout.endLayout();
    return {widest, height};
}

} // namespace

BalloonWindow::BalloonWindow() : QWidget(nullptr, borderlessWindowFlags(true)) {
    setWindowTitle(QStringLiteral("Parlavo balloon"));
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setTextScale(100);
}

void BalloonWindow::setTextScale(int percent) {
    QFont text = font();
    text.setPixelSize((kTextPixels * percent + 50) / 100);
    setFont(text);
    resizeToLine();
    update();
}

void BalloonWindow::setLine(const QString& line) {
    line_ = line;
    highlightStart_ = 0;
    highlightLength_ = 0;
    resizeToLine();
    update();
}

void BalloonWindow::setSpeaker(Speaker speaker) {
    if (speaker == speaker_)
        return;
    speaker_ = speaker;
    update();
}

void BalloonWindow::setHighlight(qsizetype start, qsizetype length) {
    if (start == highlightStart_ && length == highlightLength_)
        return;
    highlightStart_ = start;
    highlightLength_ = length;
    update();
}

void BalloonWindow::placeBeside(const QRect& bird, const QRect& screenArea) {
    tailOnRight_ = bird.left() + kOverlap - width() >= screenArea.left();
    const int x = tailOnRight_ ? bird.left() + kOverlap - width() : bird.right() + 1 - kOverlap;
    const int y = bird.top() + kHeadHeight - height();
    move(std::clamp(x, screenArea.left(), std::max(screenArea.left(), screenArea.right() + 1 - width())),
         std::clamp(y, screenArea.top(), std::max(screenArea.top(), screenArea.bottom() + 1 - height())));
    reshape();
}

QImage BalloonWindow::picture() const {
    QImage image(size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintBalloon(painter);
    return image;
}

void BalloonWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintBalloon(painter);
}

void BalloonWindow::resizeToLine() {
    QTextLayout layout;
    const QSizeF text = layOutLine(layout, line_, font());
    const int width = int(std::ceil(text.width() + 2.0 * (kPadding + kOutlineWidth) + kTailLength));
    const int height = int(std::ceil(text.height() + 2.0 * (kPadding + kOutlineWidth)));
    setFixedSize(std::max(width, kMinimumWidth), height);
    reshape();
}

void BalloonWindow::reshape() {
    if (windowsNeedMasks())
        setMask(opaqueArea(picture()));
}

QRectF BalloonWindow::bodyRect() const {
    const QRectF inside = QRectF(rect()).adjusted(kOutlineWidth, kOutlineWidth, -kOutlineWidth, -kOutlineWidth);
    return tailOnRight_ ? inside.adjusted(0.0, 0.0, -kTailLength, 0.0) : inside.adjusted(kTailLength, 0.0, 0.0, 0.0);
}

void BalloonWindow::paintBalloon(QPainter& painter) const {
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF body = bodyRect();

    // The tail leaves the body low on the bird's side and points down towards its head.
    const qreal edge = tailOnRight_ ? body.right() : body.left();
    const qreal tip = tailOnRight_ ? width() - kOutlineWidth : kOutlineWidth;
    const qreal tailTop = std::max(body.top() + kCornerRadius, body.bottom() - 2.0 * kCornerRadius - 8.0);
    QPainterPath tail;
    tail.moveTo(edge, tailTop);
    tail.lineTo(tip, body.bottom() - 2.0);
    tail.lineTo(edge, std::min(body.bottom() - kCornerRadius, tailTop + 12.0));
    tail.closeSubpath();
    QPainterPath outline;
    outline.addRoundedRect(body, kCornerRadius, kCornerRadius);

    const BalloonColours& colours = kColours[int(speaker_)];
    painter.setPen(QPen(colours.outline, kOutlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(colours.paper);
    painter.drawPath(outline.united(tail));

    QTextLayout layout;
    layOutLine(layout, line_, font());
    QList<QTextLayout::FormatRange> marks;
    if (highlightLength_ > 0) {
        QTextLayout::FormatRange mark;
        mark.start = int(highlightStart_);
        mark.length = int(highlightLength_);
        mark.format.setBackground(kMarker);
        marks.append(mark);
    }
    painter.setPen(kInk);
    layout.draw(&painter, body.topLeft() + QPointF(kPadding, kPadding), marks);
}

} // namespace parlavo
