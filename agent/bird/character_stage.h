#pragma once

#include "agent/bird/balloon_window.h"
#include "agent/bird/bird_window.h"
#include "agent/bird/stage.h"
#include "agent/bird/topmost_keeper.h"

namespace parlavo {

// The bird's window and its balloon, kept side by side wherever the bird is dragged.
class CharacterStage final : public Stage {
public:
    explicit CharacterStage(const Clock& clock);

    void appear() override;
    void disappear() override;
    void standInCorner(const QRect& area) override { bird_.standInCorner(area); }
    void wave() override;
    void setBeakOpening(qreal opening) override;
    void showBalloon(const QString& line) override;
    void setBalloonSpeaker(Speaker speaker) override;
    void highlightWord(qsizetype start, qsizetype length) override;
    void closeBalloon() override;
    void setTextScale(int percent) override { balloon_.setTextScale(percent); }

    BirdWindow& bird() { return bird_; }
    BalloonWindow& balloon() { return balloon_; }

private:
    void placeBalloon();

    BirdWindow bird_;
    BalloonWindow balloon_;
    TopmostKeeper topmost_;
};

} // namespace parlavo
