#include "core/compositor_window_report.h"

#include "core/x11_pointer_presence.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QFile>
#include <QStandardPaths>

namespace parlavo {

namespace {

const QString kKWin = QStringLiteral("org.kde.KWin");
const QString kScripting = QStringLiteral("org.kde.kwin.Scripting");
const QString kScriptName = QStringLiteral("parlavo-active-window");
const QString kObjectPath = QStringLiteral("/ActiveWindow");

// Written for KWin 5.27 (activeClient, clientActivated) and 6 (activeWindow, windowActivated) alike.
const char kScript[] = R"(const service = "%1";
let watched = null;
function activeWindow() {
    return workspace.activeWindow !== undefined ? workspace.activeWindow : workspace.activeClient;
}
function report() {
    const w = activeWindow();
    const g = w ? w.frameGeometry : null;
    const state = w ? [w.fullScreen ? 1 : 0, g.x, g.y, g.width, g.height].join(" ") : "none";
    callDBus(service, "%2", "org.parlavo.ActiveWindow", "report", state);
}
function follow() {
    if (watched)
        watched.fullScreenChanged.disconnect(report);
    watched = activeWindow();
    if (watched)
        watched.fullScreenChanged.connect(report);
    report();
}
(workspace.windowActivated || workspace.clientActivated).connect(follow);
follow();
// At most one report each 50 ms while the pointer moves, and always one for where it comes to rest.
const pointerTimer = new QTimer();
pointerTimer.singleShot = true;
pointerTimer.interval = 50;
pointerTimer.timeout.connect(function () {
    const p = workspace.cursorPos;
    callDBus(service, "%2", "org.parlavo.ActiveWindow", "pointerAt", p.x + " " + p.y);
});
workspace.cursorPosChanged.connect(function () {
    if (!pointerTimer.active)
        pointerTimer.start();
});
)";

QDBusMessage scriptingCall(const QString& method, const QVariantList& arguments) {
    QDBusMessage call = QDBusMessage::createMethodCall(kKWin, QStringLiteral("/Scripting"), kScripting, method);
    call.setArguments(arguments);
    return call;
}

} // namespace

CompositorWindowReport::CompositorWindowReport() {
    // On X11 proper the window manager's own properties tell everything; only a Wayland desktop needs asking.
    if (!qEnvironmentVariableIsSet("WAYLAND_DISPLAY"))
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface()->isServiceRegistered(kKWin))
        return;
    if (!bus.registerObject(kObjectPath, this, QDBusConnection::ExportScriptableSlots))
        return;
    loadKWinScript();
}

CompositorWindowReport::~CompositorWindowReport() {
    if (mScriptLoaded)
        QDBusConnection::sessionBus().call(scriptingCall(QStringLiteral("unloadScript"), {kScriptName}), QDBus::Block,
                                           500);
}

// A script left loaded by a copy that crashed has the same name and goes first.
void CompositorWindowReport::loadKWinScript() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    QFile script(folder + QStringLiteral("/parlavo-active-window.js"));
    if (folder.isEmpty() || !script.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        script.write(QString::fromLatin1(kScript).arg(bus.baseService(), kObjectPath).toUtf8()) < 0)
        return;
    script.close();
    bus.call(scriptingCall(QStringLiteral("unloadScript"), {kScriptName}), QDBus::Block, 2000);
    const QDBusMessage loaded =
        bus.call(scriptingCall(QStringLiteral("loadScript"), {script.fileName(), kScriptName}), QDBus::Block, 2000);
    if (loaded.type() != QDBusMessage::ReplyMessage)
        return;
    mScriptLoaded = true;
    bus.asyncCall(scriptingCall(QStringLiteral("start"), {}));
}

void CompositorWindowReport::report(const QString& state) {
    const QStringList fields = state.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    ActiveWindow active;
    if (fields.size() == 5) {
        active.exists = true;
        active.fullScreen = fields[0] == QLatin1String("1");
        const auto number = [&](int i) {
            return qRound(fields[i].toDouble());
        };
        active.rect = {number(1), number(2), number(1) + number(3), number(2) + number(4)};
    }
    mActive = active;
}

void CompositorWindowReport::pointerAt(const QString& position) {
    const QStringList xy = position.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (xy.size() == 2)
        mPointer = Pointer{{qRound(xy[0].toDouble()), qRound(xy[1].toDouble())}, steadyNowMs()};
}

} // namespace parlavo
