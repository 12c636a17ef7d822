#include "core/form4.h"
#include "tests/support/fake_services.h"

#include <QLabel>
#include <QTest>

using namespace parlavo;
using parlavo::test::FakeWorld;

class TestForm1Startup : public QObject {
    Q_OBJECT

private slots:
    void firstRunPlacesEverything() {
        FakeWorld world;
        world.form1.Form_Load();
        Form1& form1 = world.form1;

        QCOMPARE(world.store.writes.size(), 16);
        QVERIFY(!form1.isVisible());
        // Half the screen less 2000 twips, at the top edge, 7155 x 340 twips.
        QCOMPARE(world.windows.geometry(&form1), QRect(827, 0, 477, 23));
        QCOMPARE(form1.Left(), 12405.0);
        QCOMPARE(world.windows.topmostCalls, 1);
        QCOMPARE(form1.mrcWindow.left, 827);
        QCOMPARE(form1.mrcWindow.top, 0);
        QCOMPARE(form1.mrcWindow.right, 827 + 477);
        QCOMPARE(form1.mrcWindow.bottom, 23);
        QCOMPARE(form1.mlngOpenHeight, 340);

        // The splash's corner lies 1000 twips left of and 1800 above the screen's centre.
        QVERIFY(form1.splash());
        QVERIFY(form1.splash()->isVisible());
        QCOMPARE(world.windows.geometry(form1.splash()), QRect(893, 420, 210, 280));
        QCOMPARE(form1.splash()->windowTitle(), QStringLiteral("Version"));

        QVERIFY(form1.Timer1.isActive());
        QVERIFY(form1.Timer2.isActive());
        QVERIFY(!form1.Timer3.isActive() && !form1.Timer4.isActive() && !form1.Timer5.isActive());
        QCOMPARE(form1.Timer1.interval(), 60);
        QCOMPARE(form1.Timer2.interval(), 1500);
        QCOMPARE(world.state.introcount, qint16(70));
        QCOMPARE(form1.mintColor1, qint16(10));
        QCOMPARE(form1.mintColor2, qint16(12));

        QCOMPARE(world.characters.loads, QStringList{"Peedy|"});
        QCOMPARE(world.characters.peedy.calls, QStringList({"Show", "LanguageID:3082"}));
        QCOMPARE(form1.mobjAgent, &world.characters.peedy);
    }

    void storedLeftEdgeIsUsed() {
        FakeWorld world;
        world.store.values = {{"xxx", "1"}, {"left", "3000"}};
        world.form1.Form_Load();
        QCOMPARE(world.windows.geometry(&world.form1).topLeft(), QPoint(200, 0));
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
        world.form1.Form_Load();
        QVERIFY(world.form1.mobjAgent);
        QVERIFY(world.form1.mobjAgent != &world.characters.peedy);
        world.form1.mobjAgent->Speak(QStringLiteral("Hola"));
        world.form1.mobjAgent->Hide();
        QVERIFY(world.messageBox.shown.isEmpty());
        QVERIFY(world.form1.Timer1.isActive());
    }

    void getWindowsRectRestoresTheOpenStripAtTheTop() {
        FakeWorld world;
        world.form1.Form_Load();
        world.windows.MoveWindow(&world.form1, 300, 400, 477, 1);
        world.form1.Get_Windows_Rect();
        QCOMPARE(world.windows.geometry(&world.form1), QRect(300, 0, 477, 23));
        QCOMPARE(world.form1.mrcWindow.top, 0);
        QCOMPARE(world.form1.mrcWindow.bottom, 23);
        QVERIFY(world.form1.isOpen());
    }

    void exitSavesTheCurrentLeftEdge() {
        FakeWorld world;
        world.form1.Form_Load();
        world.form1.setLeft(4500);
        world.store.writes.clear();
        QVERIFY(world.form1.saveAtExit());
        QCOMPARE(world.store.writtenKeys(), QStringList({"voice", "left"}));
        QCOMPARE(world.store.values.value("left"), QStringLiteral("4500"));
    }
};

QTEST_MAIN(TestForm1Startup)
#include "test_form1_startup.moc"
