#pragma once

#include "lessons/lesson_commands.h"

#include <QStringList>
#include <QTextStream>

namespace parlavo {

// What the command line asks for. The lesson commands and the export run without a display and never start the strip.
struct CommandLine {
    enum class Action { Run, Help, Version, Import, ListLessons, RemoveLesson, ExportProgress, Misused };
    Action action = Action::Run;
    ImportRequest import;
    QString lessonName;   // of --remove-lesson
    QString exportTarget; // of --export-progress: a file, or - for standard output
    QString misuse;       // what was wrong, for Misused
};

// `arguments` without the program's name. Qt's own options (-session, -display, ...) are let through for Qt.
CommandLine parseCommandLine(const QStringList& arguments);

// Runs every action but Run and returns the exit status; Misused prints the usage on `err` and gives 2.
int runCommand(const CommandLine& command, QTextStream& out, QTextStream& err);

} // namespace parlavo
