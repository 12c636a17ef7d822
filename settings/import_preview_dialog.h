#pragma once

#include "settings/lesson_import_flow.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QTableWidget;

namespace parlavo {

// The first rows of a file as they will be read, with the columns found for Spanish and English, which the user can
// change or swap, and the lesson's name. Every text is shown as plain text.
class ImportPreviewDialog : public QDialog {
    Q_OBJECT

public:
    ImportPreviewDialog(const ParsedLesson& preview, const QString& name, QWidget* parent);

    ImportChoice choice() const;

    QTableWidget* rows = nullptr;
    QComboBox* spanishColumn = nullptr;
    QComboBox* englishColumn = nullptr;
    QLineEdit* nameEdit = nullptr;

private:
    void swapColumns();
    void markColumns();
};

} // namespace parlavo
