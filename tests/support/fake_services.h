#pragma once

#include "app/caption_strip.h"
#include "core/desktop_services.h"
#include "tests/support/fake_bird.h"
#include "tests/support/fake_settings_store.h"
#include "tests/support/fake_window_system.h"

#include <QList>

namespace parlavo::test {

class FakeShell final : public Shell {
public:
    QList<QUrl> opened;
    bool open(const QUrl& target) override {
        opened << target;
        return true;
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

// Stands still until a test moves it; Monday 7 December 2026, 10:00 local time at first. Its alarm rings when told.
class FakeWallClock final : public WallClock {
public:
    QDateTime time{QDate(2026, 12, 7), QTime(10, 0)};
    QDateTime alarm;
    QDateTime now() const override { return time; }
    void setAlarm(const QDateTime& when) override { alarm = when; }
};

// Everything a caption window needs, in memory; `strip` is built on them.
struct FakeWorld {
    Settings settings;
    FakeSettingsStore store;
    FakeWindowSystem windows;
    FakeBird bird;
    FakeRandomSource random;
    FakeIdleInhibition idleInhibition;
    FakeWallClock clock;
    CaptionStrip strip{settings, {store, windows, bird, random, idleInhibition, clock}};

    // Runs the start-up and then the given number of pointer ticks.
    void startAndTick(int ticks) {
        strip.start();
        for (int i = 0; i < ticks; ++i)
            strip.onPointerTick();
    }
};

} // namespace parlavo::test
