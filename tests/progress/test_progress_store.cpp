#include "lessons/own_lesson_sentences.h"
#include "lessons/progress_export.h"
#include "progress/sqlite_progress_store.h"
#include "tests/support/fake_calendar_clock.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using namespace parlavo;

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs statements on a file the way another program would; returns the last one's first value.
QString sql(const QString& path, const QStringList& statements) {
    QString value;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("by hand"));
        db.setDatabaseName(path);
        db.open();
        for (const QString& statement : statements) {
            QSqlQuery query(db);
            query.exec(statement);
            value = query.next() ? query.value(0).toString() : QString();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("by hand"));
    return value;
}

const QDateTime kFirst(QDate(2026, 3, 2), QTime(9, 0), Qt::UTC);
const QString kCsvHeader = QStringLiteral("time,lesson,line,spanish,english,answer,stability,difficulty,due\r\n");

AnswerRecord goodAnswer(SentenceKey key, const QDateTime& time = kFirst) {
    return {std::move(key), Grade::Good, {2.3065, 2.1181, time, time.date().addDays(3)}};
}

} // namespace

Q_DECLARE_METATYPE(ProgressStore::Opening)

class TestProgressStore : public QObject {
    Q_OBJECT

private slots:
    // `found`: what lies where the store goes. What the store takes is there for the next run and its export.
    void opensInAnySurroundings_data() {
        QTest::addColumn<QString>("found");
        QTest::addColumn<ProgressStore::Opening>("expected");
        QTest::addColumn<int>("exportStatus");
        QTest::newRow("nothing") << "" << ProgressStore::Opening::Ready << 0;
        QTest::newRow("damaged file") << "junk" << ProgressStore::Opening::ReplacedDamaged << 0;
        QTest::newRow("newer version") << "newer" << ProgressStore::Opening::TooNew << 1;
        QTest::newRow("a file for the folder") << "file" << ProgressStore::Opening::Unavailable << 0;
    }
    void opensInAnySurroundings() {
        QFETCH(QString, found);
        QFETCH(ProgressStore::Opening, expected);
        QFETCH(int, exportStatus);
        QTemporaryDir home;
        const QString path = home.filePath(QStringLiteral("parlavo/progress.sqlite"));
        QDir(home.path()).mkdir(QStringLiteral("parlavo"));
        QFile place(found == QLatin1String("file") ? home.filePath(QStringLiteral("parlavo")) : path);
        if (found == QLatin1String("file"))
            QDir(home.path()).rmdir(QStringLiteral("parlavo"));
        if (found == QLatin1String("junk") || found == QLatin1String("file"))
            QVERIFY(place.open(QIODevice::WriteOnly) && place.write(QByteArray(4096, 'x')) && place.flush());
        if (found == QLatin1String("newer"))
            sql(path, {QStringLiteral("CREATE TABLE later(x)"), QStringLiteral("PRAGMA user_version=99")});
        const QByteArray before = contents(path);
        FakeCalendarClock clock;
        SqliteProgressStore store(path, clock);
        QCOMPARE(store.open(), expected);
        QCOMPARE(store.recordAnswer(goodAnswer(SentenceKey::builtIn(4, 2))), expected < ProgressStore::Opening::TooNew);
        if (expected == ProgressStore::Opening::ReplacedDamaged)
            QCOMPARE(contents(path + QStringLiteral(".damaged-20260302-090000")), before);
        if (expected == ProgressStore::Opening::TooNew)
            QCOMPARE(contents(path), before);
        if (expected == ProgressStore::Opening::Unavailable) {
            QVERIFY(place.remove());
            QCOMPARE(store.open(), ProgressStore::Opening::Ready);
            QVERIFY(store.recordAnswer(goodAnswer(SentenceKey::builtIn(4, 2))));
        }
        const QString mine = QStringLiteral("Mine, \"mine\"");
        QCOMPARE(store.recordAnswer(goodAnswer(SentenceKey::own(mine, "¿Sí?"), kFirst.addSecs(90000))),
                 exportStatus == 0);
        QCOMPARE(store.addShown(clock.today(), 2) && store.addShown(clock.today(), 1), exportStatus == 0);

        const QString csv = home.filePath(QStringLiteral("out.csv"));
        OwnLessonShelf lessons(OwnLessonStore(home.filePath(QStringLiteral("lessons"))));
        OwnLesson lesson;
        lesson.append(QStringLiteral("Hola."), QStringLiteral("Hello."));
        lesson.append(QStringLiteral("¿Sí?"), QStringLiteral("Yes?"));
        QString error;
        QVERIFY2(lessons.store().save(mine, lesson, &error), qPrintable(error));
        const OwnLessonSentences sentences(lessons);
        QCOMPARE(exportProgress(csv, path, sentences), exportStatus);
        QCOMPARE(exportProgress(home.filePath(QStringLiteral("no/out.csv")), path, sentences), 1);
        QCOMPARE(QFile::exists(csv), exportStatus == 0);
        if (exportStatus != 0)
            return;
        QCOMPARE(QString::fromUtf8(contents(csv)),
                 kCsvHeader +
                     "2026-03-02T09:00:00Z,Say what you do,2,Soy enfermera. Trabajo en un hospital.,I'm a "
                     "nurse. I work at a hospital.,good,"
                     "2.3065,2.1181,2026-03-05\r\n2026-03-03T10:00:00Z,\"Mine, \"\"mine\"\"\",2,¿Sí?,Yes?,good,"
                     "2.3065,2.1181,2026-03-06\r\n");
        SqliteProgressStore again(path, clock);
        QCOMPARE(again.open(), ProgressStore::Opening::Ready);
        QCOMPARE(again.currentStates().value(SentenceKey::own(mine, "¿Sí?")).due, QDate(2026, 3, 6));
        QCOMPARE(again.shownPerDay(clock.today()).value(clock.today()), 3);
        QCOMPARE(sql(path, {QStringLiteral("PRAGMA journal_mode")}), QStringLiteral("wal"));
    }

    // Answers from the first schema keep their order and the latest of each becomes the sentence's state.
    void migratesFromTheFirstSchema() {
        QTemporaryDir home;
        const QString path = home.filePath(QStringLiteral("progress.sqlite"));
        sql(path, {"CREATE TABLE answers(time TEXT NOT NULL, lesson INTEGER NOT NULL, line INTEGER NOT NULL, answer "
                   "INTEGER NOT NULL, stability REAL NOT NULL, difficulty REAL NOT NULL, due TEXT NOT NULL)",
                   "CREATE TABLE shown(day TEXT PRIMARY KEY, count INTEGER NOT NULL)",
                   "INSERT INTO answers VALUES('2026-03-02T09:00:00.000Z', 3, 4, 3, 2.3065, 2.1181, '2026-03-05'), "
                   "('2026-03-04T09:00:00.000Z', 3, 4, 1, 0.5, 7.39, '2026-03-05'), "
                   "('2026-03-03T09:00:00.000Z', 5, 1, 3, 2.3065, 2.1181, '2026-03-06')",
                   "INSERT INTO shown VALUES('2026-03-02', 40)", "PRAGMA user_version=1"});
        FakeCalendarClock clock;
        SqliteProgressStore store(path, clock);
        QCOMPARE(store.open(), ProgressStore::Opening::Ready);
        const QHash<SentenceKey, MemoryState> states = store.currentStates();
        QCOMPARE(states.size(), 2);
        QCOMPARE(states.value(SentenceKey::builtIn(3, 4)).difficulty, 7.39);
        QCOMPARE(states.value(SentenceKey::builtIn(3, 4)).lastAnswer, kFirst.addDays(2));
        const std::vector<AnswerRecord> answers = store.answers();
        QCOMPARE(answers.size(), 3u);
        QCOMPARE(answers[1].sentence, SentenceKey::builtIn(5, 1));
        QCOMPARE(answers[2].grade, Grade::Again);
        QCOMPARE(store.shownPerDay(QDate(2026, 3, 1)).value(QDate(2026, 3, 2)), 40);
    }

    // An answer the store has taken survives the process being killed at once.
    void keepsAnAnswerThroughSigkill() {
        QTemporaryDir home;
        const QString path = home.filePath(QStringLiteral("progress.sqlite"));
        FakeCalendarClock clock;
        const pid_t child = fork();
        if (child == 0) {
            SqliteProgressStore store(path, clock);
            if (store.open() == ProgressStore::Opening::Ready &&
                store.recordAnswer(goodAnswer(SentenceKey::builtIn(2, 7))))
                raise(SIGKILL);
            _exit(1);
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFSIGNALED(status));
        SqliteProgressStore store(path, clock);
        QCOMPARE(store.open(), ProgressStore::Opening::Ready);
        QCOMPARE(store.answers().size(), 1u);
        QCOMPARE(store.answers()[0].sentence, SentenceKey::builtIn(2, 7));
    }
};

QTEST_GUILESS_MAIN(TestProgressStore)
#include "test_progress_store.moc"
