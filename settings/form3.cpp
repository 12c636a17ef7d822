#include "settings/form3.h"

#include "core/settings_io.h"
#include "core/units.h"
#include "lessons/sentence_catalogue.h"
#include "settings/form3_design.h"
#include "settings/spinner.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLineEdit>
#include <QRadioButton>

#include <cstdio>

namespace parlavo {

namespace {

// The first line of lesson 1: where sequence play of the whole course begins.
constexpr qint16 kStartOfCourse = kFirstSentenceId + kIdsPerLesson + 1;

constexpr Qt::WindowFlags kDialogFlags = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                                         Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

} // namespace

Form3::Form3(Form1& form1, SettingsStore& store, Autostart& autostart)
    : QWidget(&form1, kDialogFlags), mForm1(form1), mState(form1.state()), mStore(store), mAutostart(autostart) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Setting..."));
    setFixedSize(twipsToPixels(kWidthTwips), twipsToPixels(kHeightTwips));
    buildControls();
    Form_Load();
    enterOptionGroupsAtTheirChoice();
}

void Form3::Form_Load() {
    mForm1.setImage1Enabled(false);
    mForm1.Timer5.stop();

    // Any nonzero value shows ticked; the field keeps it until the box is clicked.
    for (const design::Switch& entry : design::kSwitches)
        (this->*entry.control)->setChecked(mState.*entry.field != 0);

    // A value outside the spinner's range shows as the nearest limit, the value closing will commit.
    for (std::size_t row = 0; row < design::kTimingRows.size(); ++row) {
        const design::TimingRow& timing = design::kTimingRows[row];
        Spinner* spinner = this->*timing.spinner;
        spinner->setValue(mState.*timing.field);
        Text1[row]->setText(QString::number(spinner->value()));
    }

    Option2[mState.rd == 0 ? 0 : 1]->setChecked(true);
    Option3[mState.ce == 1 ? 0 : 1]->setChecked(true);
    // A lesson number outside the list selects nothing, and closing then keeps it.
    if (QAbstractButton* lesson = mLessons->button(mState.guage))
        lesson->setChecked(true);
}

// Saving the reading position only means something in sequence play.
void Form3::Option2_Click() {
    Check3->setEnabled(Option2[1]->isChecked());
}

int Form3::chosenLesson() const {
    return mLessons->checkedId();
}

void Form3::Form_Unload() {
    mForm1.setImage1Enabled(true);
    // While the intro still runs, its own last step starts playback.
    if (mState.introcount <= 2)
        mForm1.Timer5.start();

    // Moving from one lesson to the whole course would resume the course at the saved position inside
    // that lesson; with the position saved, the course starts from its beginning instead.
    const int lesson = chosenLesson();
    if (mState.guage != 0 && Check3->isChecked() && lesson == 0)
        mState.guagen = kStartOfCourse;
    if (lesson >= 0)
        mState.guage = static_cast<qint16>(lesson);

    mState.rd = Option2[0]->isChecked() ? 0 : 1;
    mState.ce = Option3[0]->isChecked() ? 1 : 0;
    for (const design::TimingRow& timing : design::kTimingRows)
        mState.*timing.field = static_cast<qint16>((this->*timing.spinner)->value());

    if (mState.ssave != 0) {
        SetStartWithWindows(mAutostart, mState.mark);
        if (!saveDialogSettings(mStore, mState))
            std::fprintf(stderr, "parlavo: the settings could not be saved\n");
    }
}

void Form3::closeEvent(QCloseEvent* event) {
    if (!mClosed) {
        mClosed = true;
        Form_Unload();
    }
    event->accept();
}

void Form3::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
    else
        QWidget::keyPressEvent(event);
}

Form3* showSettingsDialog(Form1& form1, SettingsStore& store, Autostart& autostart) {
    auto* dialog = new Form3(form1, store, autostart);
    WindowSystem& windows = form1.windows();
    const double left = windows.screenWidthTwips() / 2.0 - 4000;
    const double top = windows.screenHeightTwips() / 2.0 - 3000;
    windows.MoveWindow(dialog, twipsToPixels(left, windows.twipsPerPixelX()),
                       twipsToPixels(top, windows.twipsPerPixelY()), dialog->width(), dialog->height());
    dialog->show();
    return dialog;
}

} // namespace parlavo
