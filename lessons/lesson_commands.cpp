#include "lessons/lesson_commands.h"

#include "lessons/import_text.h"

#include <QFile>
#include <QFileInfo>

namespace parlavo {

namespace {

// Listing every skipped row of a large file would bury the summary.
constexpr int kSkippedListed = 20;

} // namespace

ImportOutcome readLessonFile(const QString& path, ImportColumns columns) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, {0, file.errorString()}};
    // Read one byte past the limit rather than trust the size of something that may not be a regular file.
    return parseLesson(file.read(kLargestImport + 1), columns);
}

QString suggestedName(const QString& path, const ParsedLesson& lesson) {
    return lesson.name.isEmpty() ? plainSentence(QFileInfo(path).completeBaseName()).left(64) : lesson.name;
}

QString problemText(const QString& path, const ImportProblem& problem) {
    return problem.line > 0 ? QStringLiteral("%1:%2: %3").arg(path).arg(problem.line).arg(problem.reason)
                            : QStringLiteral("%1: %2").arg(path, problem.reason);
}

int importLesson(const ImportRequest& request, OwnLessonStore& store, QTextStream& out, QTextStream& err) {
    const ImportOutcome outcome = readLessonFile(request.file, request.columns);
    if (outcome.refused()) {
        err << problemText(request.file, outcome.problem) << Qt::endl;
        return 1;
    }
    const ParsedLesson& lesson = outcome.lesson;
    const QString name = request.name.isEmpty() ? suggestedName(request.file, lesson) : request.name;
    QString error = OwnLessonStore::nameProblem(name);
    if (error.isEmpty() && store.contains(name) && !request.replace)
        error = QStringLiteral("a lesson named \"%1\" exists; add --replace to replace it").arg(name);
    if (!error.isEmpty() || !store.save(name, lesson.lines, &error)) {
        err << problemText(request.file, {0, error}) << Qt::endl;
        return 1;
    }
    for (const QString& notice : lesson.notices)
        out << request.file << ": " << notice << Qt::endl;
    const auto counted = [](qsizetype n, const char* what) {
        return QStringLiteral("%1 %2%3").arg(n).arg(QLatin1String(what)).arg(n == 1 ? "" : "s");
    };
    out << "Imported \"" << name << "\": " << counted(lesson.lines.size(), "sentence") << ", Spanish from column "
        << lesson.columns.spanish << ", English from column " << lesson.columns.english << Qt::endl;
    if (!lesson.skipped.isEmpty())
        out << counted(lesson.skipped.size(), "row") << " skipped:" << Qt::endl;
    for (const SkippedRow& row : lesson.skipped.mid(0, kSkippedListed))
        out << request.file << ':' << row.line << ": " << skipReasonText(row.reason) << Qt::endl;
    if (lesson.skipped.size() > kSkippedListed)
        out << "and " << lesson.skipped.size() - kSkippedListed << " more" << Qt::endl;
    return 0;
}

int listLessons(const OwnLessonStore& store, QTextStream& out) {
    for (int lesson = 1; lesson <= kChoosableLessons; ++lesson)
        out << lessonNames().at(lesson) << ": " << dialogueLength(lesson) << " sentences (built in)" << Qt::endl;
    for (const OwnLessonEntry& entry : store.list()) {
        if (entry.sentences < 0)
            out << entry.name << ": damaged" << Qt::endl;
        else
            out << entry.name << ": " << entry.sentences << " sentences" << Qt::endl;
    }
    return 0;
}

int removeLesson(const QString& name, OwnLessonStore& store, QTextStream& out, QTextStream& err) {
    QString error;
    if (!store.remove(name, &error)) {
        err << "parlavo: " << error << Qt::endl;
        return 1;
    }
    out << "Removed \"" << name << '"' << Qt::endl;
    return 0;
}

} // namespace parlavo
