#pragma once

#include "agent/bird.h"
#include "app/caption_strip.h"
#include "core/dbus_idle_inhibition.h"
#include "core/qt_desktop_services.h"
#include "core/qt_settings_store.h"
#include "core/qt_window_system.h"

namespace parlavo {

// The strip alone: a bird that does nothing.
class NoBird final : public Bird {
public:
    void show() override {}
    void standInCorner(const PixelRect&) override {}
    void hide() override {}
    void say(const QString&, Speaker) override {}
    void wave() override {}
    void setSpeechRate(int) override {}
    void setTextScale(int) override {}
    void stop() override {}
    void hideWhenDone() override {}
};

// The caption window on the real window system and settings store, without its speaking bird.
struct StripWithoutBird {
    QtSettingsStore store;
    QtWindowSystem windows;
    ClockRandomSource random;
    DbusIdleInhibition idleInhibition;
    NoBird bird;
    SystemWallClock clock;
    Settings settings;
    CaptionStrip strip{settings, {store, windows, bird, random, idleInhibition, clock}};
};

} // namespace parlavo
