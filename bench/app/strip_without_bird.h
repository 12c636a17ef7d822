#pragma once

#include "agent/character.h"
#include "app/caption_strip.h"
#include "core/dbus_idle_inhibition.h"
#include "core/qt_desktop_services.h"
#include "core/qt_settings_store.h"
#include "core/qt_window_system.h"

namespace parlavo {

// Measures the strip alone: loading fails, so the caption window runs with its silent stand-in.
class NoCharacters final : public Characters {
public:
    void Load(const QString&, const QString&) override { throw CharacterError("measuring without a character"); }
    Character& operator()(const QString&) override { throw CharacterError("measuring without a character"); }
};

// The caption window on the real window system and settings store, without its speaking bird.
struct StripWithoutBird {
    QtSettingsStore store;
    QtWindowSystem windows;
    QtMessageBox messageBox;
    ClockRandomSource random;
    DbusIdleInhibition idleInhibition;
    NoCharacters characters;
    SharedState state;
    CaptionStrip strip{state, {store, windows, characters, messageBox, random, idleInhibition}};
};

} // namespace parlavo
