#pragma once

#include "app/caption_strip.h"
#include "core/dbus_idle_inhibition.h"
#include "core/qt_desktop_services.h"
#include "core/qt_settings_store.h"
#include "core/qt_window_system.h"

namespace parlavo {

// Measures the strip alone: the bird it drives does nothing.
class AbsentBird final : public Bird {
public:
    void show() override {}
    void hide() override {}
    void say(const QString&, Speaker) override {}
    void wave() override {}
    void setSpeechRate(int) override {}
    void stop() override {}
    void hideWhenDone() override {}
};

// The caption window on the real window system and settings store, without its speaking bird.
struct StripWithoutBird {
    QtSettingsStore store;
    QtWindowSystem windows;
    QtMessageBox messageBox;
    ClockRandomSource random;
    DbusIdleInhibition idleInhibition;
    AbsentBird bird;
    SharedState state;
    CaptionStrip strip{state, {store, windows, bird, messageBox, random, idleInhibition}};
};

} // namespace parlavo
