#include "app/caption_strip.h"

#include "app/carried_picture.h"
#include "app/splash_window.h"
#include "caption/caption_label.h"
#include "caption/caption_style.h"
#include "caption/colour_strip.h"
#include "core/qt_window_system.h"

#include <QEvent>
#include <QHelpEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTextDocument>
#include <QToolTip>

namespace parlavo {

namespace {

// The controls' places from the strip's top-left corner, in pixels.
constexpr QRect kSpanishLine(0, 3, 885, 19);
constexpr QRect kTopEdgeBand(0, 0, 420, 1);
constexpr QRect kMenuPatch(456, 1, 27, 22);
constexpr QRect kFrameLine(0, 1, 476, 22);
constexpr QRect kMenuPicture(456, 3, 18, 18);
constexpr QSize kEnglishLine(443, 22);

CaptionLabel* makeTextLabel(QWidget* parent) {
    auto* label = new CaptionLabel(parent);
    label->setFont(captionFont());
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, captionText());
    label->setPalette(palette);
    return label;
}

QLabel* makeSolidLabel(QWidget* parent, const QColor& colour, const QRect& place) {
    auto* label = new QLabel(parent);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, colour);
    label->setPalette(palette);
    label->setGeometry(place);
    return label;
}

// A tooltip reads text that looks like markup as markup; such a sentence is escaped into markup that shows it as
// written.
QString plainToolTip(const QString& sentence) {
    return Qt::mightBeRichText(sentence) ? Qt::convertFromPlainText(sentence, Qt::WhiteSpaceNoWrap) : sentence;
}

} // namespace

CaptionStrip::CaptionStrip(Settings& settings, CaptionStripServices services, QWidget* parent)
    : QWidget(parent), mSettings(settings), mServices(services) {
    makeBorderlessWindow(this, true);
    // The strip never becomes the active window, and the toolkit shows tooltips only for active
    // windows unless told otherwise; the cut-off sentences are read whole from them.
    setAttribute(Qt::WA_AlwaysShowToolTips);
    setWindowTitle(QStringLiteral("Parlavo"));
    buildControls();
    const PixelRect rect = currentRect();
    setGeometryPixels(rect.left, rect.top, kWidth, kOpenHeight);

    const std::pair<QTimer*, void (CaptionStrip::*)()> timers[] = {
        {&mPointerTimer, &CaptionStrip::onPointerTick},
        {&mColourStripTimer, &CaptionStrip::onColourStripTick},
        {&mEnglishRiseTimer, &CaptionStrip::onEnglishRiseTick},
        {&mSpanishEntryTimer, &CaptionStrip::onSpanishEntryTick},
        {&mPlaybackTimer, &CaptionStrip::onPlaybackTick}};
    for (const auto& [timer, handler] : timers) {
        // Precise timers keep a display cycle at its nominal length.
        timer->setTimerType(Qt::PreciseTimer);
        connect(timer, &QTimer::timeout, this, handler);
    }
    mPointerTimer.setInterval(kPointerTickMs);
    mColourStripTimer.setInterval(1500);
    mEnglishRiseTimer.setInterval(50);
    mSpanishEntryTimer.setInterval(80);
    mPlaybackTimer.setInterval(100);
}

CaptionStrip::~CaptionStrip() = default;

void CaptionStrip::buildControls() {
    mTopEdgeBand = makeSolidLabel(this, captionTopStrip(), kTopEdgeBand);
    mMenuPatch = makeSolidLabel(this, captionBackground(), kMenuPatch);
    mEnglishLine = makeTextLabel(this);
    setEnglishTop(englishTopAt(0));
    mSpanishLine = makeTextLabel(this);
    mSpanishLine->setGeometry(kSpanishLine);
    mMenuPicture = new QLabel(this);
    mMenuPicture->setGeometry(kMenuPicture);
    mMenuPicture->setAlignment(Qt::AlignCenter);
    mMenuPicture->setPixmap(loadPicture(kMenuPictureDrawing));
    mMenuPicture->setMouseTracking(true);
    mColourStrip = new ColourStrip(this);

    for (QWidget* control :
         std::initializer_list<QWidget*>{mSpanishLine, mEnglishLine, mTopEdgeBand, mMenuPatch, mMenuPicture})
        control->installEventFilter(this);
}

bool CaptionStrip::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ToolTip && watched == mSpanishLine)
        return showLineToolTip(static_cast<QHelpEvent*>(event));
    if (watched == mMenuPicture) {
        if (event->type() == QEvent::MouseMove && menuPictureEnabled())
            emit menuPictureHovered();
        return false;
    }
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        // Any button on any label drags; the grab is where the press happened, from the event itself: by the time
        // it is handled the pointer may already be on its way.
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
    const bool englishShowing = mSpanishLine->text().trimmed().isEmpty();
    QWidget* line = englishShowing ? static_cast<QWidget*>(mEnglishLine) : mSpanishLine;
    if (line->toolTip().isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(event->globalPos(), plainToolTip(line->toolTip()), line);
    return true;
}

void CaptionStrip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), captionBackground());
    painter.setPen(captionFrame());
    painter.drawRect(kFrameLine.adjusted(0, 0, -1, -1));
}

void CaptionStrip::resizeEvent(QResizeEvent*) {
    layOutColourStrip();
}

void CaptionStrip::layOutColourStrip() {
    mColourStrip->setGeometry(0, height() - kCollapsedHeight, width(), kCollapsedHeight);
    mColourStrip->raise();
}

void CaptionStrip::setEnglishTop(int top) {
    mEnglishTop = top;
    mEnglishLine->setGeometry(QRect(QPoint(0, top), kEnglishLine));
}

QString CaptionStrip::spanishCaption() const {
    return mSpanishLine->text();
}

QString CaptionStrip::englishCaption() const {
    return mEnglishLine->text();
}

QColor CaptionStrip::stripColour() const {
    return mColourStrip->colour();
}

void CaptionStrip::holdForSideWindow() {
    setMenuPictureEnabled(false);
    mPlaybackTimer.stop();
}

void CaptionStrip::setMenuPictureEnabled(bool enabled) {
    mMenuPicture->setEnabled(enabled);
}

void CaptionStrip::resumeAfterSideWindow() {
    mMenuPicture->setEnabled(true);
    if (mIntroCountdown <= 2 && !mPlaybackTimer.isActive())
        startPlayback();
}

bool CaptionStrip::menuPictureEnabled() const {
    return mMenuPicture->isEnabled();
}

// Open or collapsed, judged in whole pixels so the window system's rounding cannot fool it.
bool CaptionStrip::isOpen() const {
    return currentRect().height() == kOpenHeight;
}

PixelRect CaptionStrip::currentRect() const {
    PixelRect rect;
    windows().windowRect(const_cast<CaptionStrip*>(this), rect);
    return rect;
}

void CaptionStrip::setGeometryPixels(int x, int y, int width, int height) {
    windows().moveWindow(this, x, y, width, height);
}

int CaptionStrip::topEdge() const {
    return windows().workAreaOf(const_cast<CaptionStrip*>(this)).top;
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
