#include "lessons/progress_export.h"
#include "progress/sqlite_progress_store.h"
#include "tests/support/fake_calendar_clock.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using namespace parlavo;

class TestProgressExport : public QObject {
    Q_OBJECT

private slots:
    // `database`: "answers" (two answers, one about an own lesson whose text needs quoting), "none", "newer".
    void writesEveryAnswer_data() {
        QTest::addColumn<QString>("database");
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("csv"); // after the header; "-": no file
        QTest::newRow("answers") << "answers"
                                 << "out.csv" << 0
                                 << "2026-03-02T09:00:00Z,Say hello,1,¡Hola! ¡Buenos días! ,Hello. Good morning.,good,"
                                    "2.3065,2.1181,2026-03-05\r\n"
                                    "2026-03-03T10:30:00Z,\"Mine, mine\",,\"Dijo \"\"sí\"\"\",,again,0.2120,6.4133,"
                                    "2026-03-04\r\n";
        QTest::newRow("no database yet") << "none"
                                         << "out.csv" << 0 << "";
        QTest::newRow("newer version") << "newer"
                                       << "out.csv" << 1 << "-";
        QTest::newRow("no such folder") << "answers"
                                        << "missing/out.csv" << 1 << "-";
    }
    void writesEveryAnswer() {
        QFETCH(QString, database);
        QFETCH(QString, target);
        QFETCH(int, status);
        QFETCH(QString, csv);
        QTemporaryDir home;
        const QString path = home.filePath(QStringLiteral("progress.sqlite"));
        if (database == QLatin1String("answers")) {
            FakeCalendarClock clock;
            SqliteProgressStore store(path, clock);
            QCOMPARE(store.open(), ProgressStore::Opening::Ready);
            const QDateTime first(QDate(2026, 3, 2), QTime(9, 0), Qt::UTC);
            QVERIFY(store.recordAnswer(
                {SentenceKey::builtIn(1, 1), Grade::Good, {2.3065, 2.1181, first, QDate(2026, 3, 5)}}));
            QVERIFY(store.recordAnswer({SentenceKey::own(QStringLiteral("Mine, mine"), QStringLiteral("Dijo \"sí\"")),
                                        Grade::Again,
                                        {0.212, 6.4133, first.addSecs(25 * 3600 + 1800), QDate(2026, 3, 4)}}));
        }
        if (database == QLatin1String("newer")) {
            {
                QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("newer"));
                db.setDatabaseName(path);
                QVERIFY(db.open() && QSqlQuery(db).exec(QStringLiteral("PRAGMA user_version=9")));
            }
            QSqlDatabase::removeDatabase(QStringLiteral("newer"));
        }
        const QString out = home.filePath(target);
        QCOMPARE(exportProgress(out, path, BuiltInSentences()), status);
        QFile written(out);
        QCOMPARE(written.exists(), csv != QLatin1String("-"));
        if (written.open(QIODevice::ReadOnly))
            QCOMPARE(QString::fromUtf8(written.readAll()),
                     QStringLiteral("time,lesson,line,spanish,english,answer,stability,difficulty,due\r\n") + csv);
        QCOMPARE(QFile::exists(path), database != QLatin1String("none"));
    }
};

QTEST_GUILESS_MAIN(TestProgressExport)
#include "test_progress_export.moc"
