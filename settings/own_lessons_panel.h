#pragma once

#include "settings/lesson_import_flow.h"

#include <QGroupBox>

#include <memory>

class QListWidget;
class QPushButton;

namespace parlavo {

// The settings dialog's list of the user's own lessons, with "Import..." and "Remove". Choosing one in the list
// chooses it to play; choosing a built-in lesson clears the list's choice. The list is read from the store each
// time the dialog opens, so lessons imported from the command line meanwhile are there.
class OwnLessonsPanel : public QGroupBox {
    Q_OBJECT

public:
    OwnLessonsPanel(OwnLessonStore& store, QWidget* parent);
    ~OwnLessonsPanel() override;

    // Lists the store's lessons and chooses `chosen` among them.
    void fill(const QString& chosen);
    // The own lesson chosen, or empty.
    QString chosen() const;
    void clearChoice();
    // Tests answer the questions themselves.
    void setQuestions(OwnLessonQuestions& questions) { mQuestions = &questions; }

    QListWidget* lessonList = nullptr;
    QPushButton* importButton = nullptr;
    QPushButton* removeButton = nullptr;

signals:
    // The user chose an own lesson in the list, or the list's choice went (the lesson was removed, say).
    void ownLessonChosen();
    void ownChoiceCleared();

private:
    void importLesson();
    void removeLesson();

    OwnLessonStore& mStore;
    std::unique_ptr<OwnLessonQuestions> mDesktopQuestions;
    OwnLessonQuestions* mQuestions;
};

} // namespace parlavo
