#include "core/qt_settings_store.h"
#include "core/settings_io.h"
#include "tests/support/fake_settings_store.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace parlavo;
using parlavo::test::FakeSettingsStore;

class TestSettingsIo : public QObject {
    Q_OBJECT

private slots:
    void firstRunWritesEveryDefaultInOrder() {
        FakeSettingsStore store;
        const Settings settings = loadSettings(store, 1920);
        const QList<QPair<QString, QString>> defaults = {
            {"ce", "1"},    {"n", "2"},    {"ctime", "3"},    {"etime", "5"},    {"rd", "0"},         {"psave", "1"},
            {"ssave", "1"}, {"visi", "0"}, {"voice", "1"},    {"guage", "1"},    {"guagen", "11000"}, {"red", "0"},
            {"mark", "0"},  {"xxx", "1"},  {"left", "12400"}, {"sspeed", "150"}, {"stepaside", "1"}};
        QCOMPARE(store.writes, defaults);
        QCOMPARE(store.syncs, 1);
        QCOMPARE(settings.stripLeft, 827);
        QCOMPARE(settings.readingPosition, (ReadingPosition{10, 0}));
    }

    // What a stored text loads as, seen through what the next saves write back. Repairs stay in memory until then;
    // any stored marker, even "0", means the defaults were written once, so loading writes nothing.
    void storedValuesAreRepaired_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("saved");
        const auto row = [](const char* name, const char* key, const char* stored, const char* saved) {
            QTest::newRow(name) << QString(key) << QString(stored) << QString(saved);
        };
        row("not a number", "ce", "abc", "1");
        row("English first from anything but 1", "ce", "2", "0");
        row("absent", "n", "", "2");
        row("beyond 16 bits", "sspeed", "40000", "150");
        row("rounded half to even", "ctime", "4.5", "4");
        row("blanks around a number", "etime", " 7 ", "7");
        row("n above range", "n", "99", "12");
        row("etime below range", "etime", "2", "5");
        row("lesson above range", "guage", "18", "17");
        row("position before the lessons", "guagen", "10000", "10101");
        row("position after the lessons", "guagen", "12001", "10101");
        row("position past a lesson's end", "guagen", "10450", "10435");
        row("position in lesson 19 kept", "guagen", "11934", "11934");
        row("line 0 kept", "guagen", "11000", "11000");
        row("switch stored as 2", "mark", "2", "1");
        row("auto-hide stored as -1", "visi", "-1", "1");
        row("red carried as stored", "red", "7", "7");
        row("review play", "rd", "2", "2");
        row("play mode from a later version", "rd", "3", "1");
        row("left rounds to a pixel", "left", "9008", "9015");
        row("left of the screen", "left", "-300", "0");
        row("beyond the right edge", "left", "40000", "21690");
        row("left not a number", "left", "wide", "12405");
        row("own lesson's name as stored", "ownlesson", " Mis frases ", " Mis frases ");
        row("own place beyond 16 bits", "ownplace", "70000", "70000");
        row("own place not a count", "ownplace", "-5", "0");
        row("text size kept", "textsize", "125", "125");
        row("text size not offered", "textsize", "130", "100");
        row("shortcut absent", "keyrepeat", "", "Ctrl+Alt+R");
        row("shortcut cleared", "keypause", "none", "none");
        row("shortcut changed", "keypause", "Meta+Shift+F9", "Meta+Shift+F9");
        row("shortcut's second key dropped", "keypause", "Ctrl+K, Ctrl+L", "Ctrl+K");
        row("shortcut unreadable", "keyrepeat", "Ctrl+Banana", "Ctrl+Alt+R");
    }
    void storedValuesAreRepaired() {
        QFETCH(QString, key);
        QFETCH(QString, stored);
        QFETCH(QString, saved);
        FakeSettingsStore store;
        store.values = {{"xxx", "0"}, {"rd", "1"}, {"psave", "1"}, {"ownlesson", "Mine"}, {key, stored}};
        const Settings settings = loadSettings(store, 1920);
        QVERIFY(store.writes.isEmpty());
        QVERIFY(saveDialogSettings(store, settings) && saveExitSettings(store, settings));
        QCOMPARE(store.values.value(key), saved);
    }

    void exitSavesThePositionOnlyInSequenceWithSavingOn_data() {
        QTest::addColumn<bool>("inSequence");
        QTest::addColumn<bool>("keep");
        QTest::addColumn<QStringList>("keys");
        QTest::newRow("sequence, saving") << true << true << QStringList{"guagen", "left", "voice"};
        QTest::newRow("random, saving") << false << true << QStringList{"left", "voice"};
        QTest::newRow("sequence, not saving") << true << false << QStringList{"left", "voice"};
    }
    void exitSavesThePositionOnlyInSequenceWithSavingOn() {
        QFETCH(bool, inSequence);
        QFETCH(bool, keep);
        QFETCH(QStringList, keys);
        Settings settings;
        settings.inSequence = inSequence;
        settings.saveReadingPosition = keep;
        settings.readingPosition = {4, 12};
        FakeSettingsStore store;
        QVERIFY(saveExitSettings(store, settings));
        QCOMPARE(store.values.keys(), keys);
        QCOMPARE(store.values.value("guagen", "10412"), QStringLiteral("10412"));
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
