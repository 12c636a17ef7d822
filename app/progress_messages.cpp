#include "app/progress_messages.h"

#include <QMessageBox>

#include <cstdio>

namespace parlavo {

void WindowProgressMessages::tell(const QString& text) {
    std::fprintf(stderr, "parlavo: %s\n", qPrintable(text));
    auto* box = new QMessageBox(QMessageBox::Information, QStringLiteral("Parlavo progress"), text, QMessageBox::Ok);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
}

} // namespace parlavo
