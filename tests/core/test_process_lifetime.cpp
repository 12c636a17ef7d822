#include "core/single_instance.h"
#include "core/termination_watcher.h"

#include <QFile>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>

using namespace parlavo;

// What the real program's tests cannot stage: leftovers of a crashed copy, and signals at the worst moment.
class TestProcessLifetime : public QObject {
    Q_OBJECT
private slots:
    // A lock and a socket file left by a crashed copy must not keep the next one out.
    void laterCopyWakesTheFirst() {
        QTemporaryDir runtime;
        QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
        QFile lock(runtime.filePath("parlavo.lock"));
        QVERIFY(lock.open(QIODevice::WriteOnly) &&
                lock.write("2147483646\nparlavo\n" + QSysInfo::machineHostName().toUtf8() + "\n") > 0);
        lock.close();
        QVERIFY(QFile(runtime.filePath("parlavo.socket")).open(QIODevice::WriteOnly));
        SingleInstance first;
        QVERIFY(first.becomePrimary());
        QSignalSpy shown(&first, &SingleInstance::activationRequested);
        SingleInstance second;
        QVERIFY(!second.becomePrimary());
        QVERIFY(second.activatePrimary());
        QTRY_COMPARE(shown.count(), 1);
    }

    // A signal can land between a failing call and the reading of its errno. Enough signals fill the pipe, so that
    // the handler's own write fails as well.
    void signalHandlerLeavesErrnoAlone() {
        TerminationWatcher watcher;
        for (int i = 0; i < 100000; ++i) {
            errno = EILSEQ;
            std::raise(SIGHUP);
            QCOMPARE(errno, EILSEQ);
        }
    }
};

QTEST_GUILESS_MAIN(TestProcessLifetime)
#include "test_process_lifetime.moc"
