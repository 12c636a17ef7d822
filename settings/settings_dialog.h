#pragma once

#include "app/caption_strip.h"
#include "core/settings_store.h"
#include "settings/autostart.h"

#include <QWidget>

#include <array>
#include <utility>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QRadioButton;
class QSpinBox;

namespace parlavo {

namespace design {
struct TimingRow;
}

// The settings dialog: lesson, play mode, language order, timings, the four switches and the speech speed. It is
// modeless, so the strip stays live while it is open, but the strip's menu picture and its playback
// timer stay off until it closes. Closing it always commits the choices into the
// record and, while "Save setting while exit" is on, into the store and the autostart entry. It
// deletes itself on closing; the next Settings command makes a new one.
class SettingsDialog : public QWidget {
    Q_OBJECT

public:
    static constexpr int kWidthTwips = 5775;
    static constexpr int kHeightTwips = 6540;
    // Lesson 0 plays the whole course.
    static constexpr int kLessonCount = 18;

    // Builds the dialog as a window of its own owned by `strip`, and fills it from the record.
    SettingsDialog(CaptionStrip& strip, SettingsStore& store, Autostart& autostart);

    // Controls.
    QGroupBox* lessonFrame = nullptr;
    QGroupBox* playModeFrame = nullptr;
    QGroupBox* languageOrderFrame = nullptr;
    std::array<QRadioButton*, kLessonCount> lessonChoices{};
    std::array<QRadioButton*, 2> playModeChoices{};      // at random, in sequence
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

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Controls paired with their design tab index, put in order once all exist.
    using TabOrder = std::vector<std::pair<int, QWidget*>>;

    void buildControls();
    void buildLessonChoice(TabOrder& tabOrder);
    void buildPlayChoices(TabOrder& tabOrder);
    void buildTimingRows(TabOrder& tabOrder);
    QSpinBox* buildTimingRow(const design::TimingRow& timing, TabOrder& tabOrder);
    void buildSwitches(TabOrder& tabOrder);
    void enterOptionGroupsAtTheirChoice();

    void fillFromRecord();
    void commitChoices();
    void onPlayModeChanged();
    int chosenLesson() const;

    CaptionStrip& mStrip;
    SharedState& mState;
    SettingsStore& mStore;
    Autostart& mAutostart;
    QButtonGroup* mLessons = nullptr;
    // Closing commits once; a dialog waiting for its deletion is no longer open.
    bool mClosed = false;
};

// The Settings command: makes the dialog, places its client area with its top-left corner 4000 twips
// left of and 3000 twips above the middle of the screen, and shows it modeless. The dialog belongs to
// `strip` and deletes itself on closing.
SettingsDialog* showSettingsDialog(CaptionStrip& strip, SettingsStore& store, Autostart& autostart);

} // namespace parlavo
