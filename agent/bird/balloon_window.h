#pragma once

#include "agent/speaker.h"

#include <QWidget>

namespace parlavo {

// The speech balloon beside the bird: the whole line, as given, with the word being spoken marked. Frameless,
// above other windows, never taking the keyboard, and shaped to the balloon with its tail.
class BalloonWindow final : public QWidget {
    Q_OBJECT
public:
    BalloonWindow();

    void setLine(const QString& line);
    const QString& line() const { return line_; }
    // Each speaker has a balloon of its own colours, so a turn of the dialogue shows whose it is at a glance.
    void setSpeaker(Speaker speaker);
    // The text's size in per cent of the normal 15 pixels.
    void setTextScale(int percent);
    Speaker speaker() const { return speaker_; }
    // A range of the line to mark; a length of 0 marks nothing.
    void setHighlight(qsizetype start, qsizetype length);
    std::pair<qsizetype, qsizetype> highlight() const { return {highlightStart_, highlightLength_}; }

    // Puts the balloon beside the bird inside the screen area, on its left unless there is no room there; the
    // tail points at the bird's head.
    void placeBeside(const QRect& bird, const QRect& screenArea);

    // The balloon as it is drawn now, on a transparent background.
    QImage picture() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void resizeToLine();
    void reshape();
    void paintBalloon(QPainter& painter) const;
    QRectF bodyRect() const;

    QString line_;
    Speaker speaker_ = Speaker::Bird;
    qsizetype highlightStart_ = 0;
    qsizetype highlightLength_ = 0;
    bool tailOnRight_ = true;
};

} // namespace parlavo
