#include "agent/agent_control.h"
#include "core/form1.h"
#include "core/qt_desktop_services.h"
#include "core/qt_settings_store.h"
#include "core/qt_window_system.h"
#include "core/shutdown.h"
#include "core/single_instance.h"
#include "core/termination_watcher.h"
#include "menu/form2.h"
#include "settings/autostart.h"

#include <QApplication>
#include <QSessionManager>

#include <cstdio>
#include <cstdlib>

using namespace parlavo;

namespace {

// The strip needs global window positions and the global pointer, which Wayland gives no client:
// run on XWayland when it is there.
bool chooseDisplay() {
    const bool wayland = qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
    const bool x11 = qEnvironmentVariableIsSet("DISPLAY");
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        return true;
    if (wayland && x11)
        qputenv("QT_QPA_PLATFORM", "xcb");
    if (wayland || x11)
        return true;
    std::fprintf(stderr, "parlavo: no display to show the caption strip on.\n"
                         "Start it from a desktop session, or on a machine without one under Xvfb:\n"
                         "  xvfb-run -s '-screen 0 1920x1080x24' parlavo\n");
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    if (!chooseDisplay())
        return EXIT_FAILURE;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Parlavo"));
    QApplication::setApplicationVersion(QStringLiteral("1.01"));
    QApplication::setQuitOnLastWindowClosed(false);

    SingleInstance instance;
    if (!instance.becomePrimary()) {
        instance.activatePrimary();
        return EXIT_SUCCESS;
    }

    QtSettingsStore store;
    QtWindowSystem windows;
    QtMessageBox messageBox;
    ClockRandomSource random;
    AgentCharacters characters;
    SharedState state;
    Form1 form1(state, {store, windows, characters, messageBox, random});

    QObject::connect(&instance, &SingleInstance::activationRequested, &form1, &Form1::activateFromAnotherCopy);
    TerminationWatcher termination;
    QObject::connect(&termination, &TerminationWatcher::terminationRequested, &form1, [&form1] { Shutdown(form1); });
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &form1,
                     [&form1](QSessionManager&) { Shutdown(form1); });
    QtShell shell;
    Form2 form2(form1, shell, store, systemAutostart());

    form1.Form_Load();
    return QApplication::exec();
}
