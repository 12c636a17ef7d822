// Opens the settings dialog over a real caption window with the real store, window system and autostart entry, as
// the Settings command will, prints where in it the box of "Start with windows start" is, and quits once the dialog
// has closed. The program itself has no way to open the dialog without its menu, so the real-window test drives this.

#include "app/caption_strip.h"
#include "core/dbus_idle_inhibition.h"
#include "core/qt_desktop_services.h"
#include "core/qt_settings_store.h"
#include "core/qt_window_system.h"
#include "core/settings_io.h"
#include "settings/autostart.h"
#include "settings/settings_dialog.h"
#include "tests/support/fake_bird.h"

#include <QApplication>
#include <QCheckBox>
#include <QTextStream>

using namespace parlavo;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Parlavo"));

    QtSettingsStore store;
    QtWindowSystem windows;
    ClockRandomSource random;
    DbusIdleInhibition idleInhibition;
    SystemWallClock clock;
    test::FakeBird bird;
    Settings settings = loadSettings(store, windows.screenOf(nullptr).width());
    CaptionStrip strip(settings, {store, windows, bird, random, idleInhibition, clock});

    SettingsDialog* dialog = showSettingsDialog(strip, store, systemAutostart());
    const QPoint logOn = dialog->startAtLogOnBox->mapTo(dialog, QPoint(6, dialog->startAtLogOnBox->height() / 2));
    QTextStream(stdout) << logOn.x() << ' ' << logOn.y() << Qt::endl;
    QObject::connect(dialog, &QObject::destroyed, &app, &QCoreApplication::quit);
    return QApplication::exec();
}
