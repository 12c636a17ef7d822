#include "core/settings_io.h"
#include "tests/support/fake_settings_store.h"

#include <QTest>

using namespace parlavo;
using parlavo::test::FakeSettingsStore;

namespace {

constexpr int kScreenTwips = 1920 * 15;

const QStringList kAllKeys = {"ce",    "n",     "ctime",  "etime", "rd",   "psave", "ssave", "visi",
                              "voice", "guage", "guagen", "red",   "mark", "xxx",   "left",  "sspeed"};

FakeSettingsStore storeWith(const QMap<QString, QString>& values) {
    FakeSettingsStore store;
    store.values = values;
    store.values.insert(QStringLiteral("xxx"), QStringLiteral("1"));
    return store;
}

} // namespace

class TestSettingsIo : public QObject {
    Q_OBJECT

private slots:
    void firstRunWritesEveryDefaultInOrder() {
        FakeSettingsStore store;
        SharedState state;
        const double left = loadSettings(store, state, kScreenTwips);

        QCOMPARE(store.writtenKeys(), kAllKeys);
        QCOMPARE(store.values.value("guagen"), QStringLiteral("11000"));
        QCOMPARE(store.values.value("left"), QStringLiteral("12400"));
        QCOMPARE(store.values.value("sspeed"), QStringLiteral("150"));
        QCOMPARE(store.syncs, 1);
        QCOMPARE(left, 12400.0);
        QCOMPARE(state.languageOrder, qint16(1));
        QCOMPARE(state.timesPerSentence, qint16(2));
        QCOMPARE(state.englishSeconds, qint16(3));
        QCOMPARE(state.spanishSeconds, qint16(5));
        QCOMPARE(state.saveReadingPosition, qint16(1));
        QCOMPARE(state.readAloud, qint16(1));
        QCOMPARE(state.lesson, qint16(1));
        QCOMPARE(state.readingPosition, qint16(11000));
        QCOMPARE(state.firstRunMarker, QStringLiteral("1"));
    }

    void anyNonEmptyMarkerIsNoFirstRun() {
        FakeSettingsStore store;
        store.values.insert("xxx", "0");
        SharedState state;
        loadSettings(store, state, kScreenTwips);
        QVERIFY(store.writes.isEmpty());
        QCOMPARE(state.firstRunMarker, QStringLiteral("0"));
        QCOMPARE(state.timesPerSentence, qint16(2)); // absent keys read as their defaults
    }

    void storedValuesAreRepaired_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("expected");
        QTest::newRow("not a number") << "ce"
                                      << "abc" << 1;
        QTest::newRow("beyond 16 bits") << "sspeed"
                                        << "40000" << 150;
        QTest::newRow("rounded half to even") << "ctime"
                                              << "4.5" << 4;
        QTest::newRow("blanks around a number") << "etime"
                                                << " 7 " << 7;
        QTest::newRow("n below range") << "n"
                                       << "0" << 1;
        QTest::newRow("n above range") << "n"
                                       << "99" << 12;
        QTest::newRow("etime below range") << "etime"
                                           << "2" << 5;
        QTest::newRow("ctime above range") << "ctime"
                                           << "300" << 15;
        QTest::newRow("lesson above range") << "guage"
                                            << "18" << 17;
        QTest::newRow("lesson below range") << "guage"
                                            << "-3" << 0;
        QTest::newRow("position before the lessons") << "guagen"
                                                     << "10000" << 10101;
        QTest::newRow("position after the lessons") << "guagen"
                                                    << "12001" << 10101;
        QTest::newRow("negative position") << "guagen"
                                           << "-5" << 10101;
        QTest::newRow("position in lesson 19 kept") << "guagen"
                                                    << "11934" << 11934;
        QTest::newRow("line 0 kept for the selection") << "guagen"
                                                       << "11000" << 11000;
        QTest::newRow("switch keeps any value") << "mark"
                                                << "2" << 2;
        QTest::newRow("auto-hide keeps -1") << "visi"
                                            << "-1" << -1;
    }
    void storedValuesAreRepaired() {
        QFETCH(QString, key);
        QFETCH(QString, stored);
        QFETCH(int, expected);
        FakeSettingsStore store = storeWith({{key, stored}});
        SharedState state;
        loadSettings(store, state, kScreenTwips);
        const QMap<QString, int> fields = {
            {"ce", state.languageOrder},     {"n", state.timesPerSentence}, {"ctime", state.englishSeconds},
            {"etime", state.spanishSeconds}, {"guage", state.lesson},       {"guagen", state.readingPosition},
            {"mark", state.startAtLogOn},    {"visi", state.autoHide},      {"sspeed", state.speechRate}};
        QCOMPARE(fields.value(key), expected);
        QVERIFY2(store.writes.isEmpty(), "repairs stay in memory");
    }

    void leftEdgeIsPulledOntoTheScreen_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<double>("expected");
        QTest::newRow("inside") << "9000" << 9000.0;
        QTest::newRow("left of the screen") << "-300" << 0.0;
        QTest::newRow("beyond the right edge") << "40000" << double(kScreenTwips - 7110);
        QTest::newRow("not a number") << "wide" << 12400.0;
    }
    void leftEdgeIsPulledOntoTheScreen() {
        QFETCH(QString, stored);
        QFETCH(double, expected);
        FakeSettingsStore store = storeWith({{"left", stored}});
        SharedState state;
        QCOMPARE(loadSettings(store, state, kScreenTwips), expected);
    }

    void dialogSaveWritesItsKeysInOrderOnlyWhileSaving() {
        SharedState state;
        state.saveSettingsOnClose = 1;
        state.lesson = 4;
        state.speechRate = 150;
        FakeSettingsStore store;
        QVERIFY(saveDialogSettings(store, state));
        QCOMPARE(store.writtenKeys(), QStringList({"ce", "n", "ctime", "etime", "rd", "psave", "ssave", "visi", "guage",
                                                   "red", "mark", "xxx", "sspeed"}));
        QCOMPARE(store.values.value("guage"), QStringLiteral("4"));
        QCOMPARE(store.values.value("xxx"), QStringLiteral("1"));
        QCOMPARE(store.syncs, 1);

        FakeSettingsStore untouched;
        state.saveSettingsOnClose = 0;
        QVERIFY(saveDialogSettings(untouched, state));
        QVERIFY(untouched.writes.isEmpty());
    }

    void exitSavesThePositionOnlyInSequenceWithSavingOn_data() {
        QTest::addColumn<int>("rd");
        QTest::addColumn<int>("savePosition");
        QTest::addColumn<QStringList>("keys");
        QTest::newRow("sequence, saving") << 1 << 1 << QStringList{"voice", "left", "guagen"};
        QTest::newRow("random, saving") << 0 << 1 << QStringList{"voice", "left"};
        QTest::newRow("sequence, not saving") << 1 << 0 << QStringList{"voice", "left"};
        QTest::newRow("sequence stored as 2") << 2 << 1 << QStringList{"voice", "left"};
    }
    void exitSavesThePositionOnlyInSequenceWithSavingOn() {
        QFETCH(int, rd);
        QFETCH(int, savePosition);
        QFETCH(QStringList, keys);
        SharedState state;
        state.inSequence = static_cast<qint16>(rd);
        state.saveReadingPosition = static_cast<qint16>(savePosition);
        state.readAloud = 1;
        state.readingPosition = 10412;
        FakeSettingsStore store;
        QVERIFY(saveExitSettings(store, state, 12405));
        QCOMPARE(store.writtenKeys(), keys);
        QCOMPARE(store.values.value("left"), QStringLiteral("12405"));
        QCOMPARE(store.syncs, 1);
    }

    void failedSyncIsReported() {
        FakeSettingsStore store;
        store.failSync = true;
        QVERIFY(!saveExitSettings(store, SharedState{}, 0));
    }
};

QTEST_GUILESS_MAIN(TestSettingsIo)
#include "test_settings_io.moc"
