#include "progress/memory_model.h"
#include "tests/support/fake_calendar_clock.h"

#include <QTest>

using namespace parlavo;

// Each step of a run is "day grade stability difficulty interval", days counted from the first answer, all at
// 09:00 UTC; the figures come from the formulas on the scheduler's sheet, worked by hand in a separate script.
class TestMemoryModel : public QObject {
    Q_OBJECT

private slots:
    void agreesWithTheSheet_data() {
        QTest::addColumn<QString>("steps");
        QTest::newRow("sheet: knew it, then forgot") << "0 3 2.3065 2.1181 3 | 2 3 10.9643 2.1112 11 | "
                                                        "10 3 38.8666 2.1043 39 | 40 1 2.6581 7.3900 3 | "
                                                        "41 3 4.6905 7.3778 5";
        QTest::newRow("sheet: hard start, same-day answer")
            << "0 1 0.2120 6.4133 1 | 1 1 0.1009 8.8063 1 | 2 3 0.6832 8.7927 3 | 5 3 2.7511 8.7792 3 | "
               "5 3 2.7511 8.7656 4";
        QTest::newRow("again first, long gaps")
            << "0 1 0.2120 6.4133 1 | 0 3 0.2120 6.4021 3 | 13 3 3.9324 6.3909 4 | 103 3 37.5925 6.3798 38 | "
               "105 1 2.1628 8.7953 2 | 110 3 6.0354 8.7817 6 | 110 1 0.8700 9.5848 1";
        QTest::newRow("forgotten again and again")
            << "0 3 2.3065 2.1181 3 | 0 1 0.5234 7.3945 1 | 1 3 2.2591 7.3823 3 | 14 1 0.7255 9.1248 1 | "
               "104 3 5.5512 9.1109 6 | 112 1 1.0206 9.6930 1 | 115 1 0.3577 9.8843 1 | "
               "515 3 2.4873 9.8697 3 | 517 1 0.5771 9.9424 1";
        QTest::newRow("a year away")
            << "0 3 2.3065 2.1181 3 | 400 3 65.6048 2.1112 66 | 408 1 2.9387 7.3922 3 | 438 1 0.9477 9.1281 1 | "
               "468 3 5.4919 9.1142 5 | 470 1 0.8876 9.6941 1 | 472 3 1.9636 9.6796 3";
        QTest::newRow("lowest stability, then known")
            << "0 1 0.2120 6.4133 1 | 400 1 0.2120 8.8063 1 | 401 1 0.0989 9.5929 1 | 414 1 0.0774 9.8514 1 | "
               "814 3 0.7771 9.8368 3 | 1214 3 4.6655 9.8222 5 | 1614 3 18.0486 9.8076 18 | "
               "1615 3 18.6093 9.7930 19 | 1620 3 21.1748 9.7784 21";
        QTest::newRow("hard answers") << "0 2 1.2931 5.1122 2 | 5 2 6.6073 6.7405 7 | 6 1 0.9629 8.9138 1 | "
                                         "36 2 4.0371 9.2642 4 | 44 2 6.8564 9.4968 7 | 444 1 2.0021 9.8198 2 | "
                                         "457 2 3.9352 9.8656 4 | 487 1 1.0677 9.9411 1";
        QTest::newRow("easy answers") << "0 4 8.2956 1.0000 8 | 13 1 1.4739 7.0270 1 | 15 2 3.6689 8.0116 4 | "
                                         "15 2 3.6689 8.6652 4 | 15 4 3.6689 8.2045 6";
    }
    void agreesWithTheSheet() {
        QFETCH(QString, steps);
        const QDateTime start(QDate(2026, 3, 2), QTime(9, 0), Qt::UTC);
        FakeCalendarClock clock(start);
        const MemoryModel model(clock);
        std::optional<MemoryState> state;
        for (const QString& step : steps.split(QLatin1Char('|'))) {
            const QStringList f = step.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            QCOMPARE(f.size(), 5);
            clock.set(start.addDays(f[0].toInt()));
            state = model.answer(state, static_cast<Grade>(f[1].toInt()));
            const QString where = QStringLiteral("at %1").arg(step.trimmed());
            QVERIFY2(QString::number(state->stability, 'f', 4) == f[2], qPrintable(where));
            QVERIFY2(QString::number(state->difficulty, 'f', 4) == f[3], qPrintable(where));
            QVERIFY2(clock.today().daysTo(state->due) == f[4].toInt(), qPrintable(where));
            QCOMPARE(state->lastAnswer, clock.now());
        }
    }

    // Days are the learner's calendar days: two answers a UTC day apart but on neighbouring local days are one
    // day apart, and the due date is a local date.
    void countsLocalCalendarDays() {
        const int fourHoursEast = 4 * 3600;
        FakeCalendarClock clock(QDateTime(QDate(2026, 3, 1), QTime(21, 0), Qt::UTC), fourHoursEast);
        const MemoryModel model(clock);
        std::optional<MemoryState> state = model.answer(std::nullopt, Grade::Good);
        QCOMPARE(state->due, QDate(2026, 3, 5));
        clock.set(QDateTime(QDate(2026, 3, 3), QTime(19, 0), Qt::UTC));
        state = model.answer(state, Grade::Good);
        QCOMPARE(QString::number(state->stability, 'f', 4), QStringLiteral("7.3153"));
        QCOMPARE(state->due, QDate(2026, 3, 3).addDays(7));
    }
};

QTEST_GUILESS_MAIN(TestMemoryModel)
#include "test_memory_model.moc"
