#pragma once

#include "app/caption_strip.h"
#include "core/desktop_services.h"
#include "tests/support/fake_bird.h"
#include "tests/support/fake_settings_store.h"
#include "tests/support/fake_window_system.h"

#include <QList>
#include <QStringList>

namespace parlavo::test {

class FakeMessageBox final : public MessageBox {
public:
    QStringList shown; // "caption|text"
    void show(const QString& caption, const QString& text) override { shown << caption + QLatin1Char('|') + text; }
};

class FakeShell final : public Shell {
public:
    QList<QUrl> opened;
    bool succeed = true;
    bool open(const QUrl& target) override {
        opened << target;
        return succeed;
    }
};

// Hands out the queued values in turn, then 0; counts reseeds.
class FakeRandomSource final : public RandomSource {
public:
    QList<float> values;
    int reseeds = 0;
    void reseedFromClock() override { ++reseeds; }
    float next() override { return values.isEmpty() ? 0.0f : values.takeFirst(); }
};

class FakeIdleInhibition final : public IdleInhibition {
public:
    bool isHeld = false;
    bool held() const override { return isHeld; }
};

// Everything a caption window needs, in memory; `strip` is built on them.
struct FakeWorld {
    SharedState state;
    FakeSettingsStore store;
    FakeWindowSystem windows;
    FakeBird bird;
    FakeMessageBox messageBox;
    FakeRandomSource random;
    FakeIdleInhibition idleInhibition;
    CaptionStrip strip{state, {store, windows, bird, messageBox, random, idleInhibition}};

    // Runs the start-up and then the given number of pointerTimer ticks.
    void startAndTick(int ticks) {
        strip.start();
        for (int i = 0; i < ticks; ++i)
            strip.onPointerTick();
    }
};

} // namespace parlavo::test
