#include "lessons/own_lesson_sentences.h"
#include "lessons/progress_summary.h"
#include "lessons/review_play.h"
#include "lessons/review_selection.h"
#include "tests/support/fake_calendar_clock.h"
#include "tests/support/fake_progress_store.h"

#include <QTemporaryDir>
#include <QTest>

using namespace parlavo;
using namespace parlavo::test;

namespace {

const QDate kToday(2026, 3, 10);

// Saves an own lesson "Tren" of the Spanish texts given, each with its English in capitals.
void saveTren(OwnLessonStore& store, const QStringList& spanish) {
    OwnLesson lesson;
    for (const QString& text : spanish)
        lesson.append(text, text.toUpper());
    QString error;
    QVERIFY2(store.save(QStringLiteral("Tren"), lesson, &error), qPrintable(error));
}

MemoryState dueOn(const QDate& day) {
    return {3.0, 5.0, QDateTime(day.addDays(-3), QTime(9, 0), Qt::UTC), day};
}

} // namespace

class TestReviewSelection : public QObject {
    Q_OBJECT

private slots:
    // `due`: "line:days from today" for answered lines of a lesson of `lines` lines. `steps`: a number is the line
    // expected next; A and G answer the line chosen last with Again (due tomorrow) or Good (due in three days).
    void choosesByWhatIsKnown_data() {
        QTest::addColumn<int>("lines");
        QTest::addColumn<QString>("due");
        QTest::addColumn<QString>("steps");
        QTest::newRow("most overdue first, then new, then due soonest") << 6 << "3:-1 5:-4 6:2"
                                                                        << "5 3 1 2 4 6 5 3";
        QTest::newRow("due today is due") << 3 << "2:0 3:1"
                                          << "2 1 3";
        QTest::newRow("nothing due, nothing new: soonest first") << 3 << "1:3 2:1 3:2"
                                                                 << "2 3 1 2";
        QTest::newRow("again comes back after five others") << 8 << ""
                                                            << "1 A 2 3 4 5 6 1 7 8";
        QTest::newRow("again twice in a row") << 9 << ""
                                              << "1 A 2 3 4 5 6 1 A 7 8 G 9 2 3 1";
        QTest::newRow("knew it at the come-back") << 8 << ""
                                                  << "1 A 2 G 3 4 5 6 1 G 7 8 3";
        QTest::newRow("no sentences") << 0 << ""
                                      << "0";
    }
    void choosesByWhatIsKnown() {
        QFETCH(int, lines);
        QFETCH(QString, due);
        QFETCH(QString, steps);
        std::vector<ReviewCandidate> candidates;
        for (int line = 1; line <= lines; ++line)
            candidates.push_back({SentenceKey::builtIn(1, line), {1, line}});
        QHash<SentenceKey, MemoryState> states;
        for (const QString& entry : due.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            states.insert(SentenceKey::builtIn(1, entry.section(QLatin1Char(':'), 0, 0).toInt()),
                          dueOn(kToday.addDays(entry.section(QLatin1Char(':'), 1).toInt())));
        ReviewSelection selection(candidates, states);
        const ReviewCandidate* last = nullptr;
        int step = 0;
        for (const QString& token : steps.split(QLatin1Char(' '))) {
            ++step;
            if (token == QLatin1String("A") || token == QLatin1String("G")) {
                const bool again = token == QLatin1String("A");
                selection.answered(last->key, dueOn(kToday.addDays(again ? 1 : 3)), again ? Grade::Again : Grade::Good);
                continue;
            }
            last = selection.next(kToday);
            QVERIFY2((last ? last->position.line : 0) == token.toInt(),
                     qPrintable(QStringLiteral("step %1").arg(step)));
        }
    }

    // Shown lines name the sentence as written: the course's replays and a short dialogue's repeats are the same.
    void keysBuiltInSentencesAsWritten() {
        const std::pair<ReadingPosition, SentenceKey> cases[] = {
            {{1, 1}, SentenceKey::builtIn(1, 1)},
            {{19, 3}, SentenceKey::builtIn(2, 3)},
            {{2, dialogueLength(2) + 2}, SentenceKey::builtIn(2, 2)},
            {{1, 0}, {}}};
        for (const auto& [at, key] : cases)
            QCOMPARE(BuiltInSentences().keyOf({at.line > 0 ? lessonLine(at) : LessonLine{}, at, true}), key);
        OwnLessonShelf shelf(OwnLessonStore(QStringLiteral("/nonexistent")));
        const OwnLessonSentences own(shelf);
        QCOMPARE(own.keyOf({lessonLine({19, 3}), {19, 3}, true}), SentenceKey::builtIn(2, 3));
        QCOMPARE(own.keyOf({{QStringLiteral("Hola."), QStringLiteral("Hi.")}, {1, 1}, true, 4, QStringLiteral("Tren")}),
                 SentenceKey::own(QStringLiteral("Tren"), QStringLiteral("Hola.")));
        QVERIFY(!own.keyOf({{}, {1, 1}, true, 4, QStringLiteral("Tren")}).isValid());
    }

    // Review play of an own lesson: new sentences in lesson order, the same text once; answers are kept under the
    // text, so that the lesson imported again, reordered, still knows them; reports show where a sentence now is.
    void reviewsAnOwnLesson() {
        QTemporaryDir data;
        OwnLessonShelf shelf(OwnLessonStore(data.path()));
        saveTren(shelf.store(), {"Uno.", "Dos.", "Uno.", "Tres."});
        FakeProgressStore store;
        FakeCalendarClock clock;
        RecordingMessages messages;
        LearnerProgress progress(store, clock, messages);
        Settings settings;
        settings.ownLesson.name = QStringLiteral("Tren");
        const OwnLessonSentences sentences(shelf);
        const auto played = [&](ReviewPlay& play) {
            QStringList shown;
            for (int i = 0; i < 3; ++i) {
                const std::optional<Sentence> next = play.nextForReview();
                shown << (next ? QStringLiteral("%1 %2").arg(next->ownPlace).arg(next->text.english) : QString());
                if (next && next->text.spanish == QLatin1String("Uno."))
                    play.answer(*next, Grade::Good);
            }
            return shown.join(QStringLiteral(", "));
        };
        ReviewPlay first(progress, settings, sentences);
        QCOMPARE(played(first), QStringLiteral("1 UNO., 2 DOS., 4 TRES."));
        QCOMPARE(store.written.at(0).sentence, SentenceKey::own(QStringLiteral("Tren"), QStringLiteral("Uno.")));

        saveTren(shelf.store(), {"Tres.", "Dos.", "Uno."});
        shelf.forget();
        QCOMPARE(played(first), QStringLiteral("2 DOS., , 1 TRES."));
        ReviewPlay again(progress, settings, sentences);
        QCOMPARE(played(again), QStringLiteral("1 TRES., 2 DOS., 3 UNO."));
        QCOMPARE(sentences.describer()(store.written.at(0).sentence).line, 3);
        const SentenceDescription gone = sentences.describer()(SentenceKey::own(QStringLiteral("Bus"), "Hola."));
        QCOMPARE(QStringList({gone.lessonName, QString::number(gone.line), gone.spanish, gone.english}),
                 QStringList({"Bus", "0", "Hola.", ""}));
        const ProgressSummary summary = ProgressSummary::of(progress, sentences);
        const LessonKnowledge& tren = summary.lessons.back();
        QCOMPARE(QList<int>({tren.known, tren.learning, tren.fresh}), QList<int>({0, 1, 2}));
        QCOMPARE(tren.lesson, QStringLiteral("Tren"));
    }

    // `answers`: the days of answers, as days from today, about lines 1, 2, ... of lesson 2 in turn; line 1 is known.
    void summarisesProgress_data() {
        QTest::addColumn<QString>("answers");
        QTest::addColumn<int>("streak");
        QTest::addColumn<int>("due"); // each answer is due the day after it
        QTest::newRow("today and two days before, not yesterday") << "-3 -2 0" << 1 << 2;
        QTest::newRow("up to yesterday, none today yet") << "-9 -2 -1" << 2 << 3;
        QTest::newRow("none for two days") << "-3" << 0 << 1;
    }
    void summarisesProgress() {
        QFETCH(QString, answers);
        QFETCH(int, streak);
        QFETCH(int, due);
        FakeProgressStore store;
        FakeCalendarClock clock(QDateTime(kToday, QTime(21, 0), Qt::UTC), -10 * 3600);
        int line = 0;
        for (const QString& day : answers.split(QLatin1Char(' '))) {
            const QDateTime at = clock.now().addDays(day.toInt());
            store.recordAnswer({SentenceKey::builtIn(2, ++line),
                                Grade::Good,
                                {line == 1 ? 21.0 : 3.0, 5, at, clock.dayOf(at).addDays(1)}});
        }
        store.shown[clock.today()] = 7;
        RecordingMessages messages;
        LearnerProgress progress(store, clock, messages);
        const ProgressSummary summary = ProgressSummary::of(progress, BuiltInSentences());
        QCOMPARE(summary.streak, streak);
        QCOMPARE(summary.lastDays.size(), 30u);
        QCOMPARE(summary.today.day, QDate(2026, 3, 10));
        QCOMPARE(summary.today.heard, 7);
        QCOMPARE(summary.today.answered, answers.endsWith(QLatin1String(" 0")) ? 1 : 0);
        QCOMPARE(summary.dueToday, due);
        const LessonKnowledge& lesson = summary.lessons[1];
        QCOMPARE(QList<int>({lesson.known, lesson.learning, lesson.fresh}),
                 QList<int>({1, line - 1, dialogueLength(2) - line}));
    }
};

QTEST_GUILESS_MAIN(TestReviewSelection)
#include "test_review_selection.moc"
