#include "settings/form3.h"
#include "settings/spinner.h"
#include "tests/settings/dialog_world.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

using namespace parlavo;
using namespace parlavo::test;

namespace {

const QStringList kDialogKeys = {"ce",   "n",     "ctime", "etime", "rd",  "psave", "ssave",
                                 "visi", "guage", "red",   "mark",  "xxx", "sspeed"};

QString shownTimings(const Form3& dialog) {
    return QStringLiteral("%1 %2 %3|%4 %5 %6")
        .arg(dialog.Text1[0]->text(), dialog.Text1[1]->text(), dialog.Text1[2]->text())
        .arg(dialog.VScroll1->value())
        .arg(dialog.VScroll2->value())
        .arg(dialog.VScroll3->value());
}

QString shownSwitches(const Form3& dialog) {
    QString ticks;
    for (const QCheckBox* box : {dialog.Check4, dialog.Check3, dialog.Check5, dialog.Check1})
        ticks += box->isChecked() ? QLatin1Char('x') : QLatin1Char('-');
    return ticks;
}

int shownLesson(const Form3& dialog) {
    for (int lesson = 0; lesson < Form3::kLessonCount; ++lesson) {
        if (dialog.Option1[lesson]->isChecked())
            return lesson;
    }
    return -1;
}

} // namespace

class TestForm3Commit : public QObject {
    Q_OBJECT

private slots:
    // Columns: the stored values, what the dialog shows, and what closing it untouched commits.
    void openAndCloseUntouched_data() {
        QTest::addColumn<QList<int>>("stored"); // ce rd n etime ctime guage visi psave mark ssave
        QTest::addColumn<bool>("spanishFirst");
        QTest::addColumn<bool>("sequence");
        QTest::addColumn<QString>("timings");  // number boxes | spinners
        QTest::addColumn<QString>("switches"); // Auto Hide, schedule, start, settings
        QTest::addColumn<int>("lesson");
        QTest::addColumn<QList<int>>("committed"); // ce rd n etime ctime guage

        QTest::newRow("first-run values") << QList<int>{1, 0, 2, 5, 3, 1, 0, 1, 0, 1} << true << false << "2 5 3|2 5 3"
                                          << "-x-x" << 1 << QList<int>{1, 0, 2, 5, 3, 1};
        QTest::newRow("upper limits, English first")
            << QList<int>{0, 1, 12, 15, 15, 17, 1, 1, 1, 1} << false << true << "12 15 15|12 15 15"
            << "xxxx" << 17 << QList<int>{0, 1, 12, 15, 15, 17};
        QTest::newRow("lower limits, whole course")
            << QList<int>{1, 1, 1, 5, 3, 0, 0, 0, 0, 0} << true << true << "1 5 3|1 5 3"
            << "----" << 0 << QList<int>{1, 1, 1, 5, 3, 0};
        QTest::newRow("ce and rd out of range")
            << QList<int>{5, -3, 2, 5, 3, 1, 0, 1, 0, 1} << false << true << "2 5 3|2 5 3"
            << "-x-x" << 1 << QList<int>{0, 1, 2, 5, 3, 1};
        QTest::newRow("negative ce, rd 2")
            << QList<int>{-1, 2, 2, 5, 3, 1, 0, 1, 0, 1} << false << true << "2 5 3|2 5 3"
            << "-x-x" << 1 << QList<int>{0, 1, 2, 5, 3, 1};
        QTest::newRow("timings outside the spinners")
            << QList<int>{1, 0, 0, 99, 2, 1, 0, 1, 0, 1} << true << false << "1 15 3|1 15 3"
            << "-x-x" << 1 << QList<int>{1, 0, 1, 15, 3, 1};
        QTest::newRow("switches stored as 2")
            << QList<int>{1, 0, 2, 5, 3, 1, 2, 2, 2, 2} << true << false << "2 5 3|2 5 3"
            << "xxxx" << 1 << QList<int>{1, 0, 2, 5, 3, 1};
        QTest::newRow("lesson outside the list")
            << QList<int>{1, 0, 2, 5, 3, 18, 0, 1, 0, 1} << true << false << "2 5 3|2 5 3"
            << "-x-x" << -1 << QList<int>{1, 0, 2, 5, 3, 18};
    }
    void openAndCloseUntouched() {
        QFETCH(QList<int>, stored);
        QFETCH(bool, spanishFirst);
        QFETCH(bool, sequence);
        QFETCH(QString, timings);
        QFETCH(QString, switches);
        QFETCH(int, lesson);
        QFETCH(QList<int>, committed);

        DialogWorld w;
        SharedState& s = w.state();
        qint16* const fields[] = {&s.ce,    &s.rd,   &s.n,     &s.etime, &s.ctime,
                                  &s.guage, &s.visi, &s.psave, &s.mark,  &s.ssave};
        for (int i = 0; i < stored.size(); ++i)
            *fields[i] = static_cast<qint16>(stored[i]);
        const QStringList before = recordFields(s);

        Form3& dialog = w.open();
        QCOMPARE(recordFields(s), before);
        QCOMPARE(dialog.Option3[0]->isChecked(), spanishFirst);
        QCOMPARE(dialog.Option3[1]->isChecked(), !spanishFirst);
        QCOMPARE(dialog.Option2[1]->isChecked(), sequence);
        QCOMPARE(dialog.Option2[0]->isChecked(), !sequence);
        QCOMPARE(shownTimings(dialog), timings);
        QCOMPARE(shownSwitches(dialog), switches);
        QCOMPARE(shownLesson(dialog), lesson);

        w.close();
        QVERIFY(w.dialog.isNull());
        const QList<int> after = {s.ce, s.rd, s.n, s.etime, s.ctime, s.guage};
        QCOMPARE(after, committed);
        // The switches keep what was stored, 2 included: only a click changes them.
        const QList<int> storedSwitches = stored.mid(6);
        QCOMPARE((QList<int>{s.visi, s.psave, s.mark, s.ssave}), storedSwitches);
    }

    void scheduleSavingFollowsPlayMode_data() {
        QTest::addColumn<int>("storedRd");
        QTest::addColumn<QList<int>>("modeClicks"); // 0 at random, 1 Sequence
        QTest::addColumn<bool>("enabled");
        QTest::newRow("random on opening") << 0 << QList<int>{} << false;
        QTest::newRow("sequence on opening") << 1 << QList<int>{} << true;
        QTest::newRow("stored rd 9 is sequence") << 9 << QList<int>{} << true;
        QTest::newRow("Sequence clicked") << 0 << QList<int>{1} << true;
        QTest::newRow("at random clicked") << 1 << QList<int>{0} << false;
        QTest::newRow("back and forth") << 0 << QList<int>{1, 0, 1} << true;
        QTest::newRow("clicking the chosen mode again") << 1 << QList<int>{1} << true;
    }
    void scheduleSavingFollowsPlayMode() {
        QFETCH(int, storedRd);
        QFETCH(QList<int>, modeClicks);
        QFETCH(bool, enabled);

        DialogWorld w;
        w.state().rd = static_cast<qint16>(storedRd);
        Form3& dialog = w.open();
        for (int mode : modeClicks)
            clickIndicator(dialog.Option2[mode]);
        QCOMPARE(dialog.Check3->isEnabled(), enabled);
        QVERIFY(dialog.Check3->isChecked()); // enabling never touches the tick
    }

    void readingPositionOnClosing_data() {
        QTest::addColumn<int>("storedLesson");
        QTest::addColumn<int>("storedRd");
        QTest::addColumn<bool>("untickSchedule");
        QTest::addColumn<int>("modeClick"); // -1 none
        QTest::addColumn<int>("chosenLesson");
        QTest::addColumn<int>("guagen");

        constexpr int kSaved = 10517;
        QTest::newRow("lesson to whole course, schedule ticked") << 5 << 1 << false << -1 << 0 << 10101;
        QTest::newRow("lesson to whole course, schedule cleared") << 5 << 1 << true << -1 << 0 << kSaved;
        QTest::newRow("whole course kept") << 0 << 1 << false << -1 << 0 << kSaved;
        QTest::newRow("lesson to another lesson") << 5 << 1 << false << -1 << 7 << kSaved;
        QTest::newRow("lesson kept") << 5 << 1 << false << -1 << 5 << kSaved;
        QTest::newRow("ticked but disabled by random play") << 5 << 0 << false << -1 << 0 << 10101;
        QTest::newRow("random play chosen in the dialog") << 5 << 1 << false << 0 << 0 << 10101;
    }
    void readingPositionOnClosing() {
        QFETCH(int, storedLesson);
        QFETCH(int, storedRd);
        QFETCH(bool, untickSchedule);
        QFETCH(int, modeClick);
        QFETCH(int, chosenLesson);
        QFETCH(int, guagen);

        DialogWorld w;
        w.state().guage = static_cast<qint16>(storedLesson);
        w.state().rd = static_cast<qint16>(storedRd);
        w.state().guagen = 10517;
        Form3& dialog = w.open();
        if (untickSchedule)
            clickIndicator(dialog.Check3);
        if (modeClick >= 0)
            clickIndicator(dialog.Option2[modeClick]);
        clickIndicator(dialog.Option1[chosenLesson]);
        w.close();

        QCOMPARE(w.state().guagen, qint16(guagen));
        QCOMPARE(w.state().guage, qint16(chosenLesson));
    }

    void savingSwitchDecidesWhatIsWritten_data() {
        QTest::addColumn<int>("storedSsave");
        QTest::addColumn<bool>("clickSettingsSwitch");
        QTest::addColumn<bool>("saved");
        QTest::newRow("off throughout") << 0 << false << false;
        QTest::newRow("switched off in the dialog") << 1 << true << false;
        QTest::newRow("switched on in the dialog") << 0 << true << true;
        QTest::newRow("on throughout") << 1 << false << true;
    }
    void savingSwitchDecidesWhatIsWritten() {
        QFETCH(int, storedSsave);
        QFETCH(bool, clickSettingsSwitch);
        QFETCH(bool, saved);

        DialogWorld w;
        w.state().ssave = static_cast<qint16>(storedSsave);
        Form3& dialog = w.open();
        if (clickSettingsSwitch)
            clickIndicator(dialog.Check1);
        clickIndicator(dialog.Option1[3]);
        clickIndicator(dialog.Option2[1]);
        clickIndicator(dialog.Option3[1]);
        QTest::keyClick(dialog.VScroll1, Qt::Key_Up);
        QTest::keyClick(dialog.VScroll2, Qt::Key_Up);
        QTest::keyClick(dialog.VScroll3, Qt::Key_Down); // already at its lower limit
        clickIndicator(dialog.Check5);
        w.close();

        const SharedState& s = w.state();
        QCOMPARE((QList<int>{s.guage, s.rd, s.ce, s.n, s.etime, s.ctime, s.mark}), (QList<int>{3, 1, 0, 3, 6, 3, 1}));
        QCOMPARE(w.autostart.calls, saved ? QStringList{"write@0"} : QStringList{});
        QCOMPARE(w.world.store.writtenKeys(), saved ? kDialogKeys : QStringList{});
        if (saved) {
            QCOMPARE(w.world.store.values.value("guage"), QStringLiteral("3"));
            QCOMPARE(w.world.store.values.value("n"), QStringLiteral("3"));
            QCOMPARE(w.world.store.syncs, 1);
        }
    }

    void unchangedDialogRewritesKeysAndAutostart_data() {
        QTest::addColumn<int>("mark");
        QTest::addColumn<QStringList>("autostartCalls");
        QTest::newRow("not at log-on removes the entry") << 0 << QStringList{"remove@0"};
        QTest::newRow("at log-on writes the entry") << 1 << QStringList{"write@0"};
        QTest::newRow("hand-edited 2 leaves it") << 2 << QStringList{};
        QTest::newRow("hand-edited -1 leaves it") << -1 << QStringList{};
    }
    void unchangedDialogRewritesKeysAndAutostart() {
        QFETCH(int, mark);
        QFETCH(QStringList, autostartCalls);

        DialogWorld w;
        w.state().mark = static_cast<qint16>(mark);
        w.state().red = 4;
        const QStringList before = recordFields(w.state());
        w.open();
        w.close();

        QCOMPARE(recordFields(w.state()), before);
        QCOMPARE(w.autostart.calls, autostartCalls);
        QCOMPARE(w.world.store.writtenKeys(), kDialogKeys);
        QCOMPARE(w.world.store.values.value("mark"), QString::number(mark));
        QCOMPARE(w.world.store.values.value("red"), QStringLiteral("4"));
        QCOMPARE(w.world.store.syncs, 1);
    }

    void playbackTimerRestartsAfterTheIntro_data() {
        QTest::addColumn<int>("introcount");
        QTest::addColumn<bool>("running");
        QTest::newRow("intro running") << 70 << false;
        QTest::newRow("three ticks left") << 3 << false;
        QTest::newRow("two ticks left") << 2 << true;
        QTest::newRow("intro over") << 0 << true;
        QTest::newRow("long over") << -400 << true;
    }
    void playbackTimerRestartsAfterTheIntro() {
        QFETCH(int, introcount);
        QFETCH(bool, running);

        DialogWorld w;
        w.state().introcount = static_cast<qint16>(introcount);
        w.world.form1.Timer5.start();
        w.open();
        QVERIFY(!w.world.form1.Timer5.isActive());
        w.close();
        QCOMPARE(w.world.form1.Timer5.isActive(), running);
    }

    void menuPictureIsOffWhileOpen() {
        DialogWorld w;
        QVERIFY(w.world.form1.image1Enabled());
        Form3& dialog = w.open();
        QVERIFY(!w.world.form1.image1Enabled());
        QCOMPARE(dialog.windowModality(), Qt::NonModal);
        w.close();
        QVERIFY(w.world.form1.image1Enabled());
    }

    void switchesWriteTheirFieldWhenClicked_data() {
        QTest::addColumn<int>("box"); // 0 Auto Hide, 1 schedule, 2 start at log-on, 3 settings
        QTest::addColumn<int>("stored");
        QTest::newRow("Auto Hide from 0") << 0 << 0;
        QTest::newRow("schedule from 1") << 1 << 1;
        QTest::newRow("start at log-on from 2") << 2 << 2;
        QTest::newRow("settings from 0") << 3 << 0;
    }
    void switchesWriteTheirFieldWhenClicked() {
        QFETCH(int, box);
        QFETCH(int, stored);

        DialogWorld w;
        w.state().rd = 1; // the schedule switch is enabled only in sequence play
        qint16 SharedState::*const fields[] = {&SharedState::visi, &SharedState::psave, &SharedState::mark,
                                               &SharedState::ssave};
        w.state().*fields[box] = static_cast<qint16>(stored);
        Form3& dialog = w.open();
        QCheckBox* const boxes[] = {dialog.Check4, dialog.Check3, dialog.Check5, dialog.Check1};

        const int first = stored == 0 ? 1 : 0;
        clickIndicator(boxes[box]);
        QCOMPARE(w.state().*fields[box], qint16(first));
        QTest::keyClick(boxes[box], Qt::Key_Space);
        QCOMPARE(w.state().*fields[box], qint16(1 - first));
    }

    void autoHideTakesEffectAtTheNextTick() {
        DialogWorld w;
        Form1& strip = w.world.form1;
        Form3& dialog = w.open();
        strip.Form1_Timer1_Timer();
        QVERIFY(strip.isOpen());
        clickIndicator(dialog.Check4);
        strip.Form1_Timer1_Timer();
        QVERIFY(!strip.isOpen()); // the pointer is far from the strip
    }

    // Leaving the program with the dialog open ends it without its closing: nothing is committed.
    void exitWithTheDialogOpenCommitsNothing() {
        DialogWorld w;
        FakeWorld& fakes = w.world;
        auto strip = std::make_unique<Form1>(
            w.state(), Form1Services{fakes.store, fakes.windows, fakes.characters, fakes.messageBox, fakes.random});
        QPointer<Form3> dialog = showSettingsDialog(*strip, fakes.store, w.autostart);
        clickIndicator(dialog->Option1[4]);
        QTest::keyClick(dialog->VScroll1, Qt::Key_Up);
        const QStringList before = recordFields(w.state());

        strip.reset();
        QVERIFY(dialog.isNull());
        QCOMPARE(recordFields(w.state()), before);
        QVERIFY(fakes.store.writes.isEmpty());
        QVERIFY(w.autostart.calls.isEmpty());
    }
};

QTEST_MAIN(TestForm3Commit)
#include "test_form3_commit.moc"
