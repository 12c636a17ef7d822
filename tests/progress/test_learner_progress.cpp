#include "progress/learner_progress.h"
#include "tests/support/fake_calendar_clock.h"
#include "tests/support/fake_progress_store.h"

#include <QTest>

using namespace parlavo;
using namespace parlavo::test;

Q_DECLARE_METATYPE(ProgressStore::Opening)

class TestLearnerProgress : public QObject {
    Q_OBJECT

private slots:
    // Three answers and two shown sentences with the store failing as the row says (opening, or writing after the
    // first answer) until it recovers; nothing is lost or written twice, the user is told once, and an answer about
    // a sentence the store knew builds on its stored state.
    void keepsEveryAnswerInAnySurroundings_data() {
        QTest::addColumn<ProgressStore::Opening>("opening");
        QTest::addColumn<bool>("writesFail");
        QTest::addColumn<QString>("message");
        QTest::newRow("ready") << ProgressStore::Opening::Ready << false << QString();
        QTest::newRow("damaged") << ProgressStore::Opening::ReplacedDamaged << false << "sqlite.damaged-x";
        QTest::newRow("unwritable folder") << ProgressStore::Opening::Unavailable << false << "cannot be written";
        QTest::newRow("disk full") << ProgressStore::Opening::Ready << true << "disk full";
        QTest::newRow("newer version") << ProgressStore::Opening::TooNew << false << "newer version";
    }
    void keepsEveryAnswerInAnySurroundings() {
        QFETCH(ProgressStore::Opening, opening);
        QFETCH(bool, writesFail);
        QFETCH(QString, message);
        const bool saved = opening != ProgressStore::Opening::TooNew;
        FakeProgressStore store;
        store.opening = opening;
        const QDateTime first(QDate(2026, 3, 2), QTime(9, 0), Qt::UTC);
        store.stored.insert(SentenceKey::builtIn(1, 1), {2.3065, 2.1181, first, QDate(2026, 3, 5)});
        FakeCalendarClock clock(first.addDays(2));
        RecordingMessages messages;
        LearnerProgress progress(store, clock, messages);
        progress.shown();
        QCOMPARE(store.openings, 0);

        const MemoryState known = progress.answer(SentenceKey::builtIn(1, 1), Grade::Good);
        store.writable = !writesFail;
        progress.answer(SentenceKey::builtIn(1, 2), Grade::Again);
        progress.shown();
        progress.answer(SentenceKey::builtIn(1, 2), Grade::Good);
        progress.shown();
        QCOMPARE(messages.told.size(), message.isEmpty() ? 0 : 1);
        QVERIFY(messages.told.join(QString()).contains(message));
        QCOMPARE(progress.reviewAvailable(), saved);
        QCOMPARE(progress.states().size(), 2);
        const bool storeRead =
            opening == ProgressStore::Opening::Ready || opening == ProgressStore::Opening::ReplacedDamaged;
        QCOMPARE(QString::number(known.stability, 'f', 4), storeRead ? "10.9643" : "2.3065");

        store.opening = saved ? ProgressStore::Opening::Ready : opening;
        store.writable = true;
        progress.shown();
        QCOMPARE(progress.waitingWrites(), 0);
        QCOMPARE(store.written.size(), saved ? 3u : 0u);
        QCOMPARE(store.shown.value(clock.today()), saved ? 4 : 0);
        if (saved)
            QCOMPARE(store.written[1].grade, Grade::Again);
        QCOMPARE(messages.told.size(), message.isEmpty() ? 0 : 1);
    }

    // A learner who only listens never has the database loaded while the program runs: what was shown is saved at
    // exit.
    void savesWhatWasShownAtExit() {
        FakeProgressStore store;
        FakeCalendarClock clock;
        RecordingMessages messages;
        LearnerProgress progress(store, clock, messages);
        progress.shown();
        progress.shown();
        QCOMPARE(store.openings, 0);
        progress.saveWaiting();
        QCOMPARE(store.openings, 1);
        QCOMPARE(store.shown.value(clock.today()), 2);
    }
};

QTEST_GUILESS_MAIN(TestLearnerProgress)
#include "test_learner_progress.moc"
