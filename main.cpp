#include "agent/speaking_bird.h"
#include "app/caption_strip.h"
#include "app/progress_messages.h"
#include "app/shutdown.h"
#include "core/dbus_idle_inhibition.h"
#include "core/qt_desktop_services.h"
#include "core/qt_settings_store.h"
#include "core/qt_window_system.h"
#include "core/running_cost.h"
#include "core/single_instance.h"
#include "core/termination_watcher.h"
#include "core/version.h"
#include "lessons/progress_export.h"
#include "lessons/review_play.h"
#include "menu/strip_menu.h"
#include "progress/sqlite_progress_store.h"
#include "settings/autostart.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace parlavo;

namespace {

// --help and --version answer on standard output without a display, as command-line users expect.
// Returns true when an answer was printed and the program should end.
bool answerInformationRequest(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("parlavo %s\n", kVersion);
            return true;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::printf("Usage: parlavo [--help] [--version] [--export-progress FILE]\n"
                        "Learn everyday Spanish from a caption strip at the top of the screen, read aloud by a bird.\n"
                        "Point at the picture at the strip's right end for its menu. See parlavo(1).\n\n"
                        "  -h, --help     print this help and exit\n"
                        "  --version      print the version and exit\n"
                        "  --export-progress FILE\n"
                        "                 write every answer as CSV to FILE (- for standard output) and exit\n");
            return true;
        }
    }
    return false;
}

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
    if (answerInformationRequest(argc, argv))
        return EXIT_SUCCESS;
    if (argc == 3 && std::strcmp(argv[1], "--export-progress") == 0) {
        QCoreApplication app(argc, argv);
        return exportProgress(QString::fromLocal8Bit(argv[2]), SqliteProgressStore::defaultPath(), BuiltInSentences());
    }
    if (!chooseDisplay())
        return EXIT_FAILURE;
    keepRunningCostLow();

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Parlavo"));
    QApplication::setApplicationVersion(QString::fromLatin1(kVersion));
    QApplication::setQuitOnLastWindowClosed(false);

    SingleInstance instance;
    if (const auto outcome = instance.settle(); outcome != SingleInstance::Outcome::Run)
        return outcome == SingleInstance::Outcome::AnotherCopyRuns ? EXIT_SUCCESS : EXIT_FAILURE;

    QtSettingsStore store;
    QtWindowSystem windows;
    ClockRandomSource random;
    DbusIdleInhibition idleInhibition;
    SpeakingBird bird(makeBirdParts());
    Settings settings;
    CaptionStrip strip(settings, {store, windows, bird, random, idleInhibition});
    SystemCalendarClock calendar;
    SqliteProgressStore progressStore(SqliteProgressStore::defaultPath(), calendar);
    WindowProgressMessages progressMessages;
    LearnerProgress progress(progressStore, calendar, progressMessages);
    progress.start();
    BuiltInSentences reviewSentences;
    ReviewPlay review(progress, settings, reviewSentences);
    strip.setReviewPlay(&review);

    QObject::connect(&instance, &SingleInstance::activationRequested, &strip, &CaptionStrip::activateFromAnotherCopy);
    TerminationWatcher termination;
    QObject::connect(&termination, &TerminationWatcher::terminationRequested, &strip, [&strip] { shutDown(strip); });
    followSession(app, strip);
    QtShell shell;
    StripMenu stripMenu(strip, shell, store, systemAutostart());

    strip.start();
    return QApplication::exec();
}
