#include "settings/import_preview_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace parlavo {

ImportPreviewDialog::ImportPreviewDialog(const ParsedLesson& preview, const QString& name, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Lesson preview"));
    rows = new QTableWidget(int(preview.firstRows.size()), preview.columnCount, this);
    rows->setEditTriggers(QAbstractItemView::NoEditTriggers);
    rows->horizontalHeader()->setStretchLastSection(true);
    spanishColumn = new QComboBox(this);
    englishColumn = new QComboBox(this);
    for (int column = 0; column < preview.columnCount; ++column) {
        const QString title = preview.columnNames.value(column).isEmpty()
                                  ? QStringLiteral("Column %1").arg(column + 1)
                                  : QStringLiteral("%1: %2").arg(column + 1).arg(preview.columnNames.at(column));
        spanishColumn->addItem(title);
        englishColumn->addItem(title);
        for (int row = 0; row < preview.firstRows.size(); ++row)
            rows->setItem(row, column, new QTableWidgetItem(preview.firstRows.at(row).value(column)));
    }
    spanishColumn->setCurrentIndex(preview.columns.spanish - 1);
    englishColumn->setCurrentIndex(preview.columns.english - 1);
    nameEdit = new QLineEdit(name, this);

    auto* swap = new QPushButton(QStringLiteral("Swap"), this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Import"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Spanish"), spanishColumn);
    form->addRow(QStringLiteral("English"), englishColumn);
    form->addRow(QString(), swap);
    form->addRow(QStringLiteral("Name"), nameEdit);
    auto* page = new QVBoxLayout(this);
    page->addWidget(rows);
    page->addLayout(form);
    page->addWidget(buttons);

    connect(swap, &QPushButton::clicked, this, &ImportPreviewDialog::swapColumns);
    connect(spanishColumn, &QComboBox::currentIndexChanged, this, &ImportPreviewDialog::markColumns);
    connect(englishColumn, &QComboBox::currentIndexChanged, this, &ImportPreviewDialog::markColumns);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    markColumns();
}

ImportChoice ImportPreviewDialog::choice() const {
    return {nameEdit->text().trimmed(), {spanishColumn->currentIndex() + 1, englishColumn->currentIndex() + 1}};
}

void ImportPreviewDialog::swapColumns() {
    const int spanish = spanishColumn->currentIndex();
    spanishColumn->setCurrentIndex(englishColumn->currentIndex());
    englishColumn->setCurrentIndex(spanish);
}

// The header says which column is which; the same column twice cannot be imported.
void ImportPreviewDialog::markColumns() {
    QStringList headers;
    for (int column = 0; column < rows->columnCount(); ++column)
        headers << (column == spanishColumn->currentIndex()   ? QStringLiteral("Spanish")
                    : column == englishColumn->currentIndex() ? QStringLiteral("English")
                                                              : QString());
    rows->setHorizontalHeaderLabels(headers);
    if (auto* box = findChild<QDialogButtonBox*>())
        box->button(QDialogButtonBox::Ok)->setEnabled(spanishColumn->currentIndex() != englishColumn->currentIndex());
}

} // namespace parlavo
