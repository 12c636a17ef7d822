// Everything that reads or writes the settings lives here, and only here: filling the controls from it, the
// switches writing their fields when clicked, and committing the choices on closing.

#include "core/settings_io.h"
#include "settings/own_lessons_panel.h"
#include "settings/settings_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QKeySequenceEdit>
#include <QRadioButton>
#include <QSpinBox>

#include <algorithm>
#include <cstdio>

namespace parlavo {

void SettingsDialog::fillFromRecord() {
    autoHideBox->setChecked(mSettings.autoHide);
    saveReadingPositionBox->setChecked(mSettings.saveReadingPosition);
    startAtLogOnBox->setChecked(mSettings.startAtLogOn);
    saveSettingsBox->setChecked(mSettings.saveSettingsOnClose);
    stepAsideForFilmsBox->setChecked(mSettings.stepAsideForFilms);

    // A value outside the box's range shows as the nearest limit, the value closing will commit.
    timingBoxes[0]->setValue(mSettings.timesPerSentence);
    timingBoxes[1]->setValue(mSettings.spanishSeconds);
    timingBoxes[2]->setValue(mSettings.englishSeconds);
    speechSpeedBox->setValue(mSettings.speechRate);
    for (std::size_t i = 0; i < kCommandCount; ++i)
        shortcutBoxes[i]->setKeySequence(mSettings.shortcuts[i]);
    textSizeBox->setCurrentIndex(
        int(std::find(kTextScales.begin(), kTextScales.end(), mSettings.textScale) - kTextScales.begin()));

    playModeChoices[mSettings.review ? 2 : mSettings.inSequence ? 1 : 0]->setChecked(true);
    languageOrderChoices[mSettings.languageOrder == LanguageOrder::SpanishFirst ? 0 : 1]->setChecked(true);
    // A lesson number outside the list selects nothing, and closing then keeps it.
    if (QAbstractButton* lesson = mLessons->button(mSettings.lesson))
        lesson->setChecked(true);
    ownLessons->fill(mSettings.ownLesson.name);
}

// A switch acts at once, when it is clicked: auto-hide, for one, while the dialog is still open.
void SettingsDialog::writeSwitchesOnClick() {
    const auto writeOnClick = [this](QCheckBox* box, bool& field) {
        connect(box, &QCheckBox::clicked, this, [&field](bool ticked) { field = ticked; });
    };
    writeOnClick(autoHideBox, mSettings.autoHide);
    writeOnClick(saveReadingPositionBox, mSettings.saveReadingPosition);
    writeOnClick(startAtLogOnBox, mSettings.startAtLogOn);
    writeOnClick(saveSettingsBox, mSettings.saveSettingsOnClose);
    writeOnClick(stepAsideForFilmsBox, mSettings.stepAsideForFilms);
}

void SettingsDialog::commitChoices() {
    // Moving from one lesson to the whole course would resume the course at the saved position inside
    // that lesson; with the position saved, the course starts from its beginning instead.
    const int lesson = mLessons->checkedId();
    if (mSettings.lesson != 0 && saveReadingPositionBox->isChecked() && lesson == 0)
        mSettings.readingPosition = {1, 1};
    if (lesson >= 0)
        mSettings.lesson = lesson;
    // Another own lesson starts at its beginning; the lessons on disk may have changed, so it is read afresh.
    if (const QString own = ownLessons->chosen(); own != mSettings.ownLesson.name)
        mSettings.ownLesson = {own, 0};
    mStrip.ownLessons().forget();

    mSettings.review = playModeChoices[2]->isChecked();
    mSettings.inSequence = playModeChoices[1]->isChecked() || mSettings.review;
    mSettings.languageOrder =
        languageOrderChoices[0]->isChecked() ? LanguageOrder::SpanishFirst : LanguageOrder::EnglishFirst;
    // A box's value is always its last acceptable number: half-typed text never reaches the settings.
    mSettings.timesPerSentence = timingBoxes[0]->value();
    mSettings.spanishSeconds = timingBoxes[1]->value();
    mSettings.englishSeconds = timingBoxes[2]->value();
    mSettings.speechRate = speechSpeedBox->value();
    mSettings.textScale = kTextScales[std::size_t(textSizeBox->currentIndex())];
    // A key is one combination; what the box took after the first is dropped.
    for (std::size_t i = 0; i < kCommandCount; ++i) {
        const QKeySequence keys = shortcutBoxes[i]->keySequence();
        mSettings.shortcuts[i] = keys.isEmpty() ? QKeySequence() : QKeySequence(keys[0]);
    }

    if (mSettings.saveSettingsOnClose) {
        applyStartAtLogOn(mAutostart, mSettings.startAtLogOn);
        if (!saveDialogSettings(mStore, mSettings))
            std::fprintf(stderr, "parlavo: the settings could not be saved\n");
    }
}

} // namespace parlavo
