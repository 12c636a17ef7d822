#include "caption/caption_label.h"

#include <QPainter>

namespace parlavo {

CaptionLabel::CaptionLabel(QWidget* parent) : QWidget(parent) {
    mSentence.setTextFormat(Qt::PlainText);
    mSentence.setPerformanceHint(QStaticText::AggressiveCaching);
}

void CaptionLabel::setText(const QString& text) {
    if (text == mText)
        return;
    mText = text;
    update();
}

void CaptionLabel::paintEvent(QPaintEvent*) {
    const QString& line = mText;
    qsizetype blanks = 0;
    while (blanks < line.size() && line.at(blanks) == u' ')
        ++blanks;
    const QString sentence = line.mid(blanks);
    if (sentence != mSentence.text()) {
        mSentence.setText(sentence);
        mSentence.prepare(QTransform(), font());
    }
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    const QRect area = rect();
    const qreal left = area.left() + blanks * fontMetrics().horizontalAdvance(u' ');
    const qreal top = area.top() + (area.height() - mSentence.size().height()) / 2;
    painter.drawStaticText(QPointF(left, top), mSentence);
}

} // namespace parlavo
