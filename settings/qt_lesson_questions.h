#pragma once

#include "settings/lesson_import_flow.h"

class QWidget;

namespace parlavo {

// The questions as the desktop asks them: a file dialog, the preview and message boxes over `parent`.
class QtLessonQuestions final : public OwnLessonQuestions {
public:
    explicit QtLessonQuestions(QWidget* parent) : mParent(parent) {}

    QString chooseFile() override;
    std::optional<ImportChoice> confirm(const ParsedLesson& preview, const QString& name) override;
    bool replaceLesson(const QString& name) override;
    bool removeLesson(const QString& name) override;
    void tell(const QString& message, bool problem) override;

private:
    QWidget* mParent;
};

} // namespace parlavo
