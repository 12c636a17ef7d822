#include "core/qt_desktop_services.h"
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

// What the real program's tests cannot stage: leftovers of a crashed copy, signals at the worst moment, and an alarm
// set for a time (a pause's end) that is not an hour away.
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

    // The alarm rings once at its time, at once for a time past; a later one replaces it, and no time clears it.
    void wallClockAlarmRingsAtItsTime() {
        SystemWallClock clock;
        QSignalSpy rang(&clock, &WallClock::alarmRang);
        clock.setAlarm(clock.now().addSecs(-5));
        QVERIFY(rang.wait(1000));
        clock.setAlarm(clock.now().addMSecs(100));
        clock.setAlarm(clock.now().addMSecs(300));
        QVERIFY(!rang.wait(200) && rang.wait(1000) && rang.size() == 2);
        clock.setAlarm(clock.now().addMSecs(100));
        clock.setAlarm(QDateTime());
        QVERIFY(!rang.wait(400));
    }
};

QTEST_GUILESS_MAIN(TestProcessLifetime)
#include "test_process_lifetime.moc"
