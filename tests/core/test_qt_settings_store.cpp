#include "core/qt_settings_store.h"
#include "core/settings_io.h"
#include "core/shared_state.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace parlavo;

// The real store in a private configuration folder.
class TestQtSettingsStore : public QObject {
    Q_OBJECT

private slots:
    void init() {
        mConfig = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", mConfig->path().toLocal8Bit());
        // QSettings reads XDG_CONFIG_HOME once per process.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, mConfig->path());
    }

    void valuesLandInOrnaConfUnderSpanish() {
        {
            QtSettingsStore store;
            SharedState state;
            loadSettings(store, state, 1920 * 15);
            QCOMPARE(store.fileName(), mConfig->path() + QStringLiteral("/Orna.conf"));
        }
        QFile file(mConfig->path() + QStringLiteral("/Orna.conf"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY(text.startsWith("[Spanish]\n"));
        QVERIFY(text.contains("guagen=11000\n"));
        QVERIFY(text.contains("left=12400\n"));

        QtSettingsStore again;
        QCOMPARE(again.readSetting(QStringLiteral("sspeed")), QStringLiteral("150"));
        QCOMPARE(again.readSetting(QStringLiteral("absent")), QString());
    }

    void blanksInValuesSurvive() {
        {
            QtSettingsStore store;
            store.writeSetting(QStringLiteral("xxx"), QStringLiteral(" 1 "));
            QVERIFY(store.sync());
        }
        QtSettingsStore store;
        QCOMPARE(store.readSetting(QStringLiteral("xxx")), QStringLiteral(" 1 "));
    }

    void damagedFileIsKeptBeforeItIsRewritten() {
        const QString path = mConfig->path() + QStringLiteral("/Orna.conf");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Spanish]\nguagen=10412\n[broken\n\xff\xfe=\n");
        file.close();

        QtSettingsStore store;
        const QStringList copies = QDir(mConfig->path()).entryList({QStringLiteral("Orna.conf.damaged-*")});
        QCOMPARE(copies.size(), 1);
    }

private:
    std::unique_ptr<QTemporaryDir> mConfig;
};

QTEST_GUILESS_MAIN(TestQtSettingsStore)
#include "test_qt_settings_store.moc"
