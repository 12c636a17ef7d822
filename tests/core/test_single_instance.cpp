#include "core/single_instance.h"

#include <QFile>
#include <QHostInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace parlavo;

class TestSingleInstance : public QObject {
    Q_OBJECT

private slots:
    void init() {
        QVERIFY(mRuntime.isValid());
        QFile::setPermissions(mRuntime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", mRuntime.path().toLocal8Bit());
    }

    void laterCopyWakesTheFirst() {
        SingleInstance first;
        QVERIFY(first.becomePrimary());
        QSignalSpy shown(&first, &SingleInstance::activationRequested);

        SingleInstance second;
        QVERIFY(!second.becomePrimary());
        QVERIFY(second.activatePrimary());
        QTRY_COMPARE(shown.count(), 1);
    }

    void lockOfACrashedCopyIsTakenOver() {
        // A lock whose process no longer exists, and the socket file such a copy leaves behind.
        QFile lock(mRuntime.path() + QStringLiteral("/parlavo.lock"));
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(QByteArrayLiteral("2147483646\nparlavo\n") + QHostInfo::localHostName().toUtf8() + "\n");
        lock.close();

        SingleInstance next;
        QVERIFY(next.becomePrimary());
        SingleInstance later;
        QVERIFY(!later.becomePrimary());
        QSignalSpy shown(&next, &SingleInstance::activationRequested);
        QVERIFY(later.activatePrimary());
        QTRY_COMPARE(shown.count(), 1);
    }

    void nobodyToWakeIsReportedQuickly() {
        SingleInstance lonely;
        QVERIFY(!lonely.activatePrimary());
    }

private:
    QTemporaryDir mRuntime;
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "test_single_instance.moc"
