#include "app/global_shortcuts.h"
#include "lessons/sentence_catalogue.h"
#include "settings/own_lessons_panel.h"
#include "settings/settings_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>
#include <vector>

namespace parlavo {

namespace {

// Lessons 1 to 10 follow the whole course down the left column; the rest fill the right one from its second row.
constexpr int kLeftColumnLessons = 11;

QLabel* plainLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// A frame holding exclusive choices one under the other.
template <std::size_t count>
QGroupBox* choiceFrame(const QString& caption, std::array<QRadioButton*, count>& choices, const QStringList& captions,
                       QWidget* parent) {
    auto* frame = new QGroupBox(caption, parent);
    auto* column = new QVBoxLayout(frame);
    column->setSpacing(0);
    for (std::size_t i = 0; i < choices.size(); ++i)
        column->addWidget(choices[i] = new QRadioButton(captions.value(int(i)), frame));
    return frame;
}

} // namespace

// The built-in course's column as it has always been: the lesson list on top; below it the play mode and language
// order side by side, then the timings with the switches beside them, the speech speed, and stepping aside across the
// foot. Beside it, the user's own lessons, the text size and the keys, so that the dialog stays short enough for a
// small screen. The layout sizes the dialog and fixes it there, so a larger font or scale grows it instead of cutting
// captions off.
void SettingsDialog::buildControls() {
    auto* page = new QHBoxLayout(this);
    page->setSizeConstraint(QLayout::SetFixedSize);
    auto* course = new QVBoxLayout;
    buildLessonChoice();
    course->addWidget(lessonFrame);
    course->addLayout(buildPlayChoices());
    course->addLayout(buildTimingsAndSwitches());
    auto* yours = new QVBoxLayout;
    buildOwnLessons();
    yours->addWidget(ownLessons);
    yours->addLayout(buildTextAndKeyRows());
    yours->addStretch();
    page->addLayout(course);
    page->addLayout(yours);
    for (QRadioButton* mode : playModeChoices)
        connect(mode, &QRadioButton::toggled, this, &SettingsDialog::onPlayModeChanged);
    orderTabStops();
}

void SettingsDialog::buildLessonChoice() {
    lessonFrame = new QGroupBox(QStringLiteral("Play Content"), this);
    auto* columns = new QGridLayout(lessonFrame);
    columns->setVerticalSpacing(0);
    mLessons = new QButtonGroup(this);
    const QStringList& names = lessonNames();
    for (int lesson = 0; lesson < kLessonCount; ++lesson) {
        lessonChoices[lesson] = new QRadioButton(names.value(lesson), lessonFrame);
        mLessons->addButton(lessonChoices[lesson], lesson);
        const bool left = lesson < kLeftColumnLessons;
        columns->addWidget(lessonChoices[lesson], left ? lesson : lesson - kLeftColumnLessons + 1, left ? 0 : 1);
    }
}

// One lesson plays: an own lesson chosen in the list clears the built-in choice, and the other way round.
void SettingsDialog::buildOwnLessons() {
    ownLessons = new OwnLessonsPanel(mStrip.ownLessons().store(), this);
    connect(ownLessons, &OwnLessonsPanel::ownLessonChosen, this, &SettingsDialog::clearBuiltInChoice);
    connect(mLessons, &QButtonGroup::idClicked, ownLessons, &OwnLessonsPanel::clearChoice);
    connect(ownLessons, &OwnLessonsPanel::ownChoiceCleared, this, [this] {
        if (QAbstractButton* lesson = mLessons->button(mSettings.lesson); lesson && mLessons->checkedId() < 0)
            lesson->setChecked(true);
    });
}

void SettingsDialog::clearBuiltInChoice() {
    mLessons->setExclusive(false);
    for (QRadioButton* lesson : lessonChoices)
        lesson->setChecked(false);
    mLessons->setExclusive(true);
}

// Each frame as wide as its own choices need: lined up with the columns below, the pair would widen the dialog.
QLayout* SettingsDialog::buildPlayChoices() {
    auto* row = new QHBoxLayout;
    playModeFrame =
        choiceFrame(QStringLiteral("Play mode"), playModeChoices, {"at random", "Sequence", "Review"}, this);
    languageOrderFrame = choiceFrame(QStringLiteral("English and Spanish Order"), languageOrderChoices,
                                     {"First Spanish, then English", "First English, then Spanish"}, this);
    row->addWidget(playModeFrame);
    row->addWidget(languageOrderFrame);
    return row;
}

// Columns: a timing's lead, its box and its unit, then the switches.
QLayout* SettingsDialog::buildTimingsAndSwitches() {
    auto* grid = new QGridLayout;
    timingBoxes[0] =
        addTimingRow(*grid, 0, QStringLiteral("Per sentence play"), 1, 12, QStringLiteral("time."), repeatsLabel);
    timingBoxes[1] = addTimingRow(*grid, 1, QStringLiteral("Spanish Display"), 5, 15, QStringLiteral("second."),
                                  spanishSecondsLabel);
    timingBoxes[2] = addTimingRow(*grid, 2, QStringLiteral("English Display"), 3, 15, QStringLiteral("second."),
                                  englishSecondsLabel);
    // Its long tail reaches into the switches' column, which is free on that row.
    speechSpeedBox = addTimingRow(*grid, 4, QStringLiteral("Speech speed"), 80, 300, QStringLiteral("words a minute"),
                                  speechSpeedLabel, 2);
    speechSpeedBox->setSingleStep(10);

    int row = 0;
    for (auto [box, caption] : {std::pair{&autoHideBox, "Auto Hide"},
                                {&saveReadingPositionBox, "Save schedule while exit"},
                                {&startAtLogOnBox, "Start with windows start"},
                                {&saveSettingsBox, "Save setting while exit"}})
        grid->addWidget(*box = new QCheckBox(QString::fromLatin1(caption), this), row++, 3);
    stepAsideForFilmsBox = new QCheckBox(QStringLiteral("Step aside for films and presentations"), this);
    grid->addWidget(stepAsideForFilmsBox, 5, 0, 1, 4);
    return grid;
}

// The text size, then a key per command, taken from any window; the clear button leaves a command without one.
QLayout* SettingsDialog::buildTextAndKeyRows() {
    auto* grid = new QGridLayout;
    textSizeBox = new QComboBox(this);
    textSizeBox->addItems({QStringLiteral("Normal"), QStringLiteral("Large"), QStringLiteral("Larger")});
    QLabel* textSize = plainLabel(QStringLiteral("Text size"), this);
    textSize->setBuddy(textSizeBox);
    grid->addWidget(textSize, 0, 0);
    grid->addWidget(textSizeBox, 0, 1);
    for (std::size_t i = 0; i < kCommandCount; ++i) {
        QLabel* lead = plainLabel(commandCaption(Command(i)) + QStringLiteral(" key"), this);
        shortcutBoxes[i] = new QKeySequenceEdit(this);
        shortcutBoxes[i]->setClearButtonEnabled(true);
        lead->setBuddy(shortcutBoxes[i]);
        grid->addWidget(lead, int(i) + 1, 0);
        grid->addWidget(shortcutBoxes[i], int(i) + 1, 1);
    }
    return grid;
}

// "<lead> [number] <tail>", the tail spanning `tailColumns` columns.
QSpinBox* SettingsDialog::addTimingRow(QGridLayout& grid, int row, const QString& lead, int minimum, int maximum,
                                       const QString& tail, QLabel*& leadLabel, int tailColumns) {
    leadLabel = plainLabel(lead, this);
    auto* box = new QSpinBox(this);
    box->setRange(minimum, maximum);
    leadLabel->setBuddy(box);
    grid.addWidget(leadLabel, row, 0);
    grid.addWidget(box, row, 1);
    grid.addWidget(plainLabel(tail, this), row, 2, 1, tailColumns);
    return box;
}

// Tab visits the whole course, the first timings, the options and the switches in the order they were first
// laid out, then the rest of the lessons, the right column before the left, the user's own, then the keys.
void SettingsDialog::orderTabStops() {
    std::vector<QWidget*> stops = {
        lessonChoices[0],        timingBoxes[0],     timingBoxes[1],          playModeChoices[0], timingBoxes[2],
        languageOrderChoices[0], playModeChoices[1], languageOrderChoices[1], playModeChoices[2], speechSpeedBox,
        saveReadingPositionBox,  autoHideBox,        startAtLogOnBox,         saveSettingsBox,    stepAsideForFilmsBox};
    stops.insert(stops.end(), lessonChoices.begin() + kLeftColumnLessons, lessonChoices.end());
    stops.insert(stops.end(), lessonChoices.begin() + 1, lessonChoices.begin() + kLeftColumnLessons);
    stops.insert(stops.end(),
                 {static_cast<QWidget*>(ownLessons->lessonList), ownLessons->importButton, ownLessons->removeButton});
    // The keys last, since in a key box Tab is a key like any other.
    stops.push_back(textSizeBox);
    stops.insert(stops.end(), shortcutBoxes.begin(), shortcutBoxes.end());
    for (std::size_t i = 1; i < stops.size(); ++i)
        QWidget::setTabOrder(stops[i - 1], stops[i]);
}

// Saving the reading position only means something in sequence play.
void SettingsDialog::onPlayModeChanged() {
    saveReadingPositionBox->setEnabled(playModeChoices[1]->isChecked());
}

// Tab enters an option group at its chosen option. Qt would enter at the group's first option; once focus
// has been inside a group, Qt itself keeps the option focused last as the group's tab stop.
void SettingsDialog::enterOptionGroupsAtTheirChoice() {
    const auto tabToChoice = [](const auto& options) {
        const auto chosen = [](const QRadioButton* option) {
            return option->isChecked();
        };
        if (std::none_of(options.begin(), options.end(), chosen))
            return;
        for (QRadioButton* option : options) {
            if (!option->isChecked())
                option->setFocusPolicy(Qt::ClickFocus);
        }
    };
    tabToChoice(lessonChoices);
    tabToChoice(playModeChoices);
    tabToChoice(languageOrderChoices);
}

} // namespace parlavo
