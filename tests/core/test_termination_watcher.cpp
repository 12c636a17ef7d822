#include "core/termination_watcher.h"

#include <QTest>

#include <cerrno>
#include <csignal>

using namespace parlavo;

// A signal can land between a failing call and the reading of its errno. Enough signals fill the pipe, so that the
// handler's own write fails as well.
class TestTerminationWatcher : public QObject {
    Q_OBJECT
private slots:
    void handlerLeavesErrnoAlone() {
        TerminationWatcher watcher;
        for (int i = 0; i < 100000; ++i) {
            errno = EILSEQ;
            std::raise(SIGHUP);
            QCOMPARE(errno, EILSEQ);
        }
    }
};

QTEST_GUILESS_MAIN(TestTerminationWatcher)
#include "test_termination_watcher.moc"
