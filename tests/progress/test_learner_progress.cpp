#include "progress/learner_progress.h"
#include "tests/support/fake_calendar_clock.h"

#include <QTest>

using namespace parlavo;

namespace {

// A store that opens as told and takes writes only while writable.
class FakeProgressStore final : public ProgressStore {
public:
    Opening opening = Opening::Ready;
    bool writable = true;
    std::vector<AnswerRecord> written;
    QMap<QDate, int> shown;
    QHash<SentenceKey, MemoryState> stored;

    Opening open() override { return opening; }
    QString setAsideName() const override { return QStringLiteral("progress.sqlite.damaged-x"); }
    bool recordAnswer(const AnswerRecord& answer) override {
        if (writable)
            written.push_back(answer);
        return writable;
    }
    bool addShown(const QDate& day, int count) override {
        if (writable)
            shown[day] += count;
        return writable;
    }
    QHash<SentenceKey, MemoryState> currentStates() override { return stored; }
    std::vector<AnswerRecord> answers() override { return written; }
    QMap<QDate, int> shownPerDay(const QDate&) override { return shown; }
};

class RecordingMessages final : public ProgressMessages {
public:
    QStringList told;
    void tell(const QString& text) override { told << text; }
};

} // namespace

Q_DECLARE_METATYPE(ProgressStore::Opening)

class TestLearnerProgress : public QObject {
    Q_OBJECT

private slots:
    // Three answers and two shown sentences, with the store failing from `failFrom` on (opening, or writing after
    // the first answer) until it recovers; nothing is lost, nothing is written twice, and the user hears once.
    void keepsEveryAnswerInAnySurroundings_data() {
        QTest::addColumn<ProgressStore::Opening>("opening");
        QTest::addColumn<bool>("writesFail");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("saved");
        QTest::newRow("ready") << ProgressStore::Opening::Ready << false << QString() << true;
        QTest::newRow("damaged") << ProgressStore::Opening::ReplacedDamaged << false
                                 << QStringLiteral("progress.sqlite.damaged-x") << true;
        QTest::newRow("unwritable folder")
            << ProgressStore::Opening::Unavailable << false << QStringLiteral("cannot be written") << true;
        QTest::newRow("disk full") << ProgressStore::Opening::Ready << true << QStringLiteral("disk full") << true;
        QTest::newRow("newer version") << ProgressStore::Opening::TooNew << false << QStringLiteral("newer version")
                                       << false;
    }
    void keepsEveryAnswerInAnySurroundings() {
        QFETCH(ProgressStore::Opening, opening);
        QFETCH(bool, writesFail);
        QFETCH(QString, message);
        QFETCH(bool, saved);
        FakeProgressStore store;
        store.opening = opening;
        store.stored.insert(SentenceKey::builtIn(1, 1), {5.0, 5.0, QDateTime(QDate(2026, 3, 1), {}, Qt::UTC), {}});
        FakeCalendarClock clock;
        RecordingMessages messages;
        LearnerProgress progress(store, clock, messages);
        progress.start();

        progress.answer(SentenceKey::builtIn(1, 1), Grade::Good);
        store.writable = !writesFail;
        progress.answer(SentenceKey::builtIn(1, 2), Grade::Again);
        progress.shown();
        progress.answer(SentenceKey::builtIn(1, 2), Grade::Good);
        progress.shown();
        QCOMPARE(messages.told.size(), message.isEmpty() ? 0 : 1);
        QVERIFY(message.isEmpty() || messages.told[0].contains(message));
        QCOMPARE(progress.reviewAvailable(), saved);
        QCOMPARE(progress.states().size(), 2);

        // The store recovers: what waited goes in, in order, at the next shown sentence.
        store.opening = opening == ProgressStore::Opening::TooNew ? opening : ProgressStore::Opening::Ready;
        store.writable = true;
        progress.shown();
        QCOMPARE(progress.waitingWrites(), 0);
        QCOMPARE(store.written.size(), saved ? 3u : 0u);
        QCOMPARE(store.shown.value(clock.today()), saved ? 3 : 0);
        if (saved) {
            QCOMPARE(store.written[1].grade, Grade::Again);
            QCOMPARE(store.written[2].after, progress.states().value(SentenceKey::builtIn(1, 2)));
        }
        QCOMPARE(messages.told.size(), message.isEmpty() ? 0 : 1);
    }

    // An answer about a sentence known from an earlier run builds on what the store remembered.
    void answersBuildOnStoredStates() {
        FakeProgressStore store;
        const QDateTime first(QDate(2026, 3, 2), QTime(9, 0), Qt::UTC);
        store.stored.insert(SentenceKey::builtIn(4, 4), {2.3065, 2.1181, first, QDate(2026, 3, 5)});
        FakeCalendarClock clock(first.addDays(2));
        RecordingMessages messages;
        LearnerProgress progress(store, clock, messages);
        progress.start();
        const MemoryState after = progress.answer(SentenceKey::builtIn(4, 4), Grade::Good);
        QCOMPARE(QString::number(after.stability, 'f', 4), QStringLiteral("10.9643"));
        QCOMPARE(store.written.back().after, after);
    }
};

QTEST_GUILESS_MAIN(TestLearnerProgress)
#include "test_learner_progress.moc"
