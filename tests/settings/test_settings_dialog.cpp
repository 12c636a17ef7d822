#include "settings/settings_dialog.h"
#include "tests/settings/dialog_world.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyleOptionSpinBox>
#include <QTest>

#include <algorithm>
#include <array>

using namespace parlavo;
using namespace parlavo::test;

namespace {

const QStringList kDialogKeys = {"ce",   "n",     "ctime", "etime", "rd",  "psave", "ssave",
                                 "visi", "guage", "red",   "mark",  "xxx", "sspeed"};

// The position of the checked option in a group, -1 with none checked.
template <typename Options> int checkedIndex(const Options& options) {
    const auto checked = std::find_if(options.begin(), options.end(), [](auto* o) { return o->isChecked(); });
    return checked == options.end() ? -1 : int(checked - options.begin());
}

// What the dialog shows: language order, play mode, lesson, timings and the switches Auto Hide, schedule,
// start at log-on and settings ('x' ticked); box texts that differ from their values are added.
QString shownChoices(const SettingsDialog& dialog) {
    QString timings, boxes, switches;
    for (int row = 0; row < 3; ++row) {
        timings += QStringLiteral(" %1").arg(dialog.timingBoxes[row]->value());
        boxes += QLatin1Char(' ') + dialog.timingBoxes[row]->text();
    }
    for (const QCheckBox* box :
         {dialog.autoHideBox, dialog.saveReadingPositionBox, dialog.startAtLogOnBox, dialog.saveSettingsBox})
        switches += box->isChecked() ? QLatin1Char('x') : QLatin1Char('-');
    const QStringList orders = {"no order", "Spanish first", "English first"};
    const QStringList modes = {"no mode", "at random", "in sequence"};
    const QString shown =
        QStringLiteral("%1, %2, lesson %3,%4, %5")
            .arg(orders[checkedIndex(dialog.languageOrderChoices) + 1], modes[checkedIndex(dialog.playModeChoices) + 1])
            .arg(checkedIndex(dialog.lessonChoices))
            .arg(timings, switches);
    return boxes == timings ? shown : shown + QStringLiteral(", boxes") + boxes;
}

// The controls that can take the keyboard, by the names the dialog gives them.
QHash<QWidget*, QString> controlNames(SettingsDialog& dialog) {
    QHash<QWidget*, QString> names = {{dialog.saveSettingsBox, "saveSettingsBox"},
                                      {dialog.saveReadingPositionBox, "saveReadingPositionBox"},
                                      {dialog.autoHideBox, "autoHideBox"},
                                      {dialog.startAtLogOnBox, "startAtLogOnBox"}};
    const auto addGroup = [&names](const auto& controls, const char* name) {
        for (std::size_t i = 0; i < controls.size(); ++i)
            names.insert(controls[i], QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i));
    };
    addGroup(dialog.lessonChoices, "lessonChoices");
    addGroup(dialog.playModeChoices, "playModeChoices");
    addGroup(dialog.languageOrderChoices, "languageOrderChoices");
    addGroup(dialog.timingBoxes, "timingBoxes");
    return names;
}

// One step on the dialog: "saveReadingPositionBox" clicks a box or option, "timingBoxes(0)+" and "timingBoxes(0)-"
// press Up or Down on a spin box, "Escape@timingBoxes(1)" presses Escape on a control.
void act(SettingsDialog& dialog, const QString& step) {
    const bool escape = step.startsWith(QLatin1String("Escape@"));
    const bool arrow = step.endsWith(QLatin1Char('+')) || step.endsWith(QLatin1Char('-'));
    QWidget* control = controlNames(dialog).key(escape ? step.mid(7) : arrow ? step.chopped(1) : step);
    QVERIFY2(control, qPrintable(step));
    if (escape)
        QTest::keyClick(control, Qt::Key_Escape);
    else if (arrow)
        QTest::keyClick(control, step.endsWith(QLatin1Char('+')) ? Qt::Key_Up : Qt::Key_Down);
    else
        clickIndicator(control);
}

// A data row of text columns.
void addRow(const char* name, const QStringList& columns) {
    QTestData& row = QTest::newRow(name);
    for (const QString& column : columns)
        row << column;
}

// After closing: the dialog is gone, the menu picture back on, the record is `before` with `changes`, and
// `effects` lists the autostart calls ("remove@N": made after N store writes), "saved" when the dialog's
// keys were written, in order, with the record's values, and synced, and "held" when playback stays off.
void checkClosed(DialogWorld& w, SharedState before, const QString& changes, const QString& effects) {
    setFields(before, changes);
    QVERIFY(w.dialog.isNull());
    QVERIFY(w.world.strip.menuPictureEnabled());
    QCOMPARE(recordFields(w.state()), recordFields(before));
    const QStringList saved = w.world.store.writes.isEmpty() ? QStringList{} : QStringList{"saved"};
    const QStringList held = w.world.strip.playbackTimer.isActive() ? QStringList{} : QStringList{"held"};
    QCOMPARE((w.autostart.calls + saved + held).join(QLatin1Char(' ')), effects);
    if (!saved.isEmpty())
        QCOMPARE(w.world.store.writtenKeys(), kDialogKeys);
    for (const auto& [key, value] : w.world.store.writes)
        QVERIFY2(recordFields(before).contains(key + QLatin1Char('=') + value), qPrintable(key + '=' + value));
    QCOMPARE(w.world.store.syncs, saved.size());
}

} // namespace

class TestSettingsDialog : public QObject {
    Q_OBJECT

private slots:
    void closingCommits_data() {
        QTest::addColumn<QString>("stored"); // fields set over the first-run record
        QTest::addColumn<QString>("shown");  // on opening; empty: not looked at
        QTest::addColumn<QString>("steps");  // then the close box closes the dialog, unless an Escape among them did
        QTest::addColumn<QString>("changes");
        QTest::addColumn<QString>("effects");

        // Out-of-range values show as the nearest choice and are written back as it; the switches show
        // any nonzero value ticked and keep it.
        addRow("first-run values", {"", "Spanish first, at random, lesson 1, 2 5 3, -x-x", "", "", "remove@0 saved"});
        addRow("upper limits, English first",
               {"ce=0 rd=1 n=12 etime=15 ctime=15 guage=17 visi=1 mark=1 red=4",
                "English first, in sequence, lesson 17, 12 15 15, xxxx", "", "", "write@0 saved"});
        addRow("lower limits, whole course, not saved",
               {"rd=1 n=1 guage=0 psave=0 ssave=0", "Spanish first, in sequence, lesson 0, 1 5 3, ----", "", "", ""});
        addRow("ce and rd out of range",
               {"ce=5 rd=-3", "English first, in sequence, lesson 1, 2 5 3, -x-x", "", "ce=0 rd=1", "remove@0 saved"});
        addRow("timings outside the boxes", {"n=0 etime=99 ctime=2", "Spanish first, at random, lesson 1, 1 15 3, -x-x",
                                             "", "n=1 etime=15 ctime=3", "remove@0 saved"});
        addRow("switches stored as 2",
               {"visi=2 psave=2 mark=2 ssave=2", "Spanish first, at random, lesson 1, 2 5 3, xxxx", "", "", "saved"});
        addRow("lesson outside the list, mark -1",
               {"guage=18 mark=-1", "Spanish first, at random, lesson -1, 2 5 3, -xxx", "", "", "saved"});
        // Playback restarts unless the intro still runs, whose own last step starts it.
        const QString firstRun = QStringLiteral("Spanish first, at random, lesson 1, 2 5 3, -x-x");
        addRow("three intro ticks left", {"introcount=3", firstRun, "", "", "remove@0 saved held"});
        addRow("two intro ticks left", {"introcount=2", firstRun, "", "", "remove@0 saved"});
        addRow("intro long over", {"introcount=-400", firstRun, "", "", "remove@0 saved"});

        // Going from a lesson to the whole course with the schedule ticked, enabled or not, restarts the course.
        const QString inLesson5 = QStringLiteral("rd=1 guage=5 guagen=10517");
        addRow("lesson to whole course", {inLesson5, "", "lessonChoices(0)", "guage=0 guagen=10101", "remove@0 saved"});
        addRow("lesson to whole course, schedule cleared",
               {inLesson5, "", "saveReadingPositionBox lessonChoices(0)", "guage=0 psave=0", "remove@0 saved"});
        addRow("whole course kept", {"rd=1 guage=0 guagen=10517", "", "lessonChoices(0)", "", "remove@0 saved"});
        addRow("lesson to another lesson", {inLesson5, "", "lessonChoices(7)", "guage=7", "remove@0 saved"});
        addRow("schedule ticked but disabled by random play",
               {"rd=0 guage=5 guagen=10517", "", "lessonChoices(0)", "guage=0 guagen=10101", "remove@0 saved"});

        // The schedule switch answers clicks only in sequence play; enabling it never touches its tick.
        addRow("schedule disabled at random", {"rd=0", "", "saveReadingPositionBox", "", "remove@0 saved"});
        addRow("stored rd 9 is sequence", {"rd=9", "", "saveReadingPositionBox", "rd=1 psave=0", "remove@0 saved"});
        addRow("Sequence clicked",
               {"rd=0", "", "playModeChoices(1) saveReadingPositionBox", "rd=1 psave=0", "remove@0 saved"});
        addRow("at random clicked",
               {"rd=1", "", "playModeChoices(0) saveReadingPositionBox", "rd=0", "remove@0 saved"});
        addRow("chosen mode clicked again",
               {"rd=1", "", "playModeChoices(1) saveReadingPositionBox", "psave=0", "remove@0 saved"});

        // The record always takes the choices; the store and the entry only while saving is on at closing.
        const QString choices = QStringLiteral("lessonChoices(3) playModeChoices(1) languageOrderChoices(1) "
                                               "timingBoxes(0)+ timingBoxes(1)+ timingBoxes(2)- "
                                               "autoHideBox startAtLogOnBox");
        const QString chosen = QStringLiteral("guage=3 rd=1 ce=0 n=3 etime=6 visi=1 mark=1"); // ctime at its limit
        addRow("saving off throughout", {"ssave=0", "", choices, chosen, ""});
        addRow("saving switched off", {"", "", choices + " saveSettingsBox", chosen + " ssave=0", ""});
        addRow("saving switched on",
               {"ssave=0", "", choices + " saveSettingsBox", chosen + " ssave=1", "write@0 saved"});
        addRow("start at log-on stored as 2, clicked", {"mark=2", "", "startAtLogOnBox", "mark=0", "remove@0 saved"});

        // Escape on any control closes the dialog the way its close box does.
        for (const char* control : {"lessonChoices(1)", "timingBoxes(1)", "autoHideBox"})
            addRow(qPrintable(QStringLiteral("Escape on %1").arg(control)),
                   {"", "", QStringLiteral("timingBoxes(1)+ Escape@") + control, "etime=6", "remove@0 saved"});
    }
    void closingCommits() {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        QFETCH(QString, steps);
        QFETCH(QString, changes);
        QFETCH(QString, effects);

        DialogWorld w;
        setFields(w.state(), stored);
        const SharedState before = w.state();
        CaptionStrip& strip = w.world.strip;
        strip.playbackTimer.start();
        SettingsDialog& dialog = w.open();
        if (!shown.isEmpty())
            QCOMPARE(shownChoices(dialog), shown);
        QCOMPARE(recordFields(w.state()), recordFields(before));
        // The strip stays live, but its menu picture and playback wait for the dialog.
        QCOMPARE(dialog.windowModality(), Qt::NonModal);
        QVERIFY(!strip.menuPictureEnabled());
        QVERIFY(!strip.playbackTimer.isActive());

        for (const QString& step : steps.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            act(dialog, step);
        if (steps.contains(QLatin1String("Escape@")))
            QVERIFY(!dialog.isVisible());
        else
            dialog.close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        checkClosed(w, before, changes, effects);
    }

    // Leaving the program with the dialog open ends it without its closing: nothing is committed but
    // the switch clicked, which takes effect at once.
    void exitWithTheDialogOpenCommitsNothing() {
        DialogWorld w;
        FakeWorld& fakes = w.world;
        SharedState expected = w.state();
        setFields(expected, QStringLiteral("visi=1"));
        auto strip =
            std::make_unique<CaptionStrip>(w.state(), CaptionStripServices{fakes.store, fakes.windows, fakes.characters,
                                                                           fakes.messageBox, fakes.random});
        QPointer<SettingsDialog> dialog = showSettingsDialog(*strip, fakes.store, w.autostart);
        clickIndicator(dialog->lessonChoices[4]);
        QTest::keyClick(dialog->timingBoxes[0], Qt::Key_Up);
        clickIndicator(dialog->autoHideBox);

        strip.reset();
        QVERIFY(dialog.isNull());
        QCOMPARE(recordFields(w.state()), recordFields(expected));
        QVERIFY(fakes.store.writes.isEmpty());
        QVERIFY(w.autostart.calls.isEmpty());
    }

    // The client area's top-left corner lies 4000 twips left of and 3000 twips above the screen's middle,
    // to the nearest pixel: off the edges of a screen smaller than the dialog.
    void placedOverTheMiddleOfTheScreen() {
        DialogWorld w;
        w.world.windows.screenWidthPixels = 400;
        w.world.windows.screenHeightPixels = 300;
        QCOMPARE(w.world.windows.geometry(&w.open()), QRect(-67, -50, 385, 389));
    }

    void spinBoxLimitsAndSteps_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::newRow("times per sentence") << 0 << 1 << 12;
        QTest::newRow("Spanish seconds") << 1 << 5 << 15;
        QTest::newRow("English seconds") << 2 << 3 << 15;
    }
    void spinBoxLimitsAndSteps() {
        QFETCH(int, row);
        QFETCH(int, minimum);
        QFETCH(int, maximum);

        DialogWorld w;
        const QStringList before = recordFields(w.state());
        SettingsDialog& dialog = w.open();
        QSpinBox* const box = dialog.timingBoxes[row];
        const auto shows = [&](int value) {
            return box->value() == value && box->text() == QString::number(value);
        };

        for (int i = 0; i < maximum - minimum + 3; ++i)
            QTest::keyClick(box, Qt::Key_Down);
        QVERIFY(shows(minimum));
        QTest::keyClick(box, Qt::Key_Up);
        QVERIFY(shows(minimum + 1));
        for (int i = 0; i < maximum - minimum + 3; ++i)
            QTest::keyClick(box, Qt::Key_Up);
        QVERIFY(shows(maximum));

        QStyleOptionSpinBox option;
        option.initFrom(box);
        const auto arrow = [&](QStyle::SubControl part) {
            return box->style()->subControlRect(QStyle::CC_SpinBox, &option, part, box).center();
        };
        const QPoint upperArrow = arrow(QStyle::SC_SpinBoxUp);
        const QPoint lowerArrow = arrow(QStyle::SC_SpinBoxDown);
        QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, lowerArrow);
        QVERIFY(shows(maximum - 1));
        QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, upperArrow);
        QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, upperArrow);
        QVERIFY(shows(maximum));

        // Typing changes the box, but the record takes the timings only when the dialog closes.
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, QStringLiteral("9"));
        QVERIFY(shows(9));
        QCOMPARE(recordFields(w.state()), before);
    }

    // Each timing row reads "<lead> [number] <tail>", the spin box in the blanks between.
    void timingRowsReadAroundTheirNumber() {
        DialogWorld w;
        SettingsDialog& dialog = w.open();
        const std::array labels = {dialog.repeatsLabel, dialog.spanishSecondsLabel, dialog.englishSecondsLabel};
        QCOMPARE((QStringList{labels[0]->text(), labels[1]->text(), labels[2]->text()}),
                 (QStringList{"Per sentence play              time.", "Spanish Display               second.",
                              "English Display               second."}));
        for (int row = 0; row < 3; ++row) {
            const QLabel* label = labels[row];
            const QString caption = label->text();
            const QFontMetrics metrics(label->font());
            const int leadEnd = label->x() + metrics.horizontalAdvance(caption.section(QStringLiteral("  "), 0, 0));
            const int tailStart = label->x() + metrics.horizontalAdvance(caption.left(caption.lastIndexOf(' ') + 1));
            QVERIFY2(leadEnd < dialog.timingBoxes[row]->x(), qPrintable(caption));
            QVERIFY2(dialog.timingBoxes[row]->geometry().right() < tailStart, qPrintable(caption));
            QVERIFY(label->geometry().contains(QRect(label->x(), label->y(), metrics.horizontalAdvance(caption), 1)));
        }
    }

    // Tab follows the design order and enters each option group at its choice; arrows choose within a
    // group, across the lesson columns too.
    void keyboardNavigation() {
        DialogWorld w;
        setFields(w.state(), QStringLiteral("rd=1 ce=0 guage=12"));
        SettingsDialog& dialog = w.open();
        QApplication::setActiveWindow(&dialog);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        const QHash<QWidget*, QString> names = controlNames(dialog);
        dialog.timingBoxes[0]->setFocus(Qt::TabFocusReason);
        QStringList visited;
        for (int i = 0; i < 11; ++i) {
            QWidget* focus = QApplication::focusWidget();
            visited << names.value(focus, names.value(focus->parentWidget(), QStringLiteral("?")));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(visited, (QStringList{"timingBoxes(0)", "timingBoxes(1)", "timingBoxes(2)", "playModeChoices(1)",
                                       "languageOrderChoices(1)", "saveReadingPositionBox", "autoHideBox",
                                       "startAtLogOnBox", "saveSettingsBox", "lessonChoices(12)", "timingBoxes(0)"}));

        dialog.lessonChoices[12]->setFocus(Qt::TabFocusReason);
        QTest::keyClick(dialog.lessonChoices[12], Qt::Key_Left);
        QCOMPARE(names.value(QApplication::focusWidget()), QStringLiteral("lessonChoices(2)"));
        QVERIFY(dialog.lessonChoices[2]->isChecked());
    }
};

QTEST_MAIN(TestSettingsDialog)
#include "test_settings_dialog.moc"
