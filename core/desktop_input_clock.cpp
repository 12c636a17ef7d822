#include "core/desktop_input_clock.h"

#include "core/x11_pointer_presence.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace parlavo {

namespace {

const QString kService = QStringLiteral("org.gnome.Mutter.IdleMonitor");
constexpr qint64 kAskIntervalMs = 250;

} // namespace

DesktopInputClock::DesktopInputClock() {
    if (!qEnvironmentVariableIsSet("WAYLAND_DISPLAY"))
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    mAvailable = bus.isConnected() && bus.interface()->isServiceRegistered(kService);
}

std::optional<qint64> DesktopInputClock::lastInputMs() {
    if (mAvailable && !mAsking && steadyNowMs() - mAskedAtMs >= kAskIntervalMs)
        ask();
    return mLastInputMs;
}

void DesktopInputClock::ask() {
    mAsking = true;
    mAskedAtMs = steadyNowMs();
    const QDBusMessage question = QDBusMessage::createMethodCall(
        kService, QStringLiteral("/org/gnome/Mutter/IdleMonitor/Core"), kService, QStringLiteral("GetIdletime"));
    auto* watcher = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(question), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* answer) {
        const QDBusPendingReply<quint64> idle = *answer;
        if (idle.isValid())
            mLastInputMs = steadyNowMs() - static_cast<qint64>(idle.value());
        else
            mAvailable = false;
        mAsking = false;
        answer->deleteLater();
    });
}

} // namespace parlavo
