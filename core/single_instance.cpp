#include "core/single_instance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

namespace parlavo {

namespace {

const QByteArray kShowRequest = QByteArrayLiteral("show\n");

QString runtimeFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    QDir().mkpath(folder);
    return folder;
}

} // namespace

SingleInstance::SingleInstance(QObject* parent) : QObject(parent) {
    connect(&mServer, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = mServer.nextPendingConnection()) {
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().contains('\n'))
                    emit activationRequested();
                socket->disconnectFromServer();
            });
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::lockPath() const {
    return runtimeFolder() + QStringLiteral("/parlavo.lock");
}

// A full path keeps the socket beside the lock, private to this user's session.
QString SingleInstance::serverName() const {
    return runtimeFolder() + QStringLiteral("/parlavo.socket");
}

bool SingleInstance::becomePrimary() {
    mLock = std::make_unique<QLockFile>(lockPath());
    mLock->setStaleLockTime(0); // only a lock whose process is gone counts as stale
    if (!mLock->tryLock(0))
        return false;
    // A socket left by a crashed copy would make listen() fail.
    QLocalServer::removeServer(serverName());
    mServer.setSocketOptions(QLocalServer::UserAccessOption);
    mServer.listen(serverName());
    return true;
}

bool SingleInstance::activatePrimary() {
    // The first copy may have taken the lock a moment ago and not be listening yet: retry briefly.
    const QDeadlineTimer deadline(900);
    while (!deadline.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(serverName());
        if (socket.waitForConnected(200)) {
            socket.write(kShowRequest);
            socket.waitForBytesWritten(200);
            socket.disconnectFromServer();
            return true;
        }
        QThread::msleep(50);
    }
    return false;
}

} // namespace parlavo
