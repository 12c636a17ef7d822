#include "core/shutdown.h"

#include "core/form1.h"

#include <QCoreApplication>

namespace parlavo {

void Shutdown(Form1& form1) {
    form1.Timer1.stop();
    form1.Timer5.stop();
    form1.saveAtExit();
    QCoreApplication::exit(0);
}

} // namespace parlavo
