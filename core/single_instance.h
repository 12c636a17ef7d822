#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>

#include <memory>

namespace parlavo {

// Decides which copy of the program runs. The first copy holds a lock file in the per-user runtime
// folder and listens on a per-user local socket; a later copy asks it to come to the front and ends.
// The lock, not the socket, decides who is first: a crashed copy leaves its socket file behind,
// while its lock is taken over as stale.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    explicit SingleInstance(QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this is the first copy; it then listens for later copies.
    bool becomePrimary();
    // Asks the running copy to show itself; waits at most about a second in all.
    bool activatePrimary();

signals:
    void activationRequested();

private:
    QString lockPath() const;
    QString serverName() const;

    std::unique_ptr<QLockFile> mLock;
    QLocalServer mServer;
};

} // namespace parlavo
