#include "core/single_instance.h"

#include <QFile>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace parlavo;

// A lock and a socket file left by a crashed copy must not keep the next one out; without such leftovers the real
// program's tests cover it.
class TestSingleInstance : public QObject {
    Q_OBJECT
private slots:
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
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "test_single_instance.moc"
