#pragma once

#include "lessons/lesson_commands.h"
#include "lessons/own_lesson_store.h"

#include <optional>

namespace parlavo {

// What the user settles on in the preview: the lesson's name and its columns, from 1.
struct ImportChoice {
    QString name;
    ImportColumns columns;
};

// What importing and removing ask the user, through the desktop's dialogs; tests answer from a script.
class OwnLessonQuestions {
public:
    virtual ~OwnLessonQuestions() = default;
    // The file to import, or empty when the user changed their mind.
    virtual QString chooseFile() = 0;
    // Shows the first rows as they will be read with the chosen columns; nothing when cancelled.
    virtual std::optional<ImportChoice> confirm(const ParsedLesson& preview, const QString& name) = 0;
    virtual bool replaceLesson(const QString& name) = 0;
    virtual bool removeLesson(const QString& name) = 0;
    virtual void tell(const QString& message, bool problem) = 0;
};

// The dialog's "Import...": choose a file, read it, preview it, ask before replacing a lesson, save it whole.
// Returns the name of the lesson saved, or nothing when nothing changed.
std::optional<QString> importWithQuestions(OwnLessonStore& store, OwnLessonQuestions& questions);

} // namespace parlavo
