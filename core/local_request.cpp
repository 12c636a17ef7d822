#include "core/local_request.h"

#include <QEventLoop>
#include <QFile>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace parlavo {

namespace {

const QByteArray kRequest = QByteArrayLiteral("show\n");
const QByteArray kAnswer = QByteArrayLiteral("ok\n");
constexpr qsizetype kLongestLine = 64;

bool addressOf(const QString& path, sockaddr_un& address) {
    const QByteArray native = QFile::encodeName(path);
    address = {};
    address.sun_family = AF_UNIX;
    if (native.size() >= qsizetype(sizeof(address.sun_path)))
        return false;
    std::memcpy(address.sun_path, native.constData(), size_t(native.size()));
    return true;
}

// Reads what is waiting without blocking; false once the other side has closed or failed.
bool readInto(int socket, QByteArray& received) {
    char buffer[kLongestLine];
    for (;;) {
        const ssize_t got = ::recv(socket, buffer, sizeof buffer, MSG_DONTWAIT);
        if (got > 0) {
            received.append(buffer, got);
            if (received.size() > kLongestLine)
                return false;
            continue;
        }
        return got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR);
    }
}

} // namespace

struct RequestListener::Connection {
    std::unique_ptr<QSocketNotifier> notifier;
    QByteArray received;
};

RequestListener::RequestListener() = default;

RequestListener::~RequestListener() {
    close();
}

bool RequestListener::listen(const QString& path, QString& error) {
    close();
    sockaddr_un address;
    if (!addressOf(path, address)) {
        error = QStringLiteral("the path is too long");
        return false;
    }
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    ::unlink(address.sun_path);
    const mode_t previous = ::umask(0077);
    const bool bound = socket >= 0 && ::bind(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::umask(previous);
    if (!bound || ::listen(socket, SOMAXCONN) != 0) {
        error = QString::fromLocal8Bit(std::strerror(errno));
        if (socket >= 0)
            ::close(socket);
        return false;
    }
    mListening = socket;
    mPath = path;
    mNotifier = std::make_unique<QSocketNotifier>(socket, QSocketNotifier::Read);
    connect(mNotifier.get(), &QSocketNotifier::activated, this, &RequestListener::acceptAll);
    return true;
}

void RequestListener::close() {
    if (mListening >= 0) {
        mNotifier.reset();
        ::close(mListening);
        ::unlink(QFile::encodeName(mPath).constData());
        mListening = -1;
    }
    while (!mConnections.empty())
        drop(mConnections.begin()->first);
}

void RequestListener::acceptAll() {
    for (;;) {
        const int socket = ::accept4(mListening, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (socket < 0)
            return;
        auto connection = std::make_unique<Connection>();
        connection->notifier = std::make_unique<QSocketNotifier>(socket, QSocketNotifier::Read);
        connect(connection->notifier.get(), &QSocketNotifier::activated, this, [this, socket] { readFrom(socket); });
        mConnections[socket] = std::move(connection);
    }
}

void RequestListener::readFrom(int socket) {
    Connection& connection = *mConnections.at(socket);
    if (!readInto(socket, connection.received)) {
        drop(socket);
        return;
    }
    if (!connection.received.contains('\n'))
        return;
    connection.notifier->setEnabled(false);
    emit requested();
    QTimer::singleShot(0, this, [this, socket] {
        if (!mConnections.contains(socket))
            return;
        if (isListening())
            ::send(socket, kAnswer.constData(), size_t(kAnswer.size()), MSG_NOSIGNAL | MSG_DONTWAIT);
        drop(socket);
    });
}

void RequestListener::drop(int socket) {
    mConnections.erase(socket);
    ::close(socket);
}

bool askOverSocket(const QString& path, int answerTimeoutMs) {
    sockaddr_un address;
    if (!addressOf(path, address))
        return false;
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (socket < 0)
        return false;
    QByteArray received;
    bool open = ::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
                ::send(socket, kRequest.constData(), size_t(kRequest.size()), MSG_NOSIGNAL) == kRequest.size();
    if (open) {
        QEventLoop loop;
        QSocketNotifier readable(socket, QSocketNotifier::Read);
        QObject::connect(&readable, &QSocketNotifier::activated, &loop, [&] {
            open = readInto(socket, received);
            if (!open || received.contains('\n'))
                loop.quit();
        });
        QTimer::singleShot(answerTimeoutMs, &loop, &QEventLoop::quit);
        loop.exec();
    }
    ::close(socket);
    return received == kAnswer;
}

} // namespace parlavo
