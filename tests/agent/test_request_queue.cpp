#include "agent/request_queue.h"

#include <QTest>

using parlavo::Request;
using parlavo::RequestQueue;

// Drives a queue through steps such as "show", "speak uno", "play Wave", "next", "finish", "hide" and lists what
// each "next" started ("-" for nothing).
class RequestQueueTest : public QObject {
    Q_OBJECT
private slots:
    void startsRequestsAsTheRulesSay_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("started");

        QTest::newRow("one after another in the order made")
            << QStringList{"show", "play Wave", "play Bow", "next", "next", "finish", "next", "finish", "next"}
            << QStringList{"play Wave", "-", "play Bow", "-"};
        QTest::newRow("a line drops what waits, not what runs")
            << QStringList{"show",       "speak uno", "next", "play Wave", "speak dos", "play Bow",
                           "speak tres", "finish",    "next", "finish",    "next"}
            << QStringList{"speak uno", "speak tres", "-"};
        QTest::newRow("gestures after a line stay behind it")
            << QStringList{"show", "speak uno", "play Wave", "next", "finish", "next"}
            << QStringList{"speak uno", "play Wave"};
        QTest::newRow("nothing before the first show")
            << QStringList{"speak uno", "play Wave", "next"} << QStringList{"-"};
        QTest::newRow("hidden takes nothing")
            << QStringList{"show", "hide", "speak uno", "play Wave", "show", "next"} << QStringList{"-"};
        QTest::newRow("hiding forgets the running and the waiting")
            << QStringList{"show", "speak uno", "next", "play Wave", "hide", "show", "next", "speak dos", "next"}
            << QStringList{"speak uno", "-", "speak dos"};
    }

    void startsRequestsAsTheRulesSay() {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, started);

        RequestQueue queue;
        QStringList actual;
        for (const QString& step : steps) {
            const QString verb = step.section(' ', 0, 0);
            const QString what = step.section(' ', 1);
            if (verb == "show" || verb == "hide")
                queue.setHidden(verb == "hide");
            else if (verb == "speak")
                queue.add({Request::Kind::Speak, what});
            else if (verb == "play")
                queue.add({Request::Kind::Play, what});
            else if (verb == "finish")
                queue.finishCurrent();
            else if (const auto next = queue.startNext())
                actual.append((next->kind == Request::Kind::Speak ? "speak " : "play ") + next->text);
            else
                actual.append("-");
        }
        QCOMPARE(actual, started);
    }

    void refusesWhileHidden() {
        RequestQueue queue;
        QVERIFY(!queue.add({Request::Kind::Speak, "uno"}));
        queue.setHidden(false);
        QVERIFY(queue.add({Request::Kind::Speak, "uno"}));
        QCOMPARE(queue.waitingCount(), std::size_t(1));
    }
};

QTEST_APPLESS_MAIN(RequestQueueTest)
#include "test_request_queue.moc"
