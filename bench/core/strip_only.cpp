// The program without its speaking bird: the caption strip with its intro, playback and auto-hide on
// real timers, for measuring what the strip itself costs while it runs.
#include "bench/core/no_characters.h"
#include "core/form1.h"
#include "core/qt_desktop_services.h"
#include "core/qt_settings_store.h"
#include "core/qt_window_system.h"

#include <QApplication>

using namespace parlavo;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QtSettingsStore store;
    QtWindowSystem windows;
    QtMessageBox messageBox;
    ClockRandomSource random;
    NoCharacters characters;
    SharedState state;
    Form1 form1(state, {store, windows, characters, messageBox, random});
    form1.Form_Load();
    return QApplication::exec();
}
