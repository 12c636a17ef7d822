#pragma once

#include <QWidget>

namespace parlavo {

// The strip's acknowledgement of an answer: a tick for "knew it" or a cross for "didn't know it", drawn in the
// caption's colours over the end of the text.
class AnswerMark : public QWidget {
public:
    explicit AnswerMark(QWidget* parent);
    void showAnswer(bool knew);
    bool knew() const { return mKnew; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool mKnew = true;
};

} // namespace parlavo
