#include "settings/spinner.h"

#include <QMouseEvent>
#include <QStyleOption>
#include <QStylePainter>

namespace parlavo {

namespace {

// Half a second before an arrow held down starts repeating, then a step every 50 ms.
constexpr int kRepeatDelayMs = 500;
constexpr int kRepeatIntervalMs = 50;

} // namespace

Spinner::Spinner(QWidget* parent) : QAbstractSlider(parent) {
    setOrientation(Qt::Vertical);
    setSingleStep(1);
    setPageStep(1);
    setFocusPolicy(Qt::StrongFocus);
}

QSize Spinner::sizeHint() const {
    return {9, 17};
}

QRect Spinner::upperHalf() const {
    return QRect(0, 0, width(), height() / 2);
}

QRect Spinner::lowerHalf() const {
    return QRect(0, height() / 2, width(), height() - height() / 2);
}

void Spinner::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    const std::pair<QRect, SliderAction> arrows[] = {{upperHalf(), SliderSingleStepAdd},
                                                     {lowerHalf(), SliderSingleStepSub}};
    for (const auto& [rect, action] : arrows) {
        QStyleOption option;
        option.initFrom(this);
        option.rect = rect;
        const bool atLimit = action == SliderSingleStepAdd ? value() >= maximum() : value() <= minimum();
        if (atLimit || !isEnabled())
            option.state &= ~QStyle::State_Enabled;
        option.state |= mHeldArrow == action ? QStyle::State_Sunken : QStyle::State_Raised;
        painter.drawPrimitive(QStyle::PE_PanelButtonBevel, option);
        painter.drawPrimitive(
            action == SliderSingleStepAdd ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown, option);
    }
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

void Spinner::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    mHeldArrow = upperHalf().contains(event->position().toPoint()) ? SliderSingleStepAdd : SliderSingleStepSub;
    triggerAction(mHeldArrow);
    setRepeatAction(mHeldArrow, kRepeatDelayMs, kRepeatIntervalMs);
    update();
}

void Spinner::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    mHeldArrow = SliderNoAction;
    setRepeatAction(SliderNoAction);
    update();
}

} // namespace parlavo
