#pragma once

// The settings dialog's controls as data: where each sits (in twips), its place in the tab order and,
// for the controls that show a field of the record, which field. Only the dialog's sources include this.

#include "core/shared_state.h"
#include "settings/settings_dialog.h"

#include <array>

namespace parlavo::design {

struct Place {
    int left;
    int top;
    int width;
    int height;
};

struct Frame {
    QGroupBox* SettingsDialog::*control;
    const char* caption;
    Place place;
    int tabIndex;
};

inline constexpr std::array<Frame, 3> kFrames = {{
    {&SettingsDialog::lessonFrame, "Play Content", {120, 120, 5505, 3135}, 0},
    {&SettingsDialog::playModeFrame, "Play mode", {120, 3345, 1755, 855}, 2},
    {&SettingsDialog::languageOrderFrame, "English and Spanish Order", {2400, 3360, 3180, 855}, 3},
}};

// A choice inside a frame, placed relative to the frame.
struct Choice {
    Place place;
    int tabIndex;
};

inline constexpr int kLessonHeight = 195;

// Lesson 0, the whole course, heads the left column; lessons 1 to 10 follow it there, 11 to 17 fill the
// right column. The right column comes first in the tab order.
inline constexpr std::array<Choice, SettingsDialog::kLessonCount> kLessons = {{
    {{240, 285, 1020, kLessonHeight}, 1},
    {{240, 600, 1740, kLessonHeight}, 30},
    {{240, 840, 2340, kLessonHeight}, 31},
    {{240, 1080, 2340, kLessonHeight}, 32},
    {{240, 1320, 1740, kLessonHeight}, 33},
    {{240, 1560, 2340, kLessonHeight}, 34},
    {{240, 1800, 2460, kLessonHeight}, 35},
    {{240, 2040, 2340, kLessonHeight}, 36},
    {{240, 2280, 1740, kLessonHeight}, 37},
    {{240, 2520, 1380, kLessonHeight}, 38},
    {{240, 2760, 1740, kLessonHeight}, 39},
    {{2880, 600, 1620, kLessonHeight}, 23},
    {{2880, 840, 1620, kLessonHeight}, 24},
    {{2880, 1080, 2220, kLessonHeight}, 25},
    {{2880, 1320, 1500, kLessonHeight}, 26},
    {{2880, 1560, 1620, kLessonHeight}, 27},
    {{2880, 1800, 2460, kLessonHeight}, 28},
    {{2880, 2040, 2340, kLessonHeight}, 29},
}};

// A pair of exclusive choices in a frame of its own.
struct ChoicePair {
    std::array<QRadioButton*, 2> SettingsDialog::*controls;
    QGroupBox* SettingsDialog::*frame;
    std::array<const char*, 2> captions;
    std::array<Choice, 2> choices;
};

inline constexpr ChoicePair kPlayMode = {
    &SettingsDialog::playModeChoices,
    &SettingsDialog::playModeFrame,
    {"at random", "Sequence"},
    {{{{120, 240, 1335, 285}, 8}, {{135, 495, 1095, 285}, 12}}},
};

inline constexpr ChoicePair kLanguageOrder = {
    &SettingsDialog::languageOrderChoices,
    &SettingsDialog::languageOrderFrame,
    {"First Spanish, then English", "First English, then Spanish"},
    {{{{135, 225, 2790, 285}, 11}, {{135, 495, 2790, 285}, 13}}},
};

// A timing row reads "<lead> [number] <tail>": the number's spin box covers the run of blanks in the
// middle of the row's label.
struct TimingRow {
    QLabel* SettingsDialog::*label;
    const char* lead;
    int blanks;
    const char* tail;
    Place labelPlace;
    int labelTabIndex;
    Place boxPlace;
    int boxTabIndex;
    qint16 minimum;
    qint16 maximum;
    qint16 SharedState::*field;
};

// Every spin box is 540 twips (36 pixels) wide: the least that shows "12" or "15" whole, with the text
// cursor after it, beside the arrows of the Fusion style; and the most the English row's blanks leave
// before its tail, with a pixel to spare.
inline constexpr std::array<TimingRow, 3> kTimingRows = {{
    {&SettingsDialog::repeatsLabel,
     "Per sentence play",
     14,
     "time.",
     {240, 4440, 2640, 195},
     4,
     {1620, 4400, 540, 270},
     6,
     1,
     12,
     &SharedState::timesPerSentence},
    {&SettingsDialog::spanishSecondsLabel,
     "Spanish Display",
     15,
     "second.",
     {240, 4800, 2880, 195},
     5,
     {1500, 4800, 540, 270},
     7,
     5,
     15,
     &SharedState::spanishSeconds},
    {&SettingsDialog::englishSecondsLabel,
     "English Display",
     15,
     "second.",
     {240, 5160, 2760, 195},
     9,
     {1500, 5160, 540, 270},
     10,
     3,
     15,
     &SharedState::englishSeconds},
}};

// Below every other control, as the dialog's last row: how fast the bird speaks. Its box is wider than the
// others', for three digits. The dialog grows by the row and a gap like the others' above it, and keeps its margin.
inline constexpr TimingRow kSpeechSpeedRow = {&SettingsDialog::speechSpeedLabel,
                                              "Speech speed",
                                              17,
                                              "words a minute",
                                              {240, 5820, 3000, 195},
                                              14,
                                              {1320, 5790, 660, 270},
                                              15,
                                              80,
                                              300,
                                              &SharedState::speechRate};
inline constexpr int kSpeechSpeedStep = 10;

// A check box that writes its field of the record, 0 or 1, the moment it is clicked.
struct Switch {
    QCheckBox* SettingsDialog::*control;
    const char* caption;
    Place place;
    int tabIndex;
    qint16 SharedState::*field;
};

inline constexpr std::array<Switch, 5> kSwitches = {{
    {&SettingsDialog::autoHideBox, "Auto Hide", {3000, 4440, 1260, 255}, 18, &SharedState::autoHide},
    {&SettingsDialog::saveReadingPositionBox,
     "Save schedule while exit",
     {3000, 4800, 2535, 255},
     17,
     &SharedState::saveReadingPosition},
    {&SettingsDialog::startAtLogOnBox,
     "Start with windows start",
     {3000, 5100, 2475, 255},
     19,
     &SharedState::startAtLogOn},
    {&SettingsDialog::saveSettingsBox,
     "Save setting while exit",
     {3000, 5460, 2535, 255},
     20,
     &SharedState::saveSettingsOnClose},
    // Below the speech speed, across the dialog: the longest caption of all.
    {&SettingsDialog::stepAsideForFilmsBox,
     "Step aside for films and presentations",
     {240, 6180, 5000, 255},
     21,
     &SharedState::stepAsideForFilms},
}};

} // namespace parlavo::design
