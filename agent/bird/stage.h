#pragma once

#include "agent/speaker.h"

#include <QRect>
#include <QString>
#include <QtGlobal>

namespace parlavo {

// How long a wave lasts on stage.
inline constexpr qint64 kWaveMs = 1500;

// What the bird's performance shows on screen: the bird and its balloon.
class Stage {
public:
    virtual ~Stage() = default;

    virtual void appear() = 0;
    virtual void disappear() = 0;
    // The bottom-right corner of this area is where the bird stands from now on.
    virtual void standInCorner(const QRect& area) = 0;
    virtual void wave() = 0;
    // 0 shut .. 1 wide open.
    virtual void setBeakOpening(qreal opening) = 0;

    virtual void showBalloon(const QString& line) = 0;
    // The colours of the balloons shown from now on.
    virtual void setBalloonSpeaker(Speaker speaker) = 0;
    // Marks the word being spoken as a range of the line; a length of 0 marks none.
    virtual void highlightWord(qsizetype start, qsizetype length) = 0;
    virtual void closeBalloon() = 0;
    // The balloon's text, in per cent of its normal size.
    virtual void setTextScale(int percent) = 0;
};

} // namespace parlavo
