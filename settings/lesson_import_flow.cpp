#include "settings/lesson_import_flow.h"

namespace parlavo {

namespace {

QString summary(const QString& name, const ParsedLesson& lesson) {
    QString text = QStringLiteral("\"%1\" holds %2 sentences.").arg(name).arg(lesson.lines.size());
    if (!lesson.skipped.isEmpty())
        text += QStringLiteral(" %1 rows were skipped; the first, line %2: %3.")
                    .arg(lesson.skipped.size())
                    .arg(lesson.skipped.first().line)
                    .arg(skipReasonText(lesson.skipped.first().reason));
    for (const QString& notice : lesson.notices)
        text += u'\n' + notice.left(1).toUpper() + notice.mid(1) + u'.';
    return text;
}

} // namespace

std::optional<QString> importWithQuestions(OwnLessonStore& store, OwnLessonQuestions& questions) {
    const QString path = questions.chooseFile();
    if (path.isEmpty())
        return std::nullopt;
    ImportOutcome outcome = readLessonFile(path, {});
    if (outcome.refused()) {
        questions.tell(problemText(path, outcome.problem), true);
        return std::nullopt;
    }
    const std::optional<ImportChoice> choice = questions.confirm(outcome.lesson, suggestedName(path, outcome.lesson));
    if (!choice)
        return std::nullopt;
    const ImportColumns detected = outcome.lesson.columns;
    if (choice->columns.spanish != detected.spanish || choice->columns.english != detected.english)
        outcome = readLessonFile(path, choice->columns);
    QString error = outcome.refused() ? problemText(path, outcome.problem) : OwnLessonStore::nameProblem(choice->name);
    if (error.isEmpty() && store.contains(choice->name) && !questions.replaceLesson(choice->name))
        return std::nullopt;
    if (!error.isEmpty() || !store.save(choice->name, outcome.lesson.lines, &error)) {
        questions.tell(error, true);
        return std::nullopt;
    }
    questions.tell(summary(choice->name, outcome.lesson), false);
    return choice->name;
}

} // namespace parlavo
