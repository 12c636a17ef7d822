#pragma once

#include "core/settings_store.h"
#include "core/shared_state.h"

namespace parlavo {

// The start-up load. On the first run (empty "xxx") every default is written first. Values that
// would crash or run away later are repaired in the record (never written back): an absent, non-numeric
// or out-of-range key takes its default, timings and the lesson are clamped into the dialog's ranges,
// a reading position outside the lessons restarts at the first sentence. Returns the caption
// window's left edge in twips, pulled onto a screen `screenWidthTwips` wide.
double loadSettings(SettingsStore& store, SharedState& state, int screenWidthTwips);

// The save when the settings dialog closes: the dialog's keys, only while `saveSettingsOnClose` is nonzero.
// Returns false when the store could not be written.
bool saveDialogSettings(SettingsStore& store, const SharedState& state);

// Whether the reading position is kept across runs: in sequence play with position saving on.
bool keepsReadingPosition(const SharedState& state);

// The save of the exit command: "voice", "left" and, while the position is kept, "guagen".
bool saveExitSettings(SettingsStore& store, const SharedState& state, double leftTwips);

// Writes "guagen" alone, and only while the position is kept; the save that keeps it current while
// the program runs. Returns false when the store could not be written.
bool saveReadingPosition(SettingsStore& store, const SharedState& state);

// The left edge the first run stores: half the screen less 2000 twips.
double defaultLeftTwips(int screenWidthTwips);

} // namespace parlavo
