#include "settings/form3.h"
#include "settings/spinner.h"
#include "tests/settings/dialog_world.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

using namespace parlavo;
using namespace parlavo::test;

namespace {

Spinner* spinnerOf(Form3& dialog, int row) {
    Spinner* const spinners[] = {dialog.VScroll1, dialog.VScroll2, dialog.VScroll3};
    return spinners[row];
}

QLabel* labelOf(Form3& dialog, int row) {
    QLabel* const labels[] = {dialog.Label1, dialog.Label2, dialog.Label3};
    return labels[row];
}

// The controls that can take the keyboard, by the names the dialog gives them.
QHash<QWidget*, QString> controlNames(Form3& dialog) {
    QHash<QWidget*, QString> names;
    for (int i = 0; i < Form3::kLessonCount; ++i)
        names.insert(dialog.Option1[i], QStringLiteral("Option1(%1)").arg(i));
    for (int i = 0; i < 2; ++i) {
        names.insert(dialog.Option2[i], QStringLiteral("Option2(%1)").arg(i));
        names.insert(dialog.Option3[i], QStringLiteral("Option3(%1)").arg(i));
    }
    for (int i = 0; i < 3; ++i) {
        names.insert(dialog.Text1[i], QStringLiteral("Text1(%1)").arg(i));
        names.insert(spinnerOf(dialog, i), QStringLiteral("VScroll%1").arg(i + 1));
    }
    names.insert(dialog.Check1, QStringLiteral("Check1"));
    names.insert(dialog.Check3, QStringLiteral("Check3"));
    names.insert(dialog.Check4, QStringLiteral("Check4"));
    names.insert(dialog.Check5, QStringLiteral("Check5"));
    return names;
}

void activate(Form3& dialog) {
    QApplication::setActiveWindow(&dialog);
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
}

} // namespace

class TestForm3Controls : public QObject {
    Q_OBJECT

private slots:
    void spinnerLimitsAndSteps_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::newRow("times per sentence") << 0 << 1 << 12;
        QTest::newRow("Spanish seconds") << 1 << 5 << 15;
        QTest::newRow("English seconds") << 2 << 3 << 15;
    }
    void spinnerLimitsAndSteps() {
        QFETCH(int, row);
        QFETCH(int, minimum);
        QFETCH(int, maximum);

        DialogWorld w;
        const QStringList before = recordFields(w.state());
        Form3& dialog = w.open();
        Spinner* spinner = spinnerOf(dialog, row);
        QLineEdit* box = dialog.Text1[row];
        const auto shows = [&](int value) {
            return spinner->value() == value && box->text() == QString::number(value);
        };

        for (int i = 0; i < maximum - minimum + 3; ++i)
            QTest::keyClick(spinner, Qt::Key_Down);
        QVERIFY(shows(minimum));
        QTest::keyClick(spinner, Qt::Key_Up);
        QVERIFY(shows(minimum + 1));
        for (int i = 0; i < maximum - minimum + 3; ++i)
            QTest::keyClick(spinner, Qt::Key_Up);
        QVERIFY(shows(maximum));

        const QPoint upperArrow(spinner->width() / 2, 2);
        const QPoint lowerArrow(spinner->width() / 2, spinner->height() - 3);
        QTest::mouseClick(spinner, Qt::LeftButton, Qt::NoModifier, lowerArrow);
        QVERIFY(shows(maximum - 1));
        QTest::mouseClick(spinner, Qt::LeftButton, Qt::NoModifier, upperArrow);
        QTest::mouseClick(spinner, Qt::LeftButton, Qt::NoModifier, upperArrow);
        QVERIFY(shows(maximum));

        // The record takes the timings only when the dialog closes.
        QCOMPARE(recordFields(w.state()), before);
    }

    void numberBoxesOnlyDisplay() {
        DialogWorld w;
        Form3& dialog = w.open();
        for (QLineEdit* box : dialog.Text1) {
            const QString shown = box->text();
            QTest::keyClick(box, Qt::Key_End);
            QTest::keyClick(box, Qt::Key_Backspace);
            QCOMPARE(box->text(), shown);
            QTest::keyClicks(box, QStringLiteral("9"));
            QCOMPARE(box->text(), shown);
        }
    }

    void timingRowsReadAroundTheirNumber_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("lead");
        QTest::addColumn<QString>("caption");
        QTest::newRow("times per sentence") << 0 << "Per sentence play"
                                            << "Per sentence play              time.";
        QTest::newRow("Spanish seconds") << 1 << "Spanish Display"
                                         << "Spanish Display               second.";
        QTest::newRow("English seconds") << 2 << "English Display"
                                         << "English Display               second.";
    }
    void timingRowsReadAroundTheirNumber() {
        QFETCH(int, row);
        QFETCH(QString, lead);
        QFETCH(QString, caption);

        DialogWorld w;
        Form3& dialog = w.open();
        QLabel* label = labelOf(dialog, row);
        QCOMPARE(label->text(), caption);

        // The number box and the spinner sit in the blanks between the words, clear of both.
        const QFontMetrics metrics(label->font());
        const int leadEnd = label->x() + metrics.horizontalAdvance(lead);
        const int tailStart = label->x() + metrics.horizontalAdvance(caption.left(caption.lastIndexOf(' ') + 1));
        QVERIFY2(leadEnd < dialog.Text1[row]->x(), qPrintable(QStringLiteral("lead ends at %1").arg(leadEnd)));
        QVERIFY2(spinnerOf(dialog, row)->geometry().right() < tailStart,
                 qPrintable(QStringLiteral("tail starts at %1").arg(tailStart)));
        QVERIFY(label->geometry().contains(QRect(label->x(), label->y(), metrics.horizontalAdvance(caption), 1)));
    }

    void escapeClosesAndCommits_data() {
        QTest::addColumn<QString>("focused");
        QTest::newRow("lesson option") << "Option1(1)";
        QTest::newRow("language option") << "Option3(0)";
        QTest::newRow("number box") << "Text1(1)";
        QTest::newRow("spinner") << "VScroll2";
        QTest::newRow("check box") << "Check4";
    }
    void escapeClosesAndCommits() {
        QFETCH(QString, focused);

        DialogWorld w;
        Form3& dialog = w.open();
        QTest::keyClick(dialog.VScroll2, Qt::Key_Up);
        QWidget* target = controlNames(dialog).key(focused);
        QTest::keyClick(target, Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        QVERIFY(w.dialog.isNull());
        QCOMPARE(w.state().etime, qint16(6));
        QVERIFY(w.world.form1.image1Enabled());
        QCOMPARE(w.world.store.values.value("etime"), QStringLiteral("6"));
    }

    void placedOverTheMiddleOfTheScreen_data() {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QPoint>("topLeft");
        QTest::newRow("1920 x 1080") << QSize(1920, 1080) << QPoint(693, 340);
        QTest::newRow("1024 x 768") << QSize(1024, 768) << QPoint(245, 184);
        QTest::newRow("1280 x 1024") << QSize(1280, 1024) << QPoint(373, 312);
        QTest::newRow("smaller than the dialog") << QSize(400, 300) << QPoint(-67, -50);
    }
    void placedOverTheMiddleOfTheScreen() {
        QFETCH(QSize, screen);
        QFETCH(QPoint, topLeft);

        DialogWorld w;
        w.world.windows.screenWidthPixels = screen.width();
        w.world.windows.screenHeightPixels = screen.height();
        Form3& dialog = w.open();
        QCOMPARE(w.world.windows.geometry(&dialog), QRect(topLeft, QSize(385, 389)));
        QVERIFY(dialog.isVisible());
    }

    void fixedDialogWithACloseBox() {
        DialogWorld w;
        Form3& dialog = w.open();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Setting..."));
        QCOMPARE(dialog.windowType(), Qt::Dialog);
        QCOMPARE(dialog.minimumSize(), QSize(385, 389));
        QCOMPARE(dialog.maximumSize(), QSize(385, 389));
        const Qt::WindowFlags flags = dialog.windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::FramelessWindowHint));
        QVERIFY(!dialog.isModal());
    }

    void tabVisitsTheControlsInOrder_data() {
        QTest::addColumn<int>("rd");
        QTest::addColumn<int>("ce");
        QTest::addColumn<int>("guage");
        QTest::addColumn<QStringList>("order");
        const QStringList middle = {"Text1(0)", "Text1(1)", "Text1(2)"};
        QTest::newRow("sequence, English first, right column")
            << 1 << 0 << 12
            << QStringList{"Text1(0)", "Text1(1)", "Text1(2)", "Option2(1)", "Option3(1)", "VScroll1",   "VScroll2",
                           "VScroll3", "Check3",   "Check4",   "Check5",     "Check1",     "Option1(12)"};
        QTest::newRow("random skips the disabled schedule switch")
            << 0 << 1 << 0 << QStringList{"Option1(0)", "Text1(0)", "Text1(1)", "Option2(0)", "Text1(2)", "Option3(0)",
                                          "VScroll1",   "VScroll2", "VScroll3", "Check4",     "Check5",   "Check1"};
        QTest::newRow("left column lesson comes last")
            << 1 << 1 << 4
            << QStringList{"Text1(0)", "Text1(1)", "Text1(2)", "Option3(0)", "Option2(1)", "VScroll1",  "VScroll2",
                           "VScroll3", "Check3",   "Check4",   "Check5",     "Check1",     "Option1(4)"};
    }
    void tabVisitsTheControlsInOrder() {
        QFETCH(int, rd);
        QFETCH(int, ce);
        QFETCH(int, guage);
        QFETCH(QStringList, order);

        DialogWorld w;
        w.state().rd = static_cast<qint16>(rd);
        w.state().ce = static_cast<qint16>(ce);
        w.state().guage = static_cast<qint16>(guage);
        Form3& dialog = w.open();
        activate(dialog);
        const QHash<QWidget*, QString> names = controlNames(dialog);
        names.key(order.first())->setFocus(Qt::TabFocusReason);

        QStringList visited;
        for (int i = 0; i <= order.size(); ++i) {
            visited << names.value(QApplication::focusWidget(), QStringLiteral("?"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(visited, order + QStringList{order.first()});
    }

    void arrowsChooseWithinAGroup_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("next lesson down") << "Option1(1)" << int(Qt::Key_Down) << "Option1(2)";
        QTest::newRow("lesson across the columns") << "Option1(1)" << int(Qt::Key_Right) << "Option1(11)";
        QTest::newRow("play mode down") << "Option2(0)" << int(Qt::Key_Down) << "Option2(1)";
        QTest::newRow("language order up") << "Option3(1)" << int(Qt::Key_Up) << "Option3(0)";
    }
    void arrowsChooseWithinAGroup() {
        QFETCH(QString, start);
        QFETCH(int, key);
        QFETCH(QString, chosen);

        DialogWorld w;
        w.state().ce = 0;
        Form3& dialog = w.open();
        activate(dialog);
        const QHash<QWidget*, QString> names = controlNames(dialog);
        names.key(start)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(names.key(start), Qt::Key(key));

        QCOMPARE(names.value(QApplication::focusWidget()), chosen);
        QVERIFY(qobject_cast<QRadioButton*>(names.key(chosen))->isChecked());
    }
};

QTEST_MAIN(TestForm3Controls)
#include "test_form3_controls.moc"
