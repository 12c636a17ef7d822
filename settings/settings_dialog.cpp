#include "settings/settings_dialog.h"

#include "core/settings_io.h"
#include "core/units.h"
#include "lessons/sentence_catalogue.h"
#include "settings/settings_dialog_design.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>

#include <cstdio>

namespace parlavo {

namespace {

// The first line of lesson 1: where sequence play of the whole course begins.
constexpr qint16 kStartOfCourse = kFirstSentenceId + kIdsPerLesson + 1;

constexpr Qt::WindowFlags kDialogFlags = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                                         Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

} // namespace

SettingsDialog::SettingsDialog(CaptionStrip& strip, SettingsStore& store, Autostart& autostart)
    : QWidget(&strip, kDialogFlags), mStrip(strip), mState(strip.state()), mStore(store), mAutostart(autostart) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Setting..."));
    setFixedSize(twipsToPixels(kWidthTwips), twipsToPixels(kHeightTwips));
    buildControls();
    fillFromRecord();
    enterOptionGroupsAtTheirChoice();
}

void SettingsDialog::fillFromRecord() {
    mStrip.setMenuPictureEnabled(false);
    mStrip.playbackTimer.stop();

    // Any nonzero value shows ticked; the field keeps it until the box is clicked.
    for (const design::Switch& entry : design::kSwitches)
        (this->*entry.control)->setChecked(mState.*entry.field != 0);

    // A value outside the box's range shows as the nearest limit, the value closing will commit.
    for (std::size_t row = 0; row < design::kTimingRows.size(); ++row)
        timingBoxes[row]->setValue(mState.*design::kTimingRows[row].field);

    playModeChoices[mState.inSequence == 0 ? 0 : 1]->setChecked(true);
    languageOrderChoices[mState.languageOrder == 1 ? 0 : 1]->setChecked(true);
    // A lesson number outside the list selects nothing, and closing then keeps it.
    if (QAbstractButton* lesson = mLessons->button(mState.lesson))
        lesson->setChecked(true);
}

// Saving the reading position only means something in sequence play.
void SettingsDialog::onPlayModeChanged() {
    saveReadingPositionBox->setEnabled(playModeChoices[1]->isChecked());
}

int SettingsDialog::chosenLesson() const {
    return mLessons->checkedId();
}

void SettingsDialog::commitChoices() {
    mStrip.setMenuPictureEnabled(true);
    // While the intro still runs, its own last step starts playback.
    if (mState.introCountdown <= 2)
        mStrip.startPlayback();

    // Moving from one lesson to the whole course would resume the course at the saved position inside
    // that lesson; with the position saved, the course starts from its beginning instead.
    const int lesson = chosenLesson();
    if (mState.lesson != 0 && saveReadingPositionBox->isChecked() && lesson == 0)
        mState.readingPosition = kStartOfCourse;
    if (lesson >= 0)
        mState.lesson = static_cast<qint16>(lesson);

    mState.inSequence = playModeChoices[0]->isChecked() ? 0 : 1;
    mState.languageOrder = languageOrderChoices[0]->isChecked() ? 1 : 0;
    // A box's value is always its last acceptable number: half-typed text never reaches the record.
    for (std::size_t row = 0; row < design::kTimingRows.size(); ++row)
        mState.*design::kTimingRows[row].field = static_cast<qint16>(timingBoxes[row]->value());

    if (mState.saveSettingsOnClose != 0) {
        applyStartAtLogOn(mAutostart, mState.startAtLogOn);
        if (!saveDialogSettings(mStore, mState))
            std::fprintf(stderr, "parlavo: the settings could not be saved\n");
    }
}

void SettingsDialog::closeEvent(QCloseEvent* event) {
    if (!mClosed) {
        mClosed = true;
        commitChoices();
    }
    event->accept();
}

// While the dialog is open the menu picture is off, and with it Exit: minimised by a window manager
// that offers it anyway, the dialog would be out of reach for good, so it comes straight back.
void SettingsDialog::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized() && !mClosed) {
        QTimer::singleShot(0, this, [this] {
            setWindowState(windowState() & ~Qt::WindowMinimized);
            show();
            raise();
            activateWindow();
        });
    }
}

void SettingsDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
    else
        QWidget::keyPressEvent(event);
}

SettingsDialog* showSettingsDialog(CaptionStrip& strip, SettingsStore& store, Autostart& autostart) {
    auto* dialog = new SettingsDialog(strip, store, autostart);
    WindowSystem& windows = strip.windows();
    const double left = windows.screenWidthTwips() / 2.0 - 4000;
    const double top = windows.screenHeightTwips() / 2.0 - 3000;
    windows.moveWindow(dialog, twipsToPixels(left, windows.twipsPerPixelX()),
                       twipsToPixels(top, windows.twipsPerPixelY()), dialog->width(), dialog->height());
    dialog->show();
    return dialog;
}

} // namespace parlavo
