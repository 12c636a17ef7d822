#include "settings/own_lessons_panel.h"

#include "settings/qt_lesson_questions.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace parlavo {

OwnLessonsPanel::OwnLessonsPanel(OwnLessonStore& store, QWidget* parent)
    : QGroupBox(QStringLiteral("Your own lessons"), parent), mStore(store),
      mDesktopQuestions(std::make_unique<QtLessonQuestions>(this)), mQuestions(mDesktopQuestions.get()) {
    lessonList = new QListWidget(this);
    lessonList->setSelectionMode(QAbstractItemView::SingleSelection);
    // A few lines show; more scroll.
    lessonList->setMaximumHeight(lessonList->fontMetrics().height() * 5);
    importButton = new QPushButton(QStringLiteral("&Import..."), this);
    removeButton = new QPushButton(QStringLiteral("Re&move"), this);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(importButton);
    buttons->addWidget(removeButton);
    buttons->addStretch();
    auto* row = new QHBoxLayout(this);
    row->addWidget(lessonList, 1);
    row->addLayout(buttons);

    connect(importButton, &QPushButton::clicked, this, &OwnLessonsPanel::importLesson);
    connect(removeButton, &QPushButton::clicked, this, &OwnLessonsPanel::removeLesson);
    connect(lessonList, &QListWidget::itemSelectionChanged, this, [this] {
        removeButton->setEnabled(!chosen().isEmpty());
        if (chosen().isEmpty())
            emit ownChoiceCleared();
        else
            emit ownLessonChosen();
    });
}

OwnLessonsPanel::~OwnLessonsPanel() = default;

// Items hold names as plain text: a list item never reads markup.
void OwnLessonsPanel::fill(const QString& chosen) {
    lessonList->clear();
    for (const OwnLessonEntry& entry : mStore.list()) {
        auto* item = new QListWidgetItem(entry.name, lessonList);
        item->setToolTip(entry.sentences < 0 ? QStringLiteral("damaged")
                                             : QStringLiteral("%1 sentences").arg(entry.sentences));
        item->setSelected(entry.name == chosen);
    }
    removeButton->setEnabled(!this->chosen().isEmpty());
}

QString OwnLessonsPanel::chosen() const {
    const QList<QListWidgetItem*> selected = lessonList->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void OwnLessonsPanel::clearChoice() {
    lessonList->clearSelection();
}

// A lesson just imported is the one chosen.
void OwnLessonsPanel::importLesson() {
    if (const std::optional<QString> name = importWithQuestions(mStore, *mQuestions))
        fill(*name);
}

void OwnLessonsPanel::removeLesson() {
    const QString name = chosen();
    QString error;
    if (name.isEmpty() || !mQuestions->removeLesson(name))
        return;
    if (!mStore.remove(name, &error))
        mQuestions->tell(error, true);
    fill(QString());
}

} // namespace parlavo
