#include "settings/autostart.h"
#include "tests/settings/recording_autostart.h"

#include <QTest>

using namespace parlavo;
using namespace parlavo::test;

class TestAutostart : public QObject {
    Q_OBJECT

private slots:
    void runKeyCommandLine_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("baseName");
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("dataSize");
        QTest::newRow("drive root") << R"(C:\)"
                                    << "app"
                                    << R"(C:\app.exe)" << 11;
        QTest::newRow("folder with blanks") << R"(C:\Program Files\Tool)"
                                            << "app"
                                            << R"("C:\Program Files\Tool\app.exe")" << 32;
        QTest::newRow("folder ending in a backslash") << R"(D:\Tools\)"
                                                      << "app"
                                                      << R"(D:\Tools\app.exe)" << 17;
        QTest::newRow("plain folder") << R"(D:\Tools)"
                                      << "Spanish"
                                      << R"(D:\Tools\Spanish.exe)" << 21;
        QTest::newRow("blank in the name only") << R"(E:\)"
                                                << "my app"
                                                << R"("E:\my app.exe")" << 16;
        QTest::newRow("network share") << R"(\\server\share\bin)"
                                       << "app"
                                       << R"(\\server\share\bin\app.exe)" << 27;
    }
    void runKeyCommandLine() {
        QFETCH(QString, folder);
        QFETCH(QString, baseName);
        QFETCH(QString, command);
        QFETCH(int, dataSize);

        QCOMPARE(windowsRunCommand(folder, baseName), command);
        const QByteArray data = runValueData(command);
        QCOMPARE(data.size(), dataSize);
        QCOMPARE(data.back(), '\0');
    }

    void markDecidesTheEntry_data() {
        QTest::addColumn<int>("mark");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("0 removes") << 0 << QStringList{"remove@0"};
        QTest::newRow("1 writes") << 1 << QStringList{"write@0"};
        QTest::newRow("2 leaves it") << 2 << QStringList{};
        QTest::newRow("-1 leaves it") << -1 << QStringList{};
        QTest::newRow("32767 leaves it") << 32767 << QStringList{};
    }
    void markDecidesTheEntry() {
        QFETCH(int, mark);
        QFETCH(QStringList, calls);
        FakeSettingsStore store;
        RecordingAutostart autostart(store);
        SetStartWithWindows(autostart, static_cast<qint16>(mark));
        QCOMPARE(autostart.calls, calls);
    }
};

QTEST_GUILESS_MAIN(TestAutostart)
#include "test_autostart.moc"
