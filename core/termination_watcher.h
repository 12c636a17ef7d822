#pragma once

#include <QObject>

class QSocketNotifier;

namespace parlavo {

// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal on the user-interface thread, so that a log-out
// or a kill saves the reading position like the Exit command does. Uses a self-pipe: the handler only
// writes one byte.
class TerminationWatcher : public QObject {
    Q_OBJECT

public:
    explicit TerminationWatcher(QObject* parent = nullptr);
    ~TerminationWatcher() override;

signals:
    void terminationRequested(int signalNumber);

private:
    QSocketNotifier* mNotifier = nullptr;
};

} // namespace parlavo
