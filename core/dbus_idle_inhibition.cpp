#include "core/dbus_idle_inhibition.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>

#include <algorithm>
#include <optional>
#include <vector>

namespace parlavo {

namespace {

struct Source {
    const char* service;
    const char* path;
    const char* interface;
    const char* question;              // answers true while an inhibition is held
    std::optional<uint> questionFlags; // which kind of inhibition the question is about
    std::vector<const char*> changes;  // signals that something changed
};

const Source kSources[] = {
    // Flag 8: inhibiting the session from being marked idle.
    {"org.gnome.SessionManager",
     "/org/gnome/SessionManager",
     "org.gnome.SessionManager",
     "IsInhibited",
     8u,
     {"InhibitorAdded", "InhibitorRemoved"}},
    // Policy 4: changes to the screen's settings (dimming, blanking).
    {"org.kde.Solid.PowerManagement",
     "/org/kde/Solid/PowerManagement/PolicyAgent",
     "org.kde.Solid.PowerManagement.PolicyAgent",
     "HasInhibition",
     4u,
     {"InhibitionsChanged"}},
    {"org.freedesktop.PowerManagement",
     "/org/freedesktop/PowerManagement/Inhibit",
     "org.freedesktop.PowerManagement.Inhibit",
     "HasInhibit",
     std::nullopt,
     {"HasInhibitChanged"}},
};
constexpr int kSourceCount = static_cast<int>(std::size(kSources));

QString text(const char* latin1) {
    return QString::fromLatin1(latin1);
}

} // namespace

DbusIdleInhibition::DbusIdleInhibition() {
    static_assert(kSourceCount == std::tuple_size_v<decltype(mHeld)>);
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    mWatcher = new QDBusServiceWatcher(this);
    mWatcher->setConnection(bus);
    for (int source = 0; source < kSourceCount; ++source) {
        const Source& s = kSources[source];
        mWatcher->addWatchedService(text(s.service));
        for (const char* change : s.changes)
            bus.connect(text(s.service), text(s.path), text(s.interface), text(change), this,
                        SLOT(changed(QDBusMessage)));
        ask(source);
    }
    // A service that starts later (or again) is asked then; one that goes holds nothing.
    connect(mWatcher, &QDBusServiceWatcher::serviceRegistered, this, [this](const QString& service) {
        for (int source = 0; source < kSourceCount; ++source) {
            if (service == text(kSources[source].service))
                ask(source);
        }
    });
    connect(mWatcher, &QDBusServiceWatcher::serviceUnregistered, this, [this](const QString& service) {
        for (int source = 0; source < kSourceCount; ++source) {
            if (service == text(kSources[source].service))
                mHeld[source] = false;
        }
    });
}

DbusIdleInhibition::~DbusIdleInhibition() = default;

bool DbusIdleInhibition::held() const {
    return std::any_of(mHeld.begin(), mHeld.end(), [](bool held) { return held; });
}

void DbusIdleInhibition::changed(const QDBusMessage& signal) {
    for (int source = 0; source < kSourceCount; ++source) {
        if (signal.interface() == text(kSources[source].interface))
            ask(source);
    }
}

// A service that is not there answers with an error, which holds nothing.
void DbusIdleInhibition::ask(int source) {
    const Source& s = kSources[source];
    QDBusMessage question =
        QDBusMessage::createMethodCall(text(s.service), text(s.path), text(s.interface), text(s.question));
    if (s.questionFlags)
        question << *s.questionFlags;
    auto* watcher = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(question), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, source](QDBusPendingCallWatcher* answer) {
        const QDBusPendingReply<bool> reply = *answer;
        mHeld[source] = reply.isValid() && reply.value();
        answer->deleteLater();
    });
}

} // namespace parlavo
