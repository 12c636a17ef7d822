#include "caption/answer_mark.h"

#include "caption/caption_style.h"

#include <QPainter>
#include <QPainterPath>

namespace parlavo {

AnswerMark::AnswerMark(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void AnswerMark::showAnswer(bool knew) {
    mKnew = knew;
    raise();
    show();
    update();
}

void AnswerMark::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), captionBackground());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(captionText(), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QRectF box = QRectF(rect()).adjusted(4, 4, -4, -4);
    QPainterPath mark;
    if (mKnew) {
        mark.moveTo(box.left(), box.center().y());
        mark.lineTo(box.left() + box.width() * 0.4, box.bottom());
        mark.lineTo(box.right(), box.top());
    } else {
        mark.moveTo(box.topLeft());
        mark.lineTo(box.bottomRight());
        mark.moveTo(box.topRight());
        mark.lineTo(box.bottomLeft());
    }
    painter.drawPath(mark);
}

} // namespace parlavo
