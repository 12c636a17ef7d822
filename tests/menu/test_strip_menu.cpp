#include "menu/strip_menu.h"

#include "caption/caption_label.h"
#include "menu/about_window.h"
#include "menu/menu_placement.h"
#include "tests/settings/dialog_world.h"
#include "tests/support/fake_bird_parts.h"

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

// The real program's strip, menu and bird, on fake parts; lesson 1 in sequence, Spanish first, one cycle a sentence.
struct BirdWorld {
    Settings settings;
    FakeSettingsStore store;
    FakeWindowSystem windows;
    FakeRandomSource random;
    FakeIdleInhibition idleInhibition;
    FakeWallClock clock;
    SpeakingBird bird{fakeBirdParts()};
    CaptionStrip strip{settings, {store, windows, bird, random, idleInhibition, clock}};
    FakeShell shell;
    RecordingAutostart autostart{store};
    StripMenu menu{strip, shell, store, autostart};

    explicit BirdWorld(const QString& stored) {
        for (const QString& entry : QStringList{"xxx=1", "rd=1", "guagen=10101", "n=1", stored}) // else the defaults
            store.values.insert(entry.section('=', 0, 0), entry.section('=', 1));
        strip.start();
    }
};

// What shows and where reading stands.
QStringList cycleState(const CaptionStrip& strip) {
    const ReadingPosition& at = strip.settings().readingPosition;
    return {strip.sentence().text.spanish,     strip.spanishCaption(),   strip.englishCaption(),
            QString::number(at.lesson),        QString::number(at.line), QString::number(strip.englishTop()),
            QString::number(strip.isPlaying())};
}

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

    // While the settings dialog or About is open the menu stays shut; once it has gone the menu opens again, once.
    // About closed while the intro runs leaves playback to the intro; About open over the intro's end holds it.
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

    // Steps, after the stored "sspeed": "tick N" (playback ticks), "repeat" (the menu command; the cycle must stand
    // still through it), "answer" (the voice renders its oldest line as the silent voice does, a word every 428 ms),
    // "at MS" (the clock moves and the bird catches up), "hide" (the read-aloud command), "mute" (reading aloud off).
    void birdSaysTheLineAgain_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("log");
        QTest::newRow("the lesson's lines in their speakers' voices, at the stored rate")
            << "sspeed=; tick 1; answer; at 1500; at 3000; tick 90; answer"
            << "appear; rate 150; voice es+f3; render ¡Hola!; balloon woman ¡Hola!; wave; balloon shut; "
               "voice es+m3; render ¡Buenos; balloon man ¡Buenos";
        QTest::newRow("a rate out of range is clamped on loading") << "sspeed=400"
                                                                   << "appear; rate 300";
        QTest::newRow("mid-line: cut off and said again at once")
            << "sspeed=80; tick 30; answer; at 500; repeat; answer"
            << "appear; rate 80; voice es+f3; render ¡Hola!; balloon woman ¡Hola!; stop; balloon shut; "
               "render ¡Hola!; balloon woman ¡Hola!";
        QTest::newRow("in the English phase: the Spanish line, the gesture cut short")
            << "sspeed=150; tick 1; answer; at 1500; tick 60; repeat; answer"
            << "appear; rate 150; voice es+f3; render ¡Hola!; balloon woman ¡Hola!; wave; balloon shut; "
               "render ¡Hola!; balloon woman ¡Hola!";
        QTest::newRow("hidden: out for that line only, not for the lesson's, and gone after its balloon")
            << "sspeed=150; hide; repeat; tick 1; answer; at 1500; tick 1; at 2600; tick 90"
            << "appear; rate 150; balloon shut; disappear; appear; voice es+f3; render ¡Hola!; "
               "balloon woman ¡Hola!; balloon shut; balloon shut; disappear";
        QTest::newRow("reading aloud off: said all the same, and the bird stays")
            << "sspeed=150; mute; repeat; answer; at 1500; at 2600; tick 1"
            << "appear; rate 150; voice es+f3; render ¡Hola!; balloon woman ¡Hola!; balloon shut; wave";
    }

    void birdSaysTheLineAgain() {
        QFETCH(QString, steps);
        QFETCH(QString, log);
        BirdWorld world(steps.section("; ", 0, 0));
        for (const QString& step : steps.section("; ", 1).split("; ", Qt::SkipEmptyParts)) {
            const QString verb = step.section(' ', 0, 0);
            const int count = step.section(' ', 1).toInt();
            if (verb == "tick") {
                for (int i = 0; i < count; ++i)
                    world.strip.onPlaybackTick();
            } else if (verb == "repeat") {
                const QStringList before = cycleState(world.strip);
                world.menu.repeatCommand->trigger();
                QCOMPARE(cycleState(world.strip), before);
            } else if (verb == "answer") {
                answerOldest(silentUtterance);
            } else if (verb == "at") {
                partsLog.now = count;
                world.bird.performance().advance();
            } else if (verb == "hide") {
                world.strip.setBirdShown(false);
            } else if (verb == "mute") {
                world.settings.readAloud = false;
            } else {
                QFAIL(qPrintable(step));
            }
        }
        // Lines cut to their first word; words, beak and sound follow them as test_agent_performance checks.
        QStringList said;
        for (const QString& call : partsLog.calls)
            if (!QRegularExpression("^(word|beak|sound|mute) ").match(call).hasMatch())
                said << call.section(' ', 0, call.startsWith("balloon ") ? 2 : 1);
        QCOMPARE(said.join("; "), log);
    }
};

QTEST_MAIN(TestStripMenu)
#include "test_strip_menu.moc"
