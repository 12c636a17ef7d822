#pragma once

#include "app/caption_strip.h"
#include "core/settings_store.h"
#include "settings/autostart.h"

#include <QDialog>

#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QKeySequenceEdit;
class QLabel;
class QLayout;
class QRadioButton;
class QSpinBox;

namespace parlavo {

class OwnLessonsPanel;

// The settings dialog: lesson, play mode, language order, timings, the switches and the speech speed. It is
// modeless, so the strip stays live while it is open, but the strip's menu picture and its playback
// timer stay off until it closes. It has no OK or Cancel: closing it, by its close box or Escape, always
// commits the choices into the record and, while "Save setting while exit" is on, into the store and the
// autostart entry. It deletes itself on closing; the next Settings command makes a new one.
class SettingsDialog : public QDialog {
    Q_OBJECT

public:
    // Lesson 0 plays the whole course.
    static constexpr int kLessonCount = 18;

    // Builds the dialog as a window of its own owned by `strip`, and fills it from the record.
    SettingsDialog(CaptionStrip& strip, SettingsStore& store, Autostart& autostart);

    // Controls.
    QGroupBox* lessonFrame = nullptr;
    QGroupBox* playModeFrame = nullptr;
    QGroupBox* languageOrderFrame = nullptr;
    std::array<QRadioButton*, kLessonCount> lessonChoices{};
    std::array<QRadioButton*, 3> playModeChoices{};      // at random, in sequence, review
    std::array<QRadioButton*, 2> languageOrderChoices{}; // Spanish first, English first
    QLabel* repeatsLabel = nullptr;
    QLabel* spanishSecondsLabel = nullptr;
    QLabel* englishSecondsLabel = nullptr;
    std::array<QSpinBox*, 3> timingBoxes{}; // times per sentence, Spanish seconds, English seconds
    QLabel* speechSpeedLabel = nullptr;
    QSpinBox* speechSpeedBox = nullptr;
    QCheckBox* saveSettingsBox = nullptr;
    QCheckBox* saveReadingPositionBox = nullptr;
    QCheckBox* autoHideBox = nullptr;
    QCheckBox* startAtLogOnBox = nullptr;
    QCheckBox* stepAsideForFilmsBox = nullptr;
    OwnLessonsPanel* ownLessons = nullptr;
    QComboBox* textSizeBox = nullptr;                             // Normal, Large, Larger
    std::array<QKeySequenceEdit*, kCommandCount> shortcutBoxes{}; // by Command

public slots:
    // Escape asks a dialog to reject; this one has nothing to reject, and closes the way its close box does.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Layout (settings_dialog_layout.cpp).
    void buildControls();
    void buildLessonChoice();
    QLayout* buildPlayChoices();
    QLayout* buildTimingsAndSwitches();
    QSpinBox* addTimingRow(QGridLayout& grid, int row, const QString& lead, int minimum, int maximum,
                           const QString& tail, QLabel*& leadLabel, int tailColumns = 1);
    QLayout* buildTextAndKeyRows();
    void orderTabStops();
    void enterOptionGroupsAtTheirChoice();
    void onPlayModeChanged();
    void buildOwnLessons();
    void clearBuiltInChoice();

    // Everything that reads or writes the record (settings_dialog_binding.cpp).
    void fillFromRecord();
    void writeSwitchesOnClick();
    void commitChoices();

    CaptionStrip& mStrip;
    Settings& mSettings;
    SettingsStore& mStore;
    Autostart& mAutostart;
    QButtonGroup* mLessons = nullptr;
    // Closing commits once; a dialog waiting for its deletion is no longer open.
    bool mClosed = false;
};

// The Settings command: makes the dialog, places its client area with its top-left corner 266.67 pixels left of
// and 200 pixels above the middle of the primary screen, and shows it modeless. The dialog belongs to `strip` and
// deletes itself on closing.
SettingsDialog* showSettingsDialog(CaptionStrip& strip, SettingsStore& store, Autostart& autostart);

} // namespace parlavo
