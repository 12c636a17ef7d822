#include "app/caption_strip.h"

#include "app/carried_picture.h"
#include "app/splash_window.h"
#include "caption/caption_label.h"
#include "caption/caption_style.h"
#include "caption/colour_strip.h"
#include "core/qt_window_system.h"
#include "core/units.h"

#include <QEvent>
#include <QHelpEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace parlavo {

namespace {

struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

// The controls' design places, in twips relative to the window's top-left corner.
constexpr TwipsRect kSpanishLine = {0, 50, 13280, 280};
constexpr TwipsRect kTopEdgeBand = {0, 0, 6300, 10};
constexpr TwipsRect kMenuPatch = {6840, 15, 405, 330};
constexpr TwipsRect kFrameLine = {0, 15, 7140, 330};
constexpr TwipsRect kMenuPicture = {6840, 45, 270, 270};
constexpr int kEnglishLeft = 0;
constexpr int kEnglishWidth = 6650;
constexpr int kEnglishHeight = 330;

QRect toPixels(const TwipsRect& r) {
    return QRect(twipsToPixels(r.left), twipsToPixels(r.top), twipsToPixels(r.width), twipsToPixels(r.height));
}

CaptionLabel* makeTextLabel(QWidget* parent) {
    auto* label = new CaptionLabel(parent);
    label->setFont(captionFont());
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, captionText());
    label->setPalette(palette);
    return label;
}

QLabel* makeSolidLabel(QWidget* parent, const QColor& colour) {
    auto* label = new QLabel(parent);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, colour);
    label->setPalette(palette);
    return label;
}

} // namespace

CaptionStrip::CaptionStrip(SharedState& state, CaptionStripServices services, QWidget* parent)
    : QWidget(parent), mState(state), mServices(services) {
    makeBorderlessWindow(this, true);
    // The strip never becomes the active window, and the toolkit shows tooltips only for active
    // windows unless told otherwise; the cut-off sentences are read whole from them.
    setAttribute(Qt::WA_AlwaysShowToolTips);
    setWindowTitle(QStringLiteral("Parlavo"));
    buildControls();
    const PixelRect rect = currentRect();
    setGeometryPixels(rect.left, rect.top, twipsToPixels(kWidthTwips, windows().twipsPerPixelX()),
                      twipsToPixels(kOpenHeightTwips, windows().twipsPerPixelY()));

    const std::pair<QTimer*, void (CaptionStrip::*)()> timers[] = {
        {&pointerTimer, &CaptionStrip::onPointerTick},
        {&colourStripTimer, &CaptionStrip::onColourStripTick},
        {&englishRiseTimer, &CaptionStrip::onEnglishRiseTick},
        {&spanishEntryTimer, &CaptionStrip::onSpanishEntryTick},
        {&playbackTimer, &CaptionStrip::onPlaybackTick}};
    for (const auto& [timer, handler] : timers) {
        // Precise timers keep a display cycle at its nominal length.
        timer->setTimerType(Qt::PreciseTimer);
        connect(timer, &QTimer::timeout, this, handler);
    }
    pointerTimer.setInterval(kPointerTickMs);
    colourStripTimer.setInterval(1500);
    englishRiseTimer.setInterval(50);
    spanishEntryTimer.setInterval(80);
    playbackTimer.setInterval(100);
}

CaptionStrip::~CaptionStrip() = default;

void CaptionStrip::buildControls() {
    topEdgeBand = makeSolidLabel(this, captionTopStrip());
    topEdgeBand->setGeometry(toPixels(kTopEdgeBand));
    menuPatch = makeSolidLabel(this, captionBackground());
    menuPatch->setGeometry(toPixels(kMenuPatch));
    englishLine = makeTextLabel(this);
    setEnglishTop(kEnglishRestTop);
    spanishLine = makeTextLabel(this);
    spanishLine->setGeometry(toPixels(kSpanishLine));
    menuPicture = new QLabel(this);
    menuPicture->setGeometry(toPixels(kMenuPicture));
    menuPicture->setAlignment(Qt::AlignCenter);
    menuPicture->setPixmap(loadPicture(kMenuPictureDrawing));
    menuPicture->setMouseTracking(true);
    mColourStrip = new ColourStrip(this);

    for (QWidget* control :
         std::initializer_list<QWidget*>{spanishLine, englishLine, topEdgeBand, menuPatch, menuPicture})
        control->installEventFilter(this);
}

bool CaptionStrip::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ToolTip && watched == spanishLine)
        return showLineToolTip(static_cast<QHelpEvent*>(event));
    if (watched == menuPicture) {
        if (event->type() == QEvent::MouseMove && menuPictureEnabled())
            emit menuPictureHovered();
        return false;
    }
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const QPoint pressedAt = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
        beginDrag({pressedAt.x(), pressedAt.y()});
        return true;
    }
    case QEvent::MouseMove:
        followDrag();
        return true;
    case QEvent::MouseButtonRelease:
        endDrag();
        return true;
    default:
        return false;
    }
}

// The Spanish line lies over the English one; while it is blank the English line is the one showing,
// and hovering over it must show the English sentence.
bool CaptionStrip::showLineToolTip(QHelpEvent* event) {
    const bool englishShowing = spanishLine->text().trimmed().isEmpty();
    QWidget* line = englishShowing ? static_cast<QWidget*>(englishLine) : spanishLine;
    if (line->toolTip().isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(event->globalPos(), line->toolTip(), line);
    return true;
}

void CaptionStrip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), captionBackground());
    painter.setPen(captionFrame());
    const QRect frame = toPixels(kFrameLine);
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
}

void CaptionStrip::resizeEvent(QResizeEvent*) {
    layOutColourStrip();
}

void CaptionStrip::layOutColourStrip() {
    const int stripHeight = qMax(1, twipsToPixels(kCollapsedHeightTwips, windows().twipsPerPixelY()));
    mColourStrip->setGeometry(0, height() - stripHeight, width(), stripHeight);
    mColourStrip->raise();
}

void CaptionStrip::settleAtTopEdge() {
    openHeightTwips = kOpenHeightTwips;
    setHeightTwips(openHeightTwips);
    const PixelRect r = currentRect();
    setGeometryPixels(r.left, topEdge(), r.width(), r.height());
    windows().windowRect(this, recordedRect);
}

int CaptionStrip::topEdge() const {
    return windows().workAreaOf(const_cast<CaptionStrip*>(this)).top;
}

// A panel along the top that appears, goes or changes height after the strip was placed (a desktop still starting)
// moves the strip with it, open or collapsed.
void CaptionStrip::followWorkArea() {
    const int top = topEdge();
    if (dragging || recordedRect.top == top)
        return;
    const PixelRect r = currentRect();
    setGeometryPixels(r.left, top, r.width(), r.height());
    recordedRect.bottom += top - recordedRect.top;
    recordedRect.top = top;
}

void CaptionStrip::addCompanion(QWidget* window) {
    mCompanions.push_back(window);
}

bool CaptionStrip::pointerOverCompanion(const PixelPoint& pointer) {
    for (QWidget* companion : mCompanions) {
        PixelRect rect;
        if (companion->isVisible() && windows().windowRect(companion, rect) && rectContains(rect, pointer))
            return true;
    }
    return false;
}

bool CaptionStrip::pointerOverStripOrCompanions() {
    PixelPoint pointer;
    return windows().pointerPosition(pointer) &&
           ((isVisible() && rectContains(currentRect(), pointer)) || pointerOverCompanion(pointer));
}

PixelRect CaptionStrip::currentRect() const {
    PixelRect rect;
    windows().windowRect(const_cast<CaptionStrip*>(this), rect);
    return rect;
}

void CaptionStrip::setGeometryPixels(int x, int y, int width, int height) {
    windows().moveWindow(this, x, y, width, height);
}

double CaptionStrip::leftTwips() const {
    return pixelsToTwips(currentRect().left, windows().twipsPerPixelX());
}

double CaptionStrip::topTwips() const {
    return pixelsToTwips(currentRect().top, windows().twipsPerPixelY());
}

double CaptionStrip::heightTwips() const {
    return pixelsToTwips(currentRect().height(), windows().twipsPerPixelY());
}

double CaptionStrip::widthTwips() const {
    return pixelsToTwips(currentRect().width(), windows().twipsPerPixelX());
}

void CaptionStrip::setLeftTwips(double twips) {
    const PixelRect r = currentRect();
    setGeometryPixels(twipsToPixels(twips, windows().twipsPerPixelX()), r.top, r.width(), r.height());
}

void CaptionStrip::setTopTwips(double twips) {
    const PixelRect r = currentRect();
    setGeometryPixels(r.left, twipsToPixels(twips, windows().twipsPerPixelY()), r.width(), r.height());
}

void CaptionStrip::setHeightTwips(double twips) {
    const PixelRect r = currentRect();
    setGeometryPixels(r.left, r.top, r.width(), twipsToPixels(twips, windows().twipsPerPixelY()));
}

bool CaptionStrip::isOpen() const {
    return currentRect().height() == twipsToPixels(openHeightTwips, windows().twipsPerPixelY());
}

void CaptionStrip::setEnglishTop(int twips) {
    mEnglishTop = twips;
    englishLine->setGeometry(twipsToPixels(kEnglishLeft), twipsToPixels(twips), twipsToPixels(kEnglishWidth),
                             twipsToPixels(kEnglishHeight));
}

bool CaptionStrip::menuPictureEnabled() const {
    return menuPicture->isEnabled();
}

void CaptionStrip::setMenuPictureEnabled(bool enabled) {
    menuPicture->setEnabled(enabled);
}

QColor CaptionStrip::stripColour() const {
    return mColourStrip->colour();
}

// While the splash is up the strip stays hidden: it appears when the intro reaches it, and showing it
// now would put it under the splash. While it steps aside for a full-screen window it comes back
// with the lesson, when that window goes.
void CaptionStrip::activateFromAnotherCopy() {
    if (mSplash) {
        windows().keepOnTop(mSplash.get());
        return;
    }
    if (mSteppedAside)
        return;
    show();
    windows().keepOnTop(this);
}

} // namespace parlavo
