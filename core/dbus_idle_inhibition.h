#pragma once

#include "core/idle_inhibition.h"

#include <QObject>

#include <array>

class QDBusMessage;
class QDBusServiceWatcher;

namespace parlavo {

// Idle inhibition as the session's own services report it over D-Bus: GNOME's session manager, KDE's power
// management (which KWin hands the freedesktop.org screen-saver requests to, and which reports them about five
// seconds later by design), or a freedesktop.org power manager such as Xfce's. Each is asked once when it appears
// and again whenever it signals a change; nothing is polled. Without any of them nothing is ever held.
class DbusIdleInhibition final : public QObject, public IdleInhibition {
    Q_OBJECT

public:
    DbusIdleInhibition();
    ~DbusIdleInhibition() override;

    bool held() const override;

private slots:
    void changed(const QDBusMessage& signal);

private:
    void ask(int source);

    QDBusServiceWatcher* mWatcher = nullptr;
    std::array<bool, 3> mHeld{}; // by source
};

} // namespace parlavo
