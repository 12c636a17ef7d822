#include "app/splash_window.h"
#include "tests/support/fake_services.h"

#include <QLabel>
#include <QTest>

using namespace parlavo;
using parlavo::test::FakeWorld;

class TestStripStartup : public QObject {
    Q_OBJECT

private slots:
    void firstRunPlacesEverything() {
        FakeWorld world;
        world.strip.start();
        CaptionStrip& strip = world.strip;

        QCOMPARE(world.store.writes.size(), 16);
        QVERIFY(!strip.isVisible());
        // Half the screen less 2000 twips, at the top edge, 7155 x 340 twips.
        QCOMPARE(world.windows.geometry(&strip), QRect(827, 0, 477, 23));
        QCOMPARE(strip.leftTwips(), 12405.0);
        QCOMPARE(world.windows.topmostCalls, 1);
        QCOMPARE(strip.recordedRect.left, 827);
        QCOMPARE(strip.recordedRect.top, 0);
        QCOMPARE(strip.recordedRect.right, 827 + 477);
        QCOMPARE(strip.recordedRect.bottom, 23);
        QCOMPARE(strip.openHeightTwips, 340);

        // The splash's corner lies 1000 twips left of and 1800 above the screen's centre.
        QVERIFY(strip.splash());
        QVERIFY(strip.splash()->isVisible());
        QCOMPARE(world.windows.geometry(strip.splash()), QRect(893, 420, 210, 280));
        QCOMPARE(strip.splash()->windowTitle(), QStringLiteral("Version"));

        QVERIFY(strip.pointerTimer.isActive());
        QVERIFY(strip.colourStripTimer.isActive());
        QVERIFY(!strip.englishRiseTimer.isActive() && !strip.spanishEntryTimer.isActive() &&
                !strip.playbackTimer.isActive());
        QCOMPARE(strip.pointerTimer.interval(), 60);
        QCOMPARE(strip.colourStripTimer.interval(), 1500);
        QCOMPARE(world.state.introCountdown, qint16(70));
        QCOMPARE(strip.stripColours.first, qint16(10));
        QCOMPARE(strip.stripColours.second, qint16(12));

        QCOMPARE(world.characters.loads, QStringList{"Peedy|"});
        QCOMPARE(world.characters.peedy.calls, QStringList({"Show", "LanguageID:3082"}));
        QCOMPARE(strip.character, &world.characters.peedy);
    }

    void storedLeftEdgeIsUsed() {
        FakeWorld world;
        world.store.values = {{"xxx", "1"}, {"left", "3000"}};
        world.strip.start();
        QCOMPARE(world.windows.geometry(&world.strip).topLeft(), QPoint(200, 0));
        QVERIFY(world.store.writes.isEmpty());
    }

    void missingCharacterLeavesAQuietStandIn_data() {
        QTest::addColumn<bool>("available");
        QTest::addColumn<bool>("showFails");
        QTest::newRow("cannot load") << false << false;
        QTest::newRow("cannot show") << true << true;
    }
    void missingCharacterLeavesAQuietStandIn() {
        QFETCH(bool, available);
        QFETCH(bool, showFails);
        FakeWorld world;
        world.characters.available = available;
        world.characters.peedy.throwOnShow = showFails;
        world.strip.start();
        QVERIFY(world.strip.character);
        QVERIFY(world.strip.character != &world.characters.peedy);
        world.strip.character->Speak(QStringLiteral("Hola"));
        world.strip.character->Hide();
        QVERIFY(world.messageBox.shown.isEmpty());
        QVERIFY(world.strip.pointerTimer.isActive());
    }

    void getWindowsRectRestoresTheOpenStripAtTheTop() {
        FakeWorld world;
        world.strip.start();
        world.windows.moveWindow(&world.strip, 300, 400, 477, 1);
        world.strip.settleAtTopEdge();
        QCOMPARE(world.windows.geometry(&world.strip), QRect(300, 0, 477, 23));
        QCOMPARE(world.strip.recordedRect.top, 0);
        QCOMPARE(world.strip.recordedRect.bottom, 23);
        QVERIFY(world.strip.isOpen());
    }

    void exitSavesTheCurrentLeftEdge() {
        FakeWorld world;
        world.strip.start();
        world.strip.setLeftTwips(4500);
        world.store.writes.clear();
        QVERIFY(world.strip.saveAtExit());
        QCOMPARE(world.store.writtenKeys(), QStringList({"voice", "left"}));
        QCOMPARE(world.store.values.value("left"), QStringLiteral("4500"));
    }
};

QTEST_MAIN(TestStripStartup)
#include "test_strip_startup.moc"
