#pragma once

#include <QLabel>
#include <QStaticText>

namespace parlavo {

// A caption line. Its text moves sideways by the blanks in front of it, and it is redrawn many times a
// second while it moves; it lays the sentence out once and draws it shifted by the blanks' width
// instead of shaping the whole line on every frame.
class CaptionLabel : public QLabel {
    Q_OBJECT

public:
    explicit CaptionLabel(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QStaticText mSentence;
};

} // namespace parlavo
