#include "menu/strip_menu.h"

#include "menu/about_window.h"
#include "menu/menu_placement.h"
#include "tests/settings/dialog_world.h"

#include <QLabel>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

using namespace parlavo;
using namespace parlavo::test;

namespace {

// A started caption window with its menu; the intro has not ticked yet.
struct MenuWorld {
    FakeWorld world;
    FakeShell shell;
    RecordingAutostart autostart{world.store};
    StripMenu stripMenu{world.strip, shell, world.store, autostart};

    MenuWorld() { world.strip.start(); }

    // Moves the pointer over the picture the way the window system reports it; tells whether the menu is open then.
    bool pointOnPicture() {
        QLabel* picture = world.strip.menuPicture;
        const QPointF inside(picture->width() / 2.0, picture->height() / 2.0);
        QMouseEvent move(QEvent::MouseMove, inside, picture->mapToGlobal(inside), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(picture, &move);
        return stripMenu.menu.isVisible();
    }

    // Closes the settings dialog as its close box does and lets it delete itself.
    void closeSettingsDialog() {
        world.strip.findChild<SettingsDialog*>()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

} // namespace

class TestStripMenu : public QObject {
    Q_OBJECT

private slots:
    // Read aloud only shows or hides the character, whether or not it manages to; "voice" stays.
    void readAloudTogglesTheCharacter_data() {
        QTest::addColumn<bool>("characterFails");
        QTest::newRow("character shows") << false;
        QTest::newRow("character cannot show") << true;
    }
    void readAloudTogglesTheCharacter() {
        QFETCH(bool, characterFails);

        MenuWorld menu;
        FakeCharacter& character = menu.world.characters.peedy;
        character.calls.clear();
        character.throwOnShow = characterFails;
        const qint16 voice = menu.world.state.readAloud;
        QStringList captions = {menu.stripMenu.readAloudCommand->text()};
        for (int use = 0; use < 3; ++use) {
            menu.stripMenu.readAloudCommand->trigger();
            captions << menu.stripMenu.readAloudCommand->text();
        }
        QCOMPARE(captions, (QStringList{"&Non Read aloud", "R&ead aloud", "Non r&ead aloud", "R&ead aloud"}));
        QCOMPARE(character.calls, (QStringList{"Hide", "Show", "Hide"}));
        QCOMPARE(menu.world.state.readAloud, voice);
    }

    // While the settings dialog or About is open the menu stays shut, however it is asked for; once the
    // window has gone, whichever way, the menu opens again, and only once while it is open.
    void menuStaysShutWhileASideWindowIsOpen() {
        MenuWorld menu;
        QSignalSpy openings(&menu.stripMenu.menu, &QMenu::aboutToShow);
        for (const QString closing :
             {"settings closed", "About: Escape", "About: click", "About: closed from outside"}) {
            (closing.startsWith("About") ? menu.stripMenu.aboutCommand : menu.stripMenu.settingsCommand)->trigger();
            QVERIFY2(!menu.pointOnPicture(), qPrintable(closing));
            emit menu.world.strip.menuPictureHovered();
            QVERIFY2(!menu.stripMenu.menu.isVisible(), qPrintable(closing));

            AboutWindow* about = menu.stripMenu.aboutWindow();
            if (closing == "settings closed")
                menu.closeSettingsDialog();
            else if (closing == "About: Escape")
                QTest::keyClick(about, Qt::Key_Escape);
            else if (closing == "About: click")
                QTest::mouseClick(about, Qt::LeftButton, {}, QPoint(100, 100));
            else
                about->close();
            QVERIFY2(menu.pointOnPicture(), qPrintable(closing));
            QVERIFY(menu.pointOnPicture());
            menu.stripMenu.menu.hide();
        }
        QCOMPARE(openings.count(), 4);
    }

    // The intro starts playback only while the picture is enabled: About open over the intro's end holds
    // playback, and closing About starts it; closed while the intro still runs, the intro starts it.
    void aboutOverTheIntrosEndStartsPlaybackOnClosing() {
        MenuWorld menu;
        CaptionStrip& strip = menu.world.strip;
        for (int tick = 0; tick < 60; ++tick)
            strip.onPointerTick();
        menu.stripMenu.showAbout();
        menu.stripMenu.aboutWindow()->close();
        QVERIFY(!strip.playbackTimer.isActive());
        menu.stripMenu.showAbout();
        for (int tick = 60; tick < 70; ++tick)
            strip.onPointerTick();
        QVERIFY(!strip.playbackTimer.isActive());
        menu.stripMenu.aboutWindow()->close();
        QVERIFY(strip.playbackTimer.isActive());
    }

    // Website and E-mail hand their address to the shell; without a program for it nothing is shown.
    void addressesGoToTheShell() {
        MenuWorld menu;
        menu.shell.succeed = false;
        menu.stripMenu.websiteCommand->trigger();
        menu.stripMenu.emailCommand->trigger();
        QCOMPARE(menu.shell.opened,
                 (QList<QUrl>{QUrl("https://parlavo.example/"), QUrl("mailto:support@parlavo.example")}));
        QVERIFY(menu.world.messageBox.shown.isEmpty());
    }

    // Another button's release leaves the item highlighted, ready for a left click.
    void onlyTheLeftButtonChoosesAnItem() {
        MenuWorld menu;
        QVERIFY(menu.pointOnPicture());
        QVERIFY(QTest::qWaitForWindowExposed(&menu.stripMenu.menu));
        const QPoint website = menu.stripMenu.menu.actionGeometry(menu.stripMenu.websiteCommand).center();
        QTest::mouseMove(&menu.stripMenu.menu, website);
        QTest::mouseClick(&menu.stripMenu.menu, Qt::RightButton, {}, website);
        QTest::mouseClick(&menu.stripMenu.menu, Qt::MiddleButton, {}, website);
        QVERIFY(menu.shell.opened.isEmpty());
        QTest::mouseClick(&menu.stripMenu.menu, Qt::LeftButton, {}, website);
        QCOMPARE(menu.shell.opened.count(), 1);
    }

    // Exit in random play saves "voice" and "left" but not the reading position, and stops the strip.
    void exitSavesWhatTheExitSaves() {
        MenuWorld menu;
        menu.world.state.inSequence = 0;
        menu.world.state.saveReadingPosition = 1;
        menu.world.store.writes.clear();
        menu.stripMenu.exitCommand->trigger();
        QCOMPARE(menu.world.store.writtenKeys(), QStringList({"voice", "left"}));
        QCOMPARE(menu.world.store.values.value("left").toDouble(), menu.world.strip.leftTwips());
        QVERIFY(!menu.world.strip.pointerTimer.isActive());
    }

    // The menu's top-right corner sits 7110 twips across the strip, 10 twips below its open height of
    // 340 twips: 474 px across, and 350 twips is 23.3 px, which rounds to 23.
    void menuHangsLeftFromItsAnchor() {
        const TwipsPoint anchor{StripMenu::kMenuAnchorXTwips,
                                CaptionStrip::kOpenHeightTwips + StripMenu::kMenuGapTwips};
        QCOMPARE(rightAlignedPopupPosition({827, 0, 1304, 23}, anchor, QSize(146, 136), 15, 15), QPoint(1155, 23));
        QCOMPARE(rightAlignedPopupPosition({100, 200, 577, 223}, anchor, QSize(100, 50), 15, 15), QPoint(474, 223));
        // At 120 dpi 7110 twips is 592.5 px: the half pixel goes to the even neighbour.
        QCOMPARE(rightAlignedPopupPosition({0, 0, 477, 23}, anchor, QSize(100, 50), 12, 12), QPoint(492, 29));
        // A menu wider than the anchor's offset hangs past the strip's left edge.
        QCOMPARE(rightAlignedPopupPosition({0, 0, 477, 23}, anchor, QSize(500, 50), 15, 15), QPoint(-26, 23));
    }

    // About sits in the screen's middle; an odd pixel left over goes to the right and the bottom, and on a
    // screen smaller than About it hangs over the edges.
    void aboutIsCentredOnTheScreen() {
        QCOMPARE(centredOnScreen(1025 * 15, 769 * 15, QSize(210, 280), 15.0, 15.0), QPoint(407, 244));
        QCOMPARE(centredOnScreen(200 * 15, 200 * 15, QSize(210, 280), 15.0, 15.0), QPoint(-5, -40));
    }
};

QTEST_MAIN(TestStripMenu)
#include "test_strip_menu.moc"
