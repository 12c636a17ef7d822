#include "core/units.h"
#include "lessons/sentence_catalogue.h"
#include "settings/settings_dialog.h"
#include "settings/settings_dialog_design.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>

#include <algorithm>

namespace parlavo {

namespace {

QRect toPixels(const design::Place& place) {
    return QRect(twipsToPixels(place.left), twipsToPixels(place.top), twipsToPixels(place.width),
                 twipsToPixels(place.height));
}

template <typename Control> Control* place(Control* control, const design::Place& where) {
    control->setGeometry(toPixels(where));
    return control;
}

// The dialog's small type: 8 points at 96 dots per inch, the size its rows of 13 pixels were laid out for.
QFont dialogFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    return font;
}

} // namespace

void SettingsDialog::buildControls() {
    setFont(dialogFont());
    TabOrder tabOrder;
    for (const auto& frame : design::kFrames) {
        this->*frame.control = place(new QGroupBox(QString::fromLatin1(frame.caption), this), frame.place);
        tabOrder.emplace_back(frame.tabIndex, this->*frame.control);
    }
    buildLessonChoice(tabOrder);
    buildPlayChoices(tabOrder);
    buildTimingRows(tabOrder);
    buildSwitches(tabOrder);

    std::sort(tabOrder.begin(), tabOrder.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
}

void SettingsDialog::buildLessonChoice(TabOrder& tabOrder) {
    mLessons = new QButtonGroup(this);
    const QStringList& names = lessonNames();
    for (int lesson = 0; lesson < kLessonCount; ++lesson) {
        const design::Choice& choice = design::kLessons[lesson];
        lessonChoices[lesson] = place(new QRadioButton(names.value(lesson), lessonFrame), choice.place);
        mLessons->addButton(lessonChoices[lesson], lesson);
        tabOrder.emplace_back(choice.tabIndex, lessonChoices[lesson]);
    }
}

void SettingsDialog::buildPlayChoices(TabOrder& tabOrder) {
    for (const design::ChoicePair* pair : {&design::kPlayMode, &design::kLanguageOrder}) {
        auto& buttons = this->*pair->controls;
        for (std::size_t i = 0; i < buttons.size(); ++i) {
            buttons[i] = place(new QRadioButton(QString::fromLatin1(pair->captions[i]), this->*pair->frame),
                               pair->choices[i].place);
            tabOrder.emplace_back(pair->choices[i].tabIndex, buttons[i]);
        }
    }
    for (QRadioButton* mode : playModeChoices)
        connect(mode, &QRadioButton::toggled, this, &SettingsDialog::onPlayModeChanged);
}

void SettingsDialog::buildTimingRows(TabOrder& tabOrder) {
    for (std::size_t row = 0; row < design::kTimingRows.size(); ++row) {
        const design::TimingRow& timing = design::kTimingRows[row];
        const QString caption = QString::fromLatin1(timing.lead) + QString(timing.blanks, QLatin1Char(' ')) +
                                QString::fromLatin1(timing.tail);
        QLabel* label = place(new QLabel(caption, this), timing.labelPlace);
        label->setTextFormat(Qt::PlainText);
        this->*timing.label = label;
        tabOrder.emplace_back(timing.labelTabIndex, label);

        QSpinBox* box = place(new QSpinBox(this), timing.boxPlace);
        box->setRange(timing.minimum, timing.maximum);
        timingBoxes[row] = box;
        tabOrder.emplace_back(timing.boxTabIndex, box);
    }
}

void SettingsDialog::buildSwitches(TabOrder& tabOrder) {
    for (const design::Switch& entry : design::kSwitches) {
        QCheckBox* box = place(new QCheckBox(QString::fromLatin1(entry.caption), this), entry.place);
        // Only a click writes the field: filling the box from the record must not normalise a stored 2 to 1.
        connect(box, &QCheckBox::clicked, this,
                [this, field = entry.field](bool ticked) { mState.*field = ticked ? 1 : 0; });
        this->*entry.control = box;
        tabOrder.emplace_back(entry.tabIndex, box);
    }
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
