#include "core/form1.h"

#include "caption/caption_label.h"
#include "caption/caption_style.h"
#include "caption/colour_strip.h"
#include "core/form4.h"
#include "core/qt_window_system.h"
#include "core/units.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QSvgRenderer>

namespace parlavo {

namespace {

struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

// The controls' design places, in twips relative to the window's top-left corner.
constexpr TwipsRect kLabel1 = {0, 50, 13280, 280};
constexpr TwipsRect kLabel3 = {0, 0, 6300, 10};
constexpr TwipsRect kLabel4 = {6840, 15, 405, 330};
constexpr TwipsRect kShape1 = {0, 15, 7140, 330};
constexpr TwipsRect kImage1 = {6840, 45, 270, 270};
constexpr int kLabel2Left = 0;
constexpr int kLabel2Width = 6650;
constexpr int kLabel2Height = 330;
constexpr int kMenuPicturePixels = 16;

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

QPixmap menuPicture() {
    QPixmap picture(kMenuPicturePixels, kMenuPicturePixels);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    QSvgRenderer(QStringLiteral(":/menu.svg")).render(&painter);
    return picture;
}

} // namespace

Form1::Form1(SharedState& state, Form1Services services, QWidget* parent)
    : QWidget(parent), mState(state), mServices(services) {
    makeBorderlessWindow(this, true);
    setWindowTitle(QStringLiteral("Parlavo"));
    buildControls();
    const PixelRect rect = currentRect();
    setGeometryPixels(rect.left, rect.top, twipsToPixels(kWidthTwips, windows().twipsPerPixelX()),
                      twipsToPixels(kOpenHeightTwips, windows().twipsPerPixelY()));

    const std::pair<QTimer*, void (Form1::*)()> timers[] = {{&Timer1, &Form1::Form1_Timer1_Timer},
                                                            {&Timer2, &Form1::Form1_Timer2_Timer},
                                                            {&Timer3, &Form1::Form1_Timer3_Timer},
                                                            {&Timer4, &Form1::Form1_Timer4_Timer},
                                                            {&Timer5, &Form1::Form1_Timer5_Timer}};
    for (const auto& [timer, handler] : timers) {
        // Precise timers keep a display cycle at its nominal length.
        timer->setTimerType(Qt::PreciseTimer);
        connect(timer, &QTimer::timeout, this, handler);
    }
    Timer1.setInterval(60);
    Timer2.setInterval(1500);
    Timer3.setInterval(50);
    Timer4.setInterval(80);
    Timer5.setInterval(100);
}

Form1::~Form1() = default;

void Form1::buildControls() {
    Label3 = makeSolidLabel(this, captionTopStrip());
    Label3->setGeometry(toPixels(kLabel3));
    Label4 = makeSolidLabel(this, captionBackground());
    Label4->setGeometry(toPixels(kLabel4));
    Label2 = makeTextLabel(this);
    setLabel2Top(kLabel2RestTop);
    Label1 = makeTextLabel(this);
    Label1->setGeometry(toPixels(kLabel1));
    Image1 = new QLabel(this);
    Image1->setGeometry(toPixels(kImage1));
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setPixmap(menuPicture());
    Image1->setMouseTracking(true);
    mpColourStrip = new ColourStrip(this);

    for (QWidget* control : std::initializer_list<QWidget*>{Label1, Label2, Label3, Label4, Image1})
        control->installEventFilter(this);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Image1) {
        if (event->type() == QEvent::MouseMove && image1Enabled())
            emit Image1_MouseMove();
        return false;
    }
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        Label_MouseDown();
        return true;
    case QEvent::MouseMove:
        Label_MouseMove();
        return true;
    case QEvent::MouseButtonRelease:
        Label_MouseUp();
        return true;
    default:
        return false;
    }
}

void Form1::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), captionBackground());
    painter.setPen(captionFrame());
    const QRect frame = toPixels(kShape1);
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
}

void Form1::resizeEvent(QResizeEvent*) {
    layOutColourStrip();
}

void Form1::layOutColourStrip() {
    const int stripHeight = qMax(1, twipsToPixels(kCollapsedHeightTwips, windows().twipsPerPixelY()));
    mpColourStrip->setGeometry(0, height() - stripHeight, width(), stripHeight);
    mpColourStrip->raise();
}

void Form1::Get_Windows_Rect() {
    mlngOpenHeight = kOpenHeightTwips;
    setHeight(mlngOpenHeight);
    setTop(0);
    windows().GetWindowRect(this, mrcWindow);
}

PixelRect Form1::currentRect() const {
    PixelRect rect;
    windows().GetWindowRect(const_cast<Form1*>(this), rect);
    return rect;
}

void Form1::setGeometryPixels(int x, int y, int width, int height) {
    windows().MoveWindow(this, x, y, width, height);
}

double Form1::Left() const {
    return pixelsToTwips(currentRect().left, windows().twipsPerPixelX());
}

double Form1::Top() const {
    return pixelsToTwips(currentRect().top, windows().twipsPerPixelY());
}

double Form1::Height() const {
    return pixelsToTwips(currentRect().height(), windows().twipsPerPixelY());
}

double Form1::Width() const {
    return pixelsToTwips(currentRect().width(), windows().twipsPerPixelX());
}

void Form1::setLeft(double twips) {
    const PixelRect r = currentRect();
    setGeometryPixels(twipsToPixels(twips, windows().twipsPerPixelX()), r.top, r.width(), r.height());
}

void Form1::setTop(double twips) {
    const PixelRect r = currentRect();
    setGeometryPixels(r.left, twipsToPixels(twips, windows().twipsPerPixelY()), r.width(), r.height());
}

void Form1::setHeight(double twips) {
    const PixelRect r = currentRect();
    setGeometryPixels(r.left, r.top, r.width(), twipsToPixels(twips, windows().twipsPerPixelY()));
}

bool Form1::isOpen() const {
    return currentRect().height() == twipsToPixels(mlngOpenHeight, windows().twipsPerPixelY());
}

void Form1::setLabel2Top(int twips) {
    mintLabel2Top = twips;
    Label2->setGeometry(twipsToPixels(kLabel2Left), twipsToPixels(twips), twipsToPixels(kLabel2Width),
                        twipsToPixels(kLabel2Height));
}

bool Form1::image1Enabled() const {
    return Image1->isEnabled();
}

void Form1::setImage1Enabled(bool enabled) {
    Image1->setEnabled(enabled);
}

QColor Form1::stripColour() const {
    return mpColourStrip->colour();
}

void Form1::activateFromAnotherCopy() {
    show();
    windows().keepOnTop(this);
}

} // namespace parlavo
