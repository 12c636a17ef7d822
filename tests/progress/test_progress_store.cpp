#include "progress/sqlite_progress_store.h"
#include "tests/support/fake_calendar_clock.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using namespace parlavo;

namespace {

enum class Surroundings { Fresh, Damaged, TooNew, FolderIsAFile };

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Builds a file by hand with plain SQL, as an older or newer program would have left it.
void runSql(const QString& path, const QStringList& statements) {
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fixture"));
        db.setDatabaseName(path);
        QVERIFY(db.open());
        for (const QString& statement : statements)
            QVERIFY2(QSqlQuery(db).exec(statement), qPrintable(statement));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fixture"));
}

AnswerRecord answerAt(const QDateTime& time, SentenceKey key, Grade grade = Grade::Good) {
    return {std::move(key), grade, {2.3065, 2.1181, time, time.date().addDays(3)}};
}

} // namespace

Q_DECLARE_METATYPE(Surroundings)
Q_DECLARE_METATYPE(ProgressStore::Opening)

class TestProgressStore : public QObject {
    Q_OBJECT

private slots:
    void opensInAnySurroundings_data() {
        QTest::addColumn<Surroundings>("surroundings");
        QTest::addColumn<ProgressStore::Opening>("expected");
        QTest::newRow("fresh") << Surroundings::Fresh << ProgressStore::Opening::Ready;
        QTest::newRow("damaged file") << Surroundings::Damaged << ProgressStore::Opening::ReplacedDamaged;
        QTest::newRow("newer version") << Surroundings::TooNew << ProgressStore::Opening::TooNew;
        QTest::newRow("no folder can be made") << Surroundings::FolderIsAFile << ProgressStore::Opening::Unavailable;
    }
    void opensInAnySurroundings() {
        QFETCH(Surroundings, surroundings);
        QFETCH(ProgressStore::Opening, expected);
        QTemporaryDir home;
        const QString path = home.filePath(QStringLiteral("parlavo/progress.sqlite"));
        QDir(home.path()).mkpath(QStringLiteral("parlavo"));
        if (surroundings == Surroundings::Damaged)
            writeFile(path, QByteArray("not a database at all, but long enough to look like a header").repeated(50));
        if (surroundings == Surroundings::TooNew)
            runSql(path, {QStringLiteral("CREATE TABLE later(x)"), QStringLiteral("PRAGMA user_version=99")});
        if (surroundings == Surroundings::FolderIsAFile) {
            QDir(home.path()).rmdir(QStringLiteral("parlavo"));
            writeFile(home.filePath(QStringLiteral("parlavo")), "a file where the folder should be");
        }
        const QByteArray before = contents(path);
        FakeCalendarClock clock;
        SqliteProgressStore store(path, clock);
        QCOMPARE(store.open(), expected);

        if (expected == ProgressStore::Opening::ReplacedDamaged) {
            QCOMPARE(store.setAsideName(), path + QStringLiteral(".damaged-20260302-090000"));
            QCOMPARE(contents(store.setAsideName()), before);
        }
        if (expected == ProgressStore::Opening::TooNew || expected == ProgressStore::Opening::Unavailable) {
            QVERIFY(!store.recordAnswer(answerAt(clock.now(), SentenceKey::builtIn(1, 1))));
            QCOMPARE(contents(path), before);
            if (expected == ProgressStore::Opening::TooNew)
                return;
            // The folder can be made again: the next try opens.
            QFile::remove(home.filePath(QStringLiteral("parlavo")));
            QCOMPARE(store.open(), ProgressStore::Opening::Ready);
        }
        // What is written is there for the next run.
        QVERIFY(store.recordAnswer(answerAt(clock.now(), SentenceKey::builtIn(4, 2))));
        QVERIFY(store.recordAnswer(answerAt(clock.now(), SentenceKey::own(QStringLiteral("Mine"), "¿Qué tal?"))));
        QVERIFY(store.addShown(clock.today(), 2) && store.addShown(clock.today(), 1));
        SqliteProgressStore again(path, clock);
        QCOMPARE(again.open(), ProgressStore::Opening::Ready);
        QCOMPARE(again.currentStates().value(SentenceKey::own(QStringLiteral("Mine"), "¿Qué tal?")).due,
                 QDate(2026, 3, 5));
        QCOMPARE(again.currentStates().size(), 2);
        QCOMPARE(again.shownPerDay(clock.today()).value(clock.today()), 3);
        QCOMPARE(runJournalMode(path), QStringLiteral("wal"));
    }

    // Answers from the first schema keep their place and become the sentences' current states.
    void migratesFromTheFirstSchema() {
        QTemporaryDir home;
        const QString path = home.filePath(QStringLiteral("progress.sqlite"));
        runSql(path,
               {QStringLiteral("CREATE TABLE answers(time TEXT NOT NULL, lesson INTEGER NOT NULL, line INTEGER "
                               "NOT NULL, answer INTEGER NOT NULL, stability REAL NOT NULL, difficulty REAL NOT "
                               "NULL, due TEXT NOT NULL)"),
                QStringLiteral("CREATE TABLE shown(day TEXT PRIMARY KEY, count INTEGER NOT NULL)"),
                QStringLiteral("INSERT INTO answers VALUES('2026-03-02T09:00:00.000Z', 3, 4, 3, 2.3065, 2.1181, "
                               "'2026-03-05'), ('2026-03-04T09:00:00.000Z', 3, 4, 1, 0.5, 7.39, '2026-03-05'), "
                               "('2026-03-03T09:00:00.000Z', 5, 1, 3, 2.3065, 2.1181, '2026-03-06')"),
                QStringLiteral("INSERT INTO shown VALUES('2026-03-02', 40)"), QStringLiteral("PRAGMA user_version=1")});
        FakeCalendarClock clock;
        SqliteProgressStore store(path, clock);
        QCOMPARE(store.open(), ProgressStore::Opening::Ready);
        const QHash<SentenceKey, MemoryState> states = store.currentStates();
        QCOMPARE(states.size(), 2);
        QCOMPARE(states.value(SentenceKey::builtIn(3, 4)).difficulty, 7.39);
        QCOMPARE(states.value(SentenceKey::builtIn(3, 4)).lastAnswer,
                 QDateTime(QDate(2026, 3, 4), QTime(9, 0), Qt::UTC));
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
            const bool taken = store.open() == ProgressStore::Opening::Ready &&
                               store.recordAnswer(answerAt(clock.now(), SentenceKey::builtIn(2, 7), Grade::Again));
            if (taken)
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

private:
    static QString runJournalMode(const QString& path) {
        QString mode;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("look"));
            db.setDatabaseName(path);
            db.open();
            QSqlQuery query(db);
            query.exec(QStringLiteral("PRAGMA journal_mode"));
            query.next();
            mode = query.value(0).toString();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("look"));
        return mode;
    }
};

QTEST_GUILESS_MAIN(TestProgressStore)
#include "test_progress_store.moc"
