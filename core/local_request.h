#pragma once

#include <QObject>
#include <QString>

#include <map>
#include <memory>

class QSocketNotifier;

namespace parlavo {

// One line asked and one line answered over a Unix socket: how a later copy of the program asks the running one to
// come to the front. Plain sockets, because Qt's local sockets come with its network library and the libraries that
// one needs, over a megabyte held all day for one question at start-up.
class RequestListener : public QObject {
    Q_OBJECT

public:
    RequestListener();
    ~RequestListener() override;

    // Listens on a socket at path, readable and writable by this user only, replacing a file left there.
    bool listen(const QString& path, QString& error);
    bool isListening() const { return mListening >= 0; }
    // Stops listening, removes the socket file and drops every connection not answered yet.
    void close();

signals:
    // A request line came. Its answer goes out on the next turn of the event loop, if this still listens then.
    void requested();

private:
    struct Connection;
    void acceptAll();
    void readFrom(int socket);
    void drop(int socket);

    int mListening = -1;
    QString mPath;
    std::unique_ptr<QSocketNotifier> mNotifier;
    std::map<int, std::unique_ptr<Connection>> mConnections;
};

// Sends the request line to the socket at path and runs an event loop (a listener in this same thread can answer
// too) until the answer line comes, the other side closes, or answerTimeoutMs pass. True when the answer was "ok".
bool askOverSocket(const QString& path, int answerTimeoutMs);

} // namespace parlavo
