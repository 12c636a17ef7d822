#include "settings/own_lessons_panel.h"
#include "tests/settings/dialog_world.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>

using namespace parlavo;
using namespace parlavo::test;

namespace {

// What the dialog shows: language, play mode, lesson, timings, then the switches ('x' ticked).
QString shownChoices(const SettingsDialog& d) {
    const auto chosen = [](const auto& options, const QStringList& names = {}) {
        const auto it = std::find_if(options.begin(), options.end(), [](auto* o) { return o->isChecked(); });
        const int i = int(it - options.begin());
        return it == options.end() ? QStringLiteral("none") : names.value(i, QString::number(i));
    };
    QString shown = chosen(d.languageOrderChoices, {"Spanish", "English"}) + ' ' +
                    chosen(d.playModeChoices, {"random", "sequence", "review"}) + ' ' + chosen(d.lessonChoices);
    for (const QSpinBox* box : d.timingBoxes)
        shown += ' ' + box->text();
    shown += ' ';
    for (const QCheckBox* box : {d.autoHideBox, d.saveReadingPositionBox, d.startAtLogOnBox, d.saveSettingsBox})
        shown += box->isChecked() ? 'x' : '-';
    return shown;
}

// One step: "autoHide", "lesson3", "mode1", "order1"... clicks that control; "box0+", "box0-" and "lesson3!" press
// Up, Down and Escape on it; "box0=12" types 12 over a box's text; "exit" destroys the dialog without closing it;
// "key0-" clears a command's key box, "key1+" types Ctrl+Shift+K then Ctrl+L into one; "size2": the third text size.
void act(SettingsDialog& d, const QString& step) {
    if (step == QLatin1String("exit")) {
        delete &d;
        return;
    }
    const QRegularExpressionMatch parts = QRegularExpression(R"(^([a-zA-Z]+)(\d*)([+!-]|=\d+)?$)").match(step);
    const int i = parts.captured(2).toInt();
    const auto at = [i](const auto& group) -> QWidget* {
        return i < int(group.size()) ? group[i] : nullptr;
    };
    QWidget* control =
        QHash<QString, QWidget*>{
            {"autoHide", d.autoHideBox},     {"schedule", d.saveReadingPositionBox}, {"logOn", d.startAtLogOnBox},
            {"saving", d.saveSettingsBox},   {"films", d.stepAsideForFilmsBox},      {"lesson", at(d.lessonChoices)},
            {"mode", at(d.playModeChoices)}, {"order", at(d.languageOrderChoices)},  {"box", at(d.timingBoxes)},
            {"speed", d.speechSpeedBox},     {"key", at(d.shortcutBoxes)},           {"size", d.textSizeBox}}
            .value(parts.captured(1));
    QVERIFY2(control, qPrintable(step));
    const QString how = parts.captured(3);
    if (control == d.textSizeBox) {
        d.textSizeBox->setCurrentIndex(i);
    } else if (auto* keys = qobject_cast<QKeySequenceEdit*>(control); keys && how == "-") {
        keys->clear();
    } else if (keys) {
        QTest::keyClick(keys, Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keyClick(keys, Qt::Key_L, Qt::ControlModifier);
    } else if (how.startsWith('=')) {
        QTest::keyClick(control, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(control, how.mid(1));
    } else if (!how.isEmpty()) {
        QTest::keyClick(control, how == "+" ? Qt::Key_Up : how == "-" ? Qt::Key_Down : Qt::Key_Escape);
    } else {
        // On the indicator of a check box or option button, where a click always lands.
        QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, QPoint(6, control->height() / 2));
    }
}

void addRow(const char* name, const QStringList& columns) {
    QTestData& row = QTest::newRow(name);
    for (const QString& column : columns)
        row << column;
}

} // namespace

class TestSettingsDialog : public QObject {
    Q_OBJECT

private slots:
    void closingCommits_data() {
        QTest::addColumn<QString>("stored"); // settings set over the first run's; "intro": the strip's intro runs
        QTest::addColumn<QString>("shown");  // on opening; empty: not looked at
        QTest::addColumn<QString>("steps");  // then the close box closes the dialog, unless Escape did
        QTest::addColumn<QString>("changes");
        // The autostart calls ("remove@N": after N store writes), "saved" when the store took the record's
        // values and was synced, "held" when playback stays off, "menu off" when the menu picture does.
        QTest::addColumn<QString>("effects");

        // Every limit shows as it is. Playback restarts unless the intro still runs, whose own last step starts it.
        addRow("first-run values", {"", "Spanish random 1 2 5 3 -x-x", "", "", "remove@0 saved"});
        addRow("upper limits, English first", {"ce=0 rd=1 n=12 etime=15 ctime=15 guage=17 visi=1 mark=1",
                                               "English sequence 17 12 15 15 xxxx", "", "", "write@0 saved"});
        addRow("lower limits, whole course, not saved, intro running",
               {"intro rd=1 n=1 guage=0 psave=0 ssave=0", "Spanish sequence 0 1 5 3 ----", "", "", "held"});

        // Going from a lesson to the whole course with the schedule ticked, enabled or not, restarts the course.
        const QString inLesson5 = QStringLiteral("rd=1 guage=5 guagen=10517");
        addRow("lesson to whole course", {inLesson5, "", "lesson0", "guage=0 guagen=10101", "remove@0 saved"});
        addRow("lesson to whole course, schedule cleared",
               {inLesson5, "", "schedule lesson0", "guage=0 psave=0", "remove@0 saved"});
        addRow("schedule ticked but disabled by random play",
               {"rd=0 guage=5 guagen=10517", "", "lesson0", "guage=0 guagen=10101", "remove@0 saved"});

        // The schedule switch answers clicks only in sequence play; enabling it never touches its tick.
        addRow("schedule disabled at random", {"rd=0", "", "schedule", "", "remove@0 saved"});
        addRow("Sequence clicked", {"rd=0", "", "mode1 schedule", "rd=1 psave=0", "remove@0 saved"});
        addRow("at random clicked", {"rd=1", "", "mode0 schedule", "rd=0", "remove@0 saved"});
        addRow("Review clicked", {"rd=1", "", "mode2 schedule", "rd=2", "remove@0 saved"});
        addRow("Review shown", {"rd=2", "Spanish review 1 2 5 3 -x-x", "mode1", "rd=1", "remove@0 saved"});

        // A typed number counts once the range can take it; until then the box keeps its last one.
        addRow("timings typed", {"", "", "box0=12 box1=15 box2=9", "n=12 etime=15 ctime=9", "remove@0 saved"});
        addRow("timings typed outside the range", {"", "", "box0=0 box1=3 box2=16", "", "remove@0 saved"});
        // The speech speed steps by ten between its limits.
        addRow("speech speed", {"sspeed=290", "", "speed+ speed+", "sspeed=300", "remove@0 saved"});

        // The record always takes the choices; the store and the entry only while saving is on at closing.
        const QString choices = QStringLiteral("lesson3 mode1 order1 box0+ box1+ box2- autoHide logOn");
        const QString chosen = QStringLiteral("guage=3 rd=1 ce=0 n=3 etime=6 visi=1 mark=1"); // ctime at its limit
        addRow("saving off throughout", {"ssave=0", "", choices, chosen, ""});
        addRow("saving switched off", {"", "", choices + " saving", chosen + " ssave=0", ""});
        addRow("saving switched on", {"ssave=0", "", choices + " saving", chosen + " ssave=1", "write@0 saved"});
        // A key box keeps the first combination typed; a cleared one leaves its command without a key.
        addRow("command keys", {"", "", "key0- key1+", "keyrepeat=none keypause=Ctrl+Shift+K", "remove@0 saved"});
        addRow("text size", {"textsize=125", "", "size2", "textsize=150", "remove@0 saved"});
        addRow("stepping aside for films cleared", {"", "", "films", "stepaside=0", "remove@0 saved"});

        // Escape on any control closes the dialog the way its close box does.
        for (const char* control : {"lesson1", "box1", "autoHide"})
            addRow(control, {"", "", QStringLiteral("box1+ %1!").arg(control), "etime=6", "remove@0 saved"});
        // Ending the program with the dialog open commits nothing but the switch clicked, which acts at once.
        addRow("program ended", {"", "", "lesson4 box0+ autoHide exit", "visi=1", "held menu off"});
    }
    void closingCommits() {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        QFETCH(QString, steps);
        QFETCH(QString, changes);
        QFETCH(QString, effects);

        DialogWorld w;
        CaptionStrip& strip = w.world.strip;
        if (stored.startsWith("intro")) {
            strip.start();
            w.world.store.writes.clear();
            w.world.store.syncs = 0;
        }
        setFields(w.world.settings, stored.section("intro", -1));
        Settings before = w.world.settings;
        strip.resumeAfterSideWindow();
        SettingsDialog& dialog = w.open();
        if (!shown.isEmpty())
            QCOMPARE(shownChoices(dialog), shown);
        QCOMPARE(recordFields(w.world.settings), recordFields(before));
        // The strip stays live, but its menu picture and playback wait for the dialog.
        QCOMPARE(dialog.windowModality(), Qt::NonModal);
        QVERIFY(!strip.menuPictureEnabled() && !strip.isPlaying());

        for (const QString& step : steps.split(' ', Qt::SkipEmptyParts))
            act(dialog, step);
        if (steps.contains('!')) {
            QVERIFY(!dialog.isVisible());
        } else if (w.dialog) {
            // Until closing, the record keeps its timings (n, ctime, etime) whatever the boxes show.
            const QRegularExpression timings("^(n|ctime|etime)=");
            QCOMPARE(recordFields(w.world.settings).filter(timings), recordFields(before).filter(timings));
            dialog.close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        setFields(before, changes);
        QVERIFY(w.dialog.isNull());
        QCOMPARE(recordFields(w.world.settings), recordFields(before));
        const QStringList saved = w.world.store.writes.isEmpty() ? QStringList{} : QStringList{"saved"};
        const QStringList held = strip.isPlaying() ? QStringList{} : QStringList{"held"};
        const QStringList menuOff = strip.menuPictureEnabled() ? QStringList{} : QStringList{"menu off"};
        QCOMPARE((w.autostart.calls + saved + held + menuOff).join(' '), effects);
        for (const auto& [key, value] : w.world.store.writes)
            QVERIFY2(recordFields(before).contains(key + '=' + value), qPrintable(key + '=' + value));
        QCOMPARE(w.world.store.syncs, saved.size());
    }

    // At twice the system font, and in another run at twice the scale too, every caption, choice and number shows
    // whole and clear of its neighbours, at the fixed size the layout asks for, 266.67 px left of and 200 above the
    // screen's middle. Tab stops once at each control, in an option group only at its choice, in the dialog's order:
    // the user's own lessons after the built-in ones, then the text size and the keys, where Tab is a key.
    void layout() {
        QApplication::setFont(QFont(QApplication::font().family(), QApplication::font().pointSize() * 2));
        DialogWorld w;
        setFields(w.world.settings, QStringLiteral("rd=1 ce=0 guage=12"));
        w.world.windows.screenWidthPixels = 400;
        w.world.windows.screenHeightPixels = 300;
        SettingsDialog& d = w.open();
        for (const QWidget* control : d.findChildren<QWidget*>()) {
            const QRect room = control->geometry();
            // A caption, a frame's title or a spin box's number; the spin box's own editor is the spin box's business.
            const QString what = control->property(control->inherits("QGroupBox") ? "title" : "text").toString();
            if (what.isEmpty() || control->inherits("QLineEdit"))
                continue;
            QVERIFY2(control->parentWidget()->rect().contains(room), qPrintable(what));
            QVERIFY2(room.contains(QRect(room.topLeft(), control->sizeHint())), qPrintable(what));
            for (const QWidget* other : control->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                QVERIFY2(other == control || !other->geometry().intersects(room), qPrintable(what));
        }
        QCOMPARE(w.world.windows.geometry(&d), QRect(QPoint(-67, -50), d.sizeHint()));
        QCOMPARE(d.minimumSize(), d.maximumSize());

        QApplication::setActiveWindow(&d);
        QVERIFY(QTest::qWaitForWindowActive(&d));
        const QWidgetList expected = {d.timingBoxes[0],
                                      d.timingBoxes[1],
                                      d.timingBoxes[2],
                                      d.playModeChoices[1],
                                      d.languageOrderChoices[1],
                                      d.speechSpeedBox,
                                      d.saveReadingPositionBox,
                                      d.autoHideBox,
                                      d.startAtLogOnBox,
                                      d.saveSettingsBox,
                                      d.stepAsideForFilmsBox,
                                      d.lessonChoices[12],
                                      d.ownLessons->lessonList,
                                      d.ownLessons->importButton,
                                      d.textSizeBox,
                                      d.shortcutBoxes[0]};
        d.timingBoxes[0]->setFocus(Qt::TabFocusReason);
        QWidgetList visited = {QApplication::focusWidget()};
        while (visited.size() < expected.size()) {
            QTest::keyClick(visited.last(), Qt::Key_Tab);
            visited << QApplication::focusWidget();
        }
        QCOMPARE(visited, expected);
    }
};

QTEST_MAIN(TestSettingsDialog)
#include "test_settings_dialog.moc"
