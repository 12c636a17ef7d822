#include "core/qt_settings_store.h"
#include "core/settings_io.h"
#include "tests/support/fake_settings_store.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace parlavo;
using parlavo::test::FakeSettingsStore;

namespace {

constexpr int kScreenTwips = 1920 * 15;

} // namespace

class TestSettingsIo : public QObject {
    Q_OBJECT

private slots:
    void firstRunWritesEveryDefaultInOrder() {
        FakeSettingsStore store;
        SharedState state;
        QCOMPARE(loadSettings(store, state, kScreenTwips), 12400.0);
        const QList<QPair<QString, QString>> defaults = {
            {"ce", "1"},    {"n", "2"},    {"ctime", "3"},    {"etime", "5"},    {"rd", "0"},         {"psave", "1"},
            {"ssave", "1"}, {"visi", "0"}, {"voice", "1"},    {"guage", "1"},    {"guagen", "11000"}, {"red", "0"},
            {"mark", "0"},  {"xxx", "1"},  {"left", "12400"}, {"sspeed", "150"}, {"stepaside", "1"}};
        QCOMPARE(store.writes, defaults);
        QCOMPARE(store.syncs, 1);
        QCOMPARE(state.firstRunMarker, QStringLiteral("1"));
    }

    // Repairs stay in memory. Any stored marker, even "0", means the defaults were written once, so nothing is
    // written; absent keys read as their defaults. The left edge is the value loadSettings returns.
    void storedValuesAreRepaired_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("expected");
        const auto row = [](const char* name, const char* key, const char* stored, int expected) {
            QTest::newRow(name) << QString(key) << QString(stored) << expected;
        };
        row("not a number", "ce", "abc", 1);
        row("absent", "n", "", 2);
        row("beyond 16 bits", "sspeed", "40000", 150);
        row("rounded half to even", "ctime", "4.5", 4);
        row("blanks around a number", "etime", " 7 ", 7);
        row("n below range", "n", "0", 1);
        row("n above range", "n", "99", 12);
        row("etime below range", "etime", "2", 5);
        row("ctime above range", "ctime", "300", 15);
        row("lesson above range", "guage", "18", 17);
        row("lesson below range", "guage", "-3", 0);
        row("position before the lessons", "guagen", "10000", 10101);
        row("position after the lessons", "guagen", "12001", 10101);
        row("position in lesson 19 kept", "guagen", "11934", 11934);
        row("line 0 kept for the selection", "guagen", "11000", 11000);
        row("switch keeps any value", "mark", "2", 2);
        row("auto-hide keeps -1", "visi", "-1", -1);
        row("left inside", "left", "9000", 9000);
        row("left of the screen", "left", "-300", 0);
        row("beyond the right edge", "left", "40000", kScreenTwips - 7110);
        row("left not a number", "left", "wide", 12400);
    }
    void storedValuesAreRepaired() {
        QFETCH(QString, key);
        QFETCH(QString, stored);
        QFETCH(int, expected);
        FakeSettingsStore store;
        store.values = {{"xxx", "0"}, {key, stored}};
        SharedState state;
        const double left = loadSettings(store, state, kScreenTwips);
        const QMap<QString, double> fields = {{"ce", state.languageOrder},     {"n", state.timesPerSentence},
                                              {"ctime", state.englishSeconds}, {"etime", state.spanishSeconds},
                                              {"guage", state.lesson},         {"guagen", state.readingPosition},
                                              {"mark", state.startAtLogOn},    {"visi", state.autoHide},
                                              {"sspeed", state.speechRate},    {"left", left}};
        QCOMPARE(fields.value(key), double(expected));
        QVERIFY(store.writes.isEmpty());
    }

    void exitSavesThePositionOnlyInSequenceWithSavingOn_data() {
        QTest::addColumn<int>("rd");
        QTest::addColumn<int>("psave");
        QTest::addColumn<QStringList>("keys");
        QTest::newRow("sequence, saving") << 1 << 1 << QStringList{"voice", "left", "guagen"};
        QTest::newRow("random, saving") << 0 << 1 << QStringList{"voice", "left"};
        QTest::newRow("sequence, not saving") << 1 << 0 << QStringList{"voice", "left"};
        QTest::newRow("sequence stored as 2") << 2 << 1 << QStringList{"voice", "left"};
    }
    void exitSavesThePositionOnlyInSequenceWithSavingOn() {
        QFETCH(int, rd);
        QFETCH(int, psave);
        QFETCH(QStringList, keys);
        SharedState state;
        state.inSequence = static_cast<qint16>(rd);
        state.saveReadingPosition = static_cast<qint16>(psave);
        state.readingPosition = 10412;
        FakeSettingsStore store;
        QVERIFY(saveExitSettings(store, state, 12405));
        QCOMPARE(store.writtenKeys(), keys);
        QCOMPARE(store.values.value("left"), QStringLiteral("12405"));
        QCOMPARE(store.syncs, 1);
    }

    // The file's place and its section are checked on the real program; here, that values come back as written.
    void realStoreKeepsBlanks() {
        QTemporaryDir config;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
        QtSettingsStore store;
        store.writeSetting(QStringLiteral("red"), QStringLiteral(" 1 "));
        QVERIFY(store.sync());
        QtSettingsStore again;
        QCOMPARE(again.readSetting(QStringLiteral("red")), QStringLiteral(" 1 "));
        QCOMPARE(again.readSetting(QStringLiteral("absent")), QString());
    }
};

QTEST_GUILESS_MAIN(TestSettingsIo)
#include "test_settings_io.moc"
