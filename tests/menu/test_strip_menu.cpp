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
        QWidget* picture = world.strip.childAt(465, 12);
        const QPointF inside(picture->width() / 2.0, picture->height() / 2.0);
        QMouseEvent move(QEvent::MouseMove, inside, picture->mapToGlobal(inside), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(picture, &move);
        return stripMenu.menu.isVisible();
    }
};

} // namespace

class TestStripMenu : public QObject {
    Q_OBJECT

private slots:
    // Read aloud only shows or hides the bird; "voice" stays. Repeat sentence comes right after it.
    void readAloudTogglesTheBird() {
        MenuWorld menu;
        const QList<QAction*> commands = menu.stripMenu.menu.actions();
        QCOMPARE(commands.value(commands.indexOf(menu.stripMenu.readAloudCommand) + 1), menu.stripMenu.repeatCommand);
        menu.world.bird.calls.clear();
        const bool voice = menu.world.settings.readAloud;
        QStringList captions = {menu.stripMenu.readAloudCommand->text()};
        for (int use = 0; use < 3; ++use) {
            menu.stripMenu.readAloudCommand->trigger();
            captions << menu.stripMenu.readAloudCommand->text();
        }
        QCOMPARE(captions, (QStringList{"&Non Read aloud", "R&ead aloud", "Non r&ead aloud", "R&ead aloud"}));
        QCOMPARE(menu.world.bird.calls, (QStringList{"hide", "show", "hide"}));
        QCOMPARE(menu.world.settings.readAloud, voice);
    }

    // While the settings dialog or About is open the menu stays shut, however it is asked for; once the window has
    // gone the menu opens again, and only once while it is open. The intro starts playback only while the picture is
    // enabled: About closed while the intro runs leaves that to the intro, About open over the intro's end holds
    // playback until it closes. The other ways of closing About are tried on the real program.
    void sideWindowsHoldTheMenuAndPlayback() {
        MenuWorld menu;
        CaptionStrip& strip = menu.world.strip;
        QSignalSpy openings(&menu.stripMenu.menu, &QMenu::aboutToShow);
        const QList<QAction*> commands = {menu.stripMenu.settingsCommand, menu.stripMenu.aboutCommand,
                                          menu.stripMenu.aboutCommand};
        for (int pass = 0; pass < commands.size(); ++pass) {
            const bool introOver = pass == 2;
            commands[pass]->trigger();
            QVERIFY(!menu.pointOnPicture());
            emit strip.menuPictureHovered();
            QVERIFY(!menu.stripMenu.menu.isVisible());
            for (int tick = 0; introOver && tick < 70; ++tick)
                strip.onPointerTick();
            QVERIFY(!strip.isPlaying());
            if (pass == 0)
                strip.findChild<SettingsDialog*>()->close();
            else
                menu.stripMenu.aboutWindow()->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCOMPARE(strip.isPlaying(), introOver);
            QVERIFY(menu.pointOnPicture());
            QVERIFY(menu.pointOnPicture());
            menu.stripMenu.menu.hide();
        }
        QCOMPARE(openings.count(), 3);
    }

    // Website and E-mail hand their address to the shell; without a program for it nothing is shown. Only a left click
    // chooses: another button's release leaves the item highlighted.
    void addressesGoToTheShell() {
        MenuWorld menu;
        QVERIFY(menu.pointOnPicture());
        QVERIFY(QTest::qWaitForWindowExposed(&menu.stripMenu.menu));
        const QPoint website = menu.stripMenu.menu.actionGeometry(menu.stripMenu.websiteCommand).center();
        QTest::mouseMove(&menu.stripMenu.menu, website);
        QTest::mouseClick(&menu.stripMenu.menu, Qt::RightButton, {}, website);
        QTest::mouseClick(&menu.stripMenu.menu, Qt::MiddleButton, {}, website);
        QVERIFY(menu.shell.opened.isEmpty());
        QTest::mouseClick(&menu.stripMenu.menu, Qt::LeftButton, {}, website);
        menu.stripMenu.emailCommand->trigger();
        QCOMPARE(menu.shell.opened,
                 (QList<QUrl>{QUrl("https://parlavo.example/"), QUrl("mailto:support@parlavo.example")}));
    }

    // The menu never outstays its strip: it goes when the strip withdraws, and after about a second with the pointer
    // off both (a click on a native Wayland window never reaches the menu).
    void menuGoesWithItsStripAndThePointer() {
        MenuWorld menu;
        menu.world.startAndTick(80);
        QMenu& popup = menu.stripMenu.menu;
        FakeWindowSystem& windows = menu.world.windows;
        QVERIFY(menu.pointOnPicture());
        emit menu.world.strip.withdrew();
        QVERIFY(!popup.isVisible());

        QVERIFY(menu.pointOnPicture());
        windows.pointer = {1290, 10};
        menu.stripMenu.checkPointer();
        windows.cursorReadable = false;
        for (int check = 1; check < StripMenu::kChecksOffBeforeClosing; ++check)
            menu.stripMenu.checkPointer();
        windows.cursorReadable = true; // back on the strip in time
        menu.stripMenu.checkPointer();
        windows.pointer = {10, 600};
        for (int check = 1; check < StripMenu::kChecksOffBeforeClosing; ++check)
            menu.stripMenu.checkPointer();
        QVERIFY(popup.isVisible());
        menu.stripMenu.checkPointer();
        QVERIFY(!popup.isVisible());
    }

    // The menu's top-right corner sits at the picture's right edge, just below the open strip; a menu wider than that
    // hangs past the strip's left edge. About sits in the screen's middle; an odd pixel left over goes to the right
    // and the bottom, and on a screen smaller than About it hangs over the edges.
    void placement() {
        QCOMPARE(rightAlignedPopupPosition({100, 200, 577, 223}, CaptionStrip::kMenuAnchor, QSize(100, 50)),
                 QPoint(474, 223));
        QCOMPARE(rightAlignedPopupPosition({0, 0, 477, 23}, CaptionStrip::kMenuAnchor, QSize(500, 50)),
                 QPoint(-26, 23));
        QCOMPARE(centredOnScreen({0, 0, 1025, 769}, QSize(210, 280)), QPoint(407, 244));
        QCOMPARE(centredOnScreen({0, 0, 200, 200}, QSize(210, 280)), QPoint(-5, -40));
    }
};

QTEST_MAIN(TestStripMenu)
#include "test_strip_menu.moc"
