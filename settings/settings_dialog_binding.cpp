// Everything that reads or writes the record lives here, and only here: filling the controls from it, the
// switches writing their fields when clicked, and committing the choices on closing.

#include "core/settings_io.h"
#include "lessons/sentence_catalogue.h"
#include "settings/settings_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QRadioButton>
#include <QSpinBox>

#include <cstdio>

namespace parlavo {

namespace {

// The first line of lesson 1: where sequence play of the whole course begins.
constexpr qint16 kStartOfCourse = kFirstSentenceId + kIdsPerLesson + 1;

} // namespace

void SettingsDialog::fillFromRecord() {
    // Any nonzero value shows ticked; the field keeps it until the box is clicked.
    autoHideBox->setChecked(mState.autoHide != 0);
    saveReadingPositionBox->setChecked(mState.saveReadingPosition != 0);
    startAtLogOnBox->setChecked(mState.startAtLogOn != 0);
    saveSettingsBox->setChecked(mState.saveSettingsOnClose != 0);
    stepAsideForFilmsBox->setChecked(mState.stepAsideForFilms != 0);

    // A value outside the box's range shows as the nearest limit, the value closing will commit.
    timingBoxes[0]->setValue(mState.timesPerSentence);
    timingBoxes[1]->setValue(mState.spanishSeconds);
    timingBoxes[2]->setValue(mState.englishSeconds);
    speechSpeedBox->setValue(mState.speechRate);

    playModeChoices[mState.inSequence == 0 ? 0 : 1]->setChecked(true);
    languageOrderChoices[mState.languageOrder == 1 ? 0 : 1]->setChecked(true);
    // A lesson number outside the list selects nothing, and closing then keeps it.
    if (QAbstractButton* lesson = mLessons->button(mState.lesson))
        lesson->setChecked(true);
}

// Only a click writes a switch's field, 0 or 1, and at once: filling the box from the record must not
// normalise a stored 2 to 1.
void SettingsDialog::writeSwitchesOnClick() {
    const auto writeOnClick = [this](QCheckBox* box, qint16& field) {
        connect(box, &QCheckBox::clicked, this, [&field](bool ticked) { field = ticked ? 1 : 0; });
    };
    writeOnClick(autoHideBox, mState.autoHide);
    writeOnClick(saveReadingPositionBox, mState.saveReadingPosition);
    writeOnClick(startAtLogOnBox, mState.startAtLogOn);
    writeOnClick(saveSettingsBox, mState.saveSettingsOnClose);
    writeOnClick(stepAsideForFilmsBox, mState.stepAsideForFilms);
}

void SettingsDialog::commitChoices() {
    // Moving from one lesson to the whole course would resume the course at the saved position inside
    // that lesson; with the position saved, the course starts from its beginning instead.
    const int lesson = mLessons->checkedId();
    if (mState.lesson != 0 && saveReadingPositionBox->isChecked() && lesson == 0)
        mState.readingPosition = kStartOfCourse;
    if (lesson >= 0)
        mState.lesson = static_cast<qint16>(lesson);

    mState.inSequence = playModeChoices[0]->isChecked() ? 0 : 1;
    mState.languageOrder = languageOrderChoices[0]->isChecked() ? 1 : 0;
    // A box's value is always its last acceptable number: half-typed text never reaches the record.
    mState.timesPerSentence = static_cast<qint16>(timingBoxes[0]->value());
    mState.spanishSeconds = static_cast<qint16>(timingBoxes[1]->value());
    mState.englishSeconds = static_cast<qint16>(timingBoxes[2]->value());
    mState.speechRate = static_cast<qint16>(speechSpeedBox->value());

    if (mState.saveSettingsOnClose != 0) {
        applyStartAtLogOn(mAutostart, mState.startAtLogOn);
        if (!saveDialogSettings(mStore, mState))
            std::fprintf(stderr, "parlavo: the settings could not be saved\n");
    }
}

} // namespace parlavo
