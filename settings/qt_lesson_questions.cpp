#include "settings/qt_lesson_questions.h"

#include "settings/import_preview_dialog.h"

#include <QFileDialog>
#include <QMessageBox>

namespace parlavo {

namespace {

// Message boxes guess whether a text is markup; names and sentences from a file are always shown as written.
bool askPlainly(QWidget* parent, const QString& title, const QString& question) {
    QMessageBox box(QMessageBox::Question, title, question, QMessageBox::Yes | QMessageBox::No, parent);
    box.setTextFormat(Qt::PlainText);
    return box.exec() == QMessageBox::Yes;
}

} // namespace

QString QtLessonQuestions::chooseFile() {
    return QFileDialog::getOpenFileName(mParent, QStringLiteral("Import a lesson"), QString(),
                                        QStringLiteral("Lessons (*.txt *.csv *.tsv *.json);;All files (*)"));
}

std::optional<ImportChoice> QtLessonQuestions::confirm(const ParsedLesson& preview, const QString& name) {
    ImportPreviewDialog dialog(preview, name, mParent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

bool QtLessonQuestions::replaceLesson(const QString& name) {
    return askPlainly(mParent, QStringLiteral("Replace a lesson"),
                      QStringLiteral("A lesson named \"%1\" exists. Replace it?").arg(name));
}

bool QtLessonQuestions::removeLesson(const QString& name) {
    return askPlainly(mParent, QStringLiteral("Remove a lesson"), QStringLiteral("Remove \"%1\"?").arg(name));
}

void QtLessonQuestions::tell(const QString& message, bool problem) {
    QMessageBox box(problem ? QMessageBox::Warning : QMessageBox::Information,
                    problem ? QStringLiteral("Lesson not imported") : QStringLiteral("Lesson imported"), message,
                    QMessageBox::Ok, mParent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace parlavo
