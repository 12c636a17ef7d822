#include "core/single_instance.h"

#include <QFile>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace parlavo;

class TestSingleInstance : public QObject {
    Q_OBJECT

private slots:
    // A lock left by a crashed copy, beside the socket file it left, must not keep the next one out. Without
    // such leftovers the real program's tests cover it.
    void laterCopyWakesTheFirst() {
        QTemporaryDir runtime;
        QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
        QFile lock(runtime.path() + QStringLiteral("/parlavo.lock"));
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(QByteArrayLiteral("2147483646\nparlavo\n") + QSysInfo::machineHostName().toUtf8() + "\n");
        lock.close();
        QVERIFY(QFile(runtime.path() + QStringLiteral("/parlavo.socket")).open(QIODevice::WriteOnly));
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
