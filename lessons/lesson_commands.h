#pragma once

#include "lessons/lesson_import.h"
#include "lessons/own_lesson_store.h"

#include <QTextStream>

namespace parlavo {

// The lesson commands of the command line and the settings dialog's import, without any window.

struct ImportRequest {
    QString file;
    QString name; // empty: the file's own name for its lesson (#deck:, "name"), else the file's name
    ImportColumns columns;
    bool replace = false;
};

// Reads and parses a file of at most kLargestImport bytes.
ImportOutcome readLessonFile(const QString& path, ImportColumns columns);
// The name a lesson read from `path` is saved under when the user gives none.
QString suggestedName(const QString& path, const ParsedLesson& lesson);
// "FILE:LINE: reason", or "FILE: reason" for the file as a whole.
QString problemText(const QString& path, const ImportProblem& problem);

// Each returns the exit status: 0 done, 1 refused (said on `err`).
int importLesson(const ImportRequest& request, OwnLessonStore& store, QTextStream& out, QTextStream& err);
int listLessons(const OwnLessonStore& store, QTextStream& out);
int removeLesson(const QString& name, OwnLessonStore& store, QTextStream& out, QTextStream& err);

} // namespace parlavo
