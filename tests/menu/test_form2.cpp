#include "menu/form2.h"

#include "menu/form7.h"
#include "settings/autostart.h"
#include "settings/form3.h"
#include "tests/support/fake_services.h"

#include <QLabel>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

using namespace parlavo;
using parlavo::test::FakeShell;
using parlavo::test::FakeWorld;

namespace {

enum class AboutClosing { Click, Escape, Close };

class NoAutostart final : public Autostart {
public:
    void writeEntry() override {}
    void removeEntry() override {}
};

// A started caption window with its menu; the intro has not ticked yet.
struct MenuWorld {
    FakeWorld world;
    FakeShell shell;
    NoAutostart autostart;
    Form2 form2{world.form1, shell, world.store, autostart};

    MenuWorld() { world.form1.Form_Load(); }

    QStringList characterCalls() const { return world.characters.peedy.calls; }

    // A real pointer move over the picture, the way the window system reports it.
    void movePointerOverPicture() {
        QLabel* picture = world.form1.Image1;
        const QPointF inside(picture->width() / 2.0, picture->height() / 2.0);
        QMouseEvent move(QEvent::MouseMove, inside, picture->mapToGlobal(inside), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(picture, &move);
    }

    bool menuIsOpen() const { return form2.mnu_file.isVisible(); }

    Form3* settingsDialog() const { return world.form1.findChild<Form3*>(); }

    // Closes the settings dialog as its close box does and lets it delete itself.
    void closeSettingsDialog() {
        settingsDialog()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

} // namespace

class TestForm2 : public QObject {
    Q_OBJECT

private slots:
    void readAloudTogglesTheCharacter_data() {
        QTest::addColumn<int>("uses");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("calls");

        QTest::newRow("never used") << 0 << "&Non Read aloud" << QStringList();
        QTest::newRow("first use hides") << 1 << "R&ead aloud" << QStringList({"Hide"});
        QTest::newRow("second use shows") << 2 << "Non r&ead aloud" << QStringList({"Hide", "Show"});
        QTest::newRow("third use hides again") << 3 << "R&ead aloud" << QStringList({"Hide", "Show", "Hide"});
    }

    void readAloudTogglesTheCharacter() {
        QFETCH(int, uses);
        QFETCH(QString, caption);
        QFETCH(QStringList, calls);

        MenuWorld menu;
        menu.world.characters.peedy.calls.clear();
        const qint16 voice = menu.world.state.voice;
        for (int i = 0; i < uses; ++i)
            menu.form2.mnu_hlp->trigger();

        QCOMPARE(menu.form2.mnu_hlp->text(), caption);
        QCOMPARE(menu.characterCalls(), calls);
        QCOMPARE(menu.world.state.voice, voice);
    }

    void readAloudGoesOnWhenTheCharacterFails() {
        MenuWorld menu;
        menu.world.characters.peedy.throwOnShow = true;
        menu.form2.mnu_hlp_Click();
        menu.form2.mnu_hlp_Click();
        QCOMPARE(menu.form2.mnu_hlp->text(), QStringLiteral("Non r&ead aloud"));
        menu.form2.mnu_hlp_Click();
        QCOMPARE(menu.form2.mnu_hlp->text(), QStringLiteral("R&ead aloud"));
    }

    void menuOpensOnAMoveOverTheEnabledPicture() {
        MenuWorld menu;
        QSignalSpy openings(&menu.form2.mnu_file, &QMenu::aboutToShow);
        menu.movePointerOverPicture();
        QVERIFY(menu.menuIsOpen());
        menu.movePointerOverPicture();
        QCOMPARE(openings.count(), 1);
    }

    void menuStaysShutWhileTheSettingsDialogIsOpen() {
        MenuWorld menu;
        menu.form2.mnu_sysset->trigger();
        QVERIFY(menu.settingsDialog()->isVisible());
        menu.movePointerOverPicture();
        emit menu.world.form1.Image1_MouseMove();
        QVERIFY(!menu.menuIsOpen());

        menu.closeSettingsDialog();
        menu.movePointerOverPicture();
        QVERIFY(menu.menuIsOpen());
    }

    // The intro starts playback only while the picture is enabled; About going away must not make up for
    // that, so playback waits for the settings dialog, whose closing starts it.
    void aboutOverTheIntrosEndHoldsPlaybackUntilTheSettingsClose() {
        MenuWorld menu;
        for (int tick = 0; tick < 60; ++tick)
            menu.world.form1.Form1_Timer1_Timer();
        menu.form2.mnu_veri_Click();
        for (int tick = 60; tick < 70; ++tick)
            menu.world.form1.Form1_Timer1_Timer();
        QVERIFY(!menu.world.form1.Timer5.isActive());

        menu.form2.aboutWindow()->close();
        menu.world.form1.Form1_Timer1_Timer();
        QVERIFY(!menu.world.form1.Timer5.isActive());

        menu.form2.mnu_sysset_Click();
        QVERIFY(!menu.world.form1.Timer5.isActive());
        menu.closeSettingsDialog();
        QVERIFY(menu.world.form1.Timer5.isActive());
    }

    void aboutClosesAndTheMenuOpensAgain_data() {
        QTest::addColumn<int>("closing");

        QTest::newRow("click on the picture") << int(AboutClosing::Click);
        QTest::newRow("Escape key") << int(AboutClosing::Escape);
        QTest::newRow("closed from outside") << int(AboutClosing::Close);
    }

    void aboutClosesAndTheMenuOpensAgain() {
        QFETCH(int, closing);

        MenuWorld menu;
        menu.form2.mnu_veri->trigger();
        Form7* about = menu.form2.aboutWindow();
        QVERIFY(about->isVisible());
        QCOMPARE(menu.world.windows.geometry(about), QRect(855, 400, 210, 280));
        QVERIFY(!menu.world.form1.image1Enabled());
        menu.movePointerOverPicture();
        QVERIFY(!menu.menuIsOpen());

        switch (AboutClosing(closing)) {
        case AboutClosing::Click:
            QTest::mouseClick(about, Qt::LeftButton, {}, QPoint(100, 100));
            break;
        case AboutClosing::Escape:
            QTest::keyClick(about, Qt::Key_Escape);
            break;
        case AboutClosing::Close:
            about->close();
        }

        QVERIFY(!about->isVisible());
        QVERIFY(menu.world.form1.image1Enabled());
        menu.movePointerOverPicture();
        QVERIFY(menu.menuIsOpen());

        menu.form2.mnu_file.hide();
        menu.form2.mnu_veri->trigger();
        QCOMPARE(menu.form2.aboutWindow(), about);
        QVERIFY(about->isVisible());
        QVERIFY(!menu.world.form1.image1Enabled());
    }

    void shellCommandsOpenOurAddresses_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("shellSucceeds");
        QTest::addColumn<QString>("address");

        QTest::newRow("website") << "mnu_page" << true << "https://parlavo.example/";
        QTest::newRow("e-mail") << "mnu_email" << true << "mailto:support@parlavo.example";
        QTest::newRow("website, no browser") << "mnu_page" << false << "https://parlavo.example/";
        QTest::newRow("e-mail, no mail program") << "mnu_email" << false << "mailto:support@parlavo.example";
    }

    void shellCommandsOpenOurAddresses() {
        QFETCH(QString, command);
        QFETCH(bool, shellSucceeds);
        QFETCH(QString, address);

        MenuWorld menu;
        menu.shell.succeed = shellSucceeds;
        QAction* action = command == "mnu_page" ? menu.form2.mnu_page : menu.form2.mnu_email;
        action->trigger();
        QCOMPARE(menu.shell.opened, QList<QUrl>({QUrl(address)}));
        QVERIFY(menu.world.messageBox.shown.isEmpty());
    }

    void onlyTheLeftButtonChoosesAnItem_data() {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<int>("opened");

        QTest::newRow("left") << Qt::LeftButton << 1;
        QTest::newRow("right") << Qt::RightButton << 0;
        QTest::newRow("middle") << Qt::MiddleButton << 0;
    }

    void onlyTheLeftButtonChoosesAnItem() {
        QFETCH(Qt::MouseButton, button);
        QFETCH(int, opened);

        MenuWorld menu;
        menu.movePointerOverPicture();
        QVERIFY(QTest::qWaitForWindowExposed(&menu.form2.mnu_file));
        const QPoint website = menu.form2.mnu_file.actionGeometry(menu.form2.mnu_page).center();
        QTest::mouseMove(&menu.form2.mnu_file, website);
        QTest::mouseClick(&menu.form2.mnu_file, button, {}, website);
        QCOMPARE(menu.shell.opened.count(), opened);
    }

    void exitSavesWhatTheExitSaves_data() {
        QTest::addColumn<int>("rd");
        QTest::addColumn<int>("psave");
        QTest::addColumn<QStringList>("keys");

        QTest::newRow("random play") << 0 << 1 << QStringList({"voice", "left"});
        QTest::newRow("sequence, position kept") << 1 << 1 << QStringList({"voice", "left", "guagen"});
        QTest::newRow("sequence, position not kept") << 1 << 0 << QStringList({"voice", "left"});
    }

    void exitSavesWhatTheExitSaves() {
        QFETCH(int, rd);
        QFETCH(int, psave);
        QFETCH(QStringList, keys);

        MenuWorld menu;
        menu.world.state.rd = static_cast<qint16>(rd);
        menu.world.state.psave = static_cast<qint16>(psave);
        menu.world.store.writes.clear();
        menu.form2.mnu_exit->trigger();

        QCOMPARE(menu.world.store.writtenKeys(), keys);
        QCOMPARE(menu.world.store.values.value("left").toDouble(), menu.world.form1.Left());
        QVERIFY(!menu.world.form1.Timer1.isActive());
    }
};

QTEST_MAIN(TestForm2)
#include "test_form2.moc"
