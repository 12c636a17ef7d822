#pragma once

#include "core/settings.h"
#include "core/settings_store.h"

namespace parlavo {

// The settings file's format lives here and nowhere else: its keys, the text of each value, the left edge in
// twips, the 16-bit range of every number, sentence ids, and the repairs made on loading.

// The start-up load. On the first run (no "xxx" stored) every default is written first. Values that would
// crash or run away later are repaired in what is returned, never written back: an absent, non-numeric or
// out-of-range key takes its default, timings and the lesson are clamped into the dialog's ranges, a reading
// position that names no sentence restarts at the first one (said on standard error), and the left edge is
// pulled onto a screen `screenWidth` pixels wide.
Settings loadSettings(SettingsStore& store, int screenWidth);

// The save when the settings dialog closes: the dialog's keys (the chosen own lesson among them), only while saving
// on close is on.
// Returns false when the store could not be written.
bool saveDialogSettings(SettingsStore& store, const Settings& settings);

// The save of the exit command: reading aloud, the left edge and, while it is kept, the reading position (in the
// own lesson too while one is chosen).
bool saveExitSettings(SettingsStore& store, const Settings& settings);

// Writes the reading position alone, and only while it is kept; the save that keeps it current while the
// program runs. Returns false when the store could not be written.
bool saveReadingPosition(SettingsStore& store, const Settings& settings);

} // namespace parlavo
