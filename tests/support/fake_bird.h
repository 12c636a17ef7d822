#pragma once

#include "agent/bird.h"

#include <QStringList>

namespace parlavo::test {

// Records every call but the rate and the corner as a line such as "say:Hola" or "wave"; keeps the corner's area.
class FakeBird final : public Bird {
public:
    QStringList calls;
    PixelRect corner;

    void standInCorner(const PixelRect& area) override { corner = area; }
    void show() override { calls << QStringLiteral("show"); }
    void hide() override { calls << QStringLiteral("hide"); }
    void say(const QString& text, Speaker) override { calls << QStringLiteral("say:") + text; }
    void wave() override { calls << QStringLiteral("wave"); }
    void setSpeechRate(int) override {}
    void setTextScale(int percent) override { calls << QStringLiteral("text %1").arg(percent); }
    void stop() override { calls << QStringLiteral("stop"); }
    void hideWhenDone() override { calls << QStringLiteral("hideWhenDone"); }
};

} // namespace parlavo::test
