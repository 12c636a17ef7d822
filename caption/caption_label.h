#pragma once

#include <QStaticText>
#include <QString>
#include <QWidget>

namespace parlavo {

// A caption line: one line of plain text on a transparent background. Its text moves sideways by the
// blanks in front of it and changes many times a second while it moves, so it keeps the work of a change
// small: no size hints or layout requests, and the sentence is laid out once and drawn shifted by the
// blanks' width instead of being shaped again on every frame.
class CaptionLabel : public QWidget {
    Q_OBJECT

public:
    explicit CaptionLabel(QWidget* parent);

    QString text() const { return mText; }
    void setText(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString mText;
    QStaticText mSentence;
};

} // namespace parlavo
