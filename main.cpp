#include "agent/speaking_bird.h"
#include "app/caption_strip.h"
#include "app/command_line.h"
#include "app/global_shortcuts.h"
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
#include "core/x11_global_keys.h"
#include "lessons/own_lesson_sentences.h"
#include "menu/strip_menu.h"
#include "progress/sqlite_progress_store.h"
#include "settings/autostart.h"

#include <QApplication>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>
#include <optional>

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
    // Help, the version and the lesson commands answer on the terminal without a display, as command-line users
    // expect; a mistyped option stops here rather than start the strip.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (const CommandLine command = parseCommandLine(arguments); command.action != CommandLine::Action::Run) {
        QTextStream out(stdout);
        QTextStream err(stderr);
        // The export reads the database through Qt SQL, whose driver needs an application object.
        std::optional<QCoreApplication> core;
        if (command.action == CommandLine::Action::ExportProgress)
            core.emplace(argc, argv);
        return runCommand(command, out, err);
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
    SystemWallClock clock;
    SpeakingBird bird(makeBirdParts());
    Settings settings;
    CaptionStrip strip(settings, {store, windows, bird, random, idleInhibition, clock});
    SystemCalendarClock calendar;
    SqliteProgressStore progressStore(SqliteProgressStore::defaultPath(), calendar);
    WindowProgressMessages progressMessages;
    LearnerProgress progress(progressStore, calendar, progressMessages);
    OwnLessonSentences reviewSentences(strip.ownLessons());
    ReviewPlay review(progress, settings, reviewSentences);
    strip.setReviewPlay(&review);

    QObject::connect(&instance, &SingleInstance::activationRequested, &strip, &CaptionStrip::activateFromAnotherCopy);
    TerminationWatcher termination;
    QObject::connect(&termination, &TerminationWatcher::terminationRequested, &strip, [&strip] { shutDown(strip); });
    followSession(app, strip);
    QtShell shell;
    StripMenu stripMenu(strip, shell, store, systemAutostart());

    X11GlobalKeys globalKeys;
    GlobalShortcuts shortcuts(strip, globalKeys);
    QObject::connect(&shortcuts, &GlobalShortcuts::keyTaken, [](const QKeySequence& key) {
        std::fprintf(stderr,
                     "parlavo: %s is held by another program and does not reach Parlavo; another key can be chosen in "
                     "its settings\n",
                     qPrintable(key.toString(QKeySequence::NativeText)));
    });

    strip.start();
    shortcuts.apply();
    return QApplication::exec();
}
