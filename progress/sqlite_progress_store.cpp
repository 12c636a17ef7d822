#include "progress/sqlite_progress_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>

#include <atomic>

namespace parlavo {

namespace {

// SQLite's primary result codes that mean the file itself is broken, as opposed to the disk or the folder.
constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteNotADatabase = 26;

// Each schema step takes the store from the version before it to its own; a fresh store goes through all of them,
// so the first schema and every migration are exercised on every new installation.
const char* const kSchemaSteps[] = {
    // 1: built-in sentences only, answers and shown sentences per day.
    "CREATE TABLE answers(time TEXT NOT NULL, lesson INTEGER NOT NULL, line INTEGER NOT NULL,"
    " answer INTEGER NOT NULL, stability REAL NOT NULL, difficulty REAL NOT NULL, due TEXT NOT NULL);"
    "CREATE TABLE shown(day TEXT PRIMARY KEY, count INTEGER NOT NULL);",
    // 2: own lessons' sentences, keyed by lesson name and Spanish text, and each sentence's current state,
    // taken from its latest answer.
    "ALTER TABLE answers ADD COLUMN own_lesson TEXT NOT NULL DEFAULT '';"
    "ALTER TABLE answers ADD COLUMN spanish TEXT NOT NULL DEFAULT '';"
    "CREATE TABLE sentences(lesson INTEGER NOT NULL, line INTEGER NOT NULL, own_lesson TEXT NOT NULL,"
    " spanish TEXT NOT NULL, stability REAL NOT NULL, difficulty REAL NOT NULL, last_answer TEXT NOT NULL,"
    " due TEXT NOT NULL, PRIMARY KEY(lesson, line, own_lesson, spanish));"
    "INSERT INTO sentences SELECT lesson, line, own_lesson, spanish, stability, difficulty, time, due"
    " FROM answers WHERE rowid IN (SELECT max(rowid) FROM answers GROUP BY lesson, line, own_lesson, spanish);",
};
static_assert(std::size(kSchemaSteps) == SqliteProgressStore::kSchemaVersion);

QString utcText(const QDateTime& moment) {
    return moment.toUTC().toString(Qt::ISODateWithMs);
}

QDateTime utcOf(const QString& text) {
    QDateTime moment = QDateTime::fromString(text, Qt::ISODateWithMs);
    moment.setTimeSpec(Qt::UTC);
    return moment;
}

int primaryCode(const QSqlError& error) {
    return error.nativeErrorCode().toInt() & 0xff;
}

bool isDamage(const QSqlError& error) {
    const int code = primaryCode(error);
    return code == kSqliteCorrupt || code == kSqliteNotADatabase;
}

// Runs statements separated by semicolons; stops at the first failure.
bool runScript(QSqlDatabase& db, const QString& script, QSqlError* failure = nullptr) {
    for (const QString& statement : script.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        QSqlQuery query(db);
        if (!query.exec(statement)) {
            if (failure)
                *failure = query.lastError();
            return false;
        }
    }
    return true;
}

QSqlQuery prepared(const QSqlDatabase& db, const char* sql, const QVariantList& values) {
    QSqlQuery query(db);
    query.prepare(QString::fromLatin1(sql));
    for (const QVariant& value : values)
        query.addBindValue(value);
    return query;
}

// A null QString binds as SQL NULL; built-in sentences store empty texts instead.
QString text(const QString& value) {
    return value.isNull() ? QStringLiteral("") : value;
}

QVariantList keyValues(const SentenceKey& key) {
    return {key.lesson, key.line, text(key.ownLesson), text(key.spanish)};
}

SentenceKey keyAt(const QSqlQuery& query, int first) {
    return {query.value(first).toInt(), query.value(first + 1).toInt(), query.value(first + 2).toString(),
            query.value(first + 3).toString()};
}

} // namespace

SqliteProgressStore::SqliteProgressStore(QString path, const CalendarClock& clock)
    : mPath(std::move(path)), mClock(clock) {
    static std::atomic<int> stores{0};
    mConnection = QStringLiteral("progress-%1").arg(stores++);
}

SqliteProgressStore::~SqliteProgressStore() {
    disconnect();
}

QString SqliteProgressStore::defaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/parlavo/progress.sqlite");
}

void SqliteProgressStore::disconnect() {
    if (QSqlDatabase::contains(mConnection)) {
        QSqlDatabase::database(mConnection, false).close();
        QSqlDatabase::removeDatabase(mConnection);
    }
    mOpen = false;
}

ProgressStore::Opening SqliteProgressStore::open() {
    disconnect();
    Health health = connect();
    bool replaced = false;
    if (health == Health::Damaged) {
        disconnect();
        replaced = setAsideDamaged();
        health = replaced ? connect() : Health::Failed;
    }
    mOpen = health == Health::Sound;
    if (!mOpen)
        disconnect();
    if (health == Health::TooNew)
        return Opening::TooNew;
    if (!mOpen)
        return Opening::Unavailable;
    return replaced ? Opening::ReplacedDamaged : Opening::Ready;
}

// Looks at the version before anything is written, so that a newer version's file is left exactly as it was.
SqliteProgressStore::Health SqliteProgressStore::connect() {
    if (!QDir().mkpath(QFileInfo(mPath).absolutePath()))
        return Health::Failed;
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), mConnection);
    db.setDatabaseName(mPath);
    if (!db.open())
        return Health::Failed;
    // The program runs all day and writes a row at a time: a small page cache keeps its memory down, the
    // check below included, which reads every page once.
    QSqlQuery(db).exec(QStringLiteral("PRAGMA cache_size=-32"));
    QSqlQuery version(db);
    if (!version.exec(QStringLiteral("PRAGMA user_version")) || !version.next())
        return isDamage(version.lastError()) ? Health::Damaged : Health::Failed;
    const int stored = version.value(0).toInt();
    version.finish();
    if (stored > kSchemaVersion)
        return Health::TooNew;
    QSqlQuery check(db);
    if (!check.exec(QStringLiteral("PRAGMA quick_check")) || !check.next())
        return isDamage(check.lastError()) ? Health::Damaged : Health::Failed;
    if (check.value(0).toString() != QLatin1String("ok"))
        return Health::Damaged;
    check.finish();
    QSqlError failure;
    if (!runScript(db, QStringLiteral("PRAGMA journal_mode=WAL;PRAGMA synchronous=FULL"), &failure))
        return isDamage(failure) ? Health::Damaged : Health::Failed;
    return upgrade(stored) ? Health::Sound : Health::Failed;
}

bool SqliteProgressStore::upgrade(int version) {
    QSqlDatabase db = QSqlDatabase::database(mConnection, false);
    for (; version < kSchemaVersion; ++version) {
        if (!db.transaction())
            return false;
        const QString step =
            QString::fromLatin1(kSchemaSteps[version]) + QStringLiteral(";PRAGMA user_version=%1").arg(version + 1);
        if (!runScript(db, step) || !db.commit()) {
            db.rollback();
            return false;
        }
    }
    return true;
}

// The damaged file and its journal go aside together: a journal left behind could be replayed into the new file.
bool SqliteProgressStore::setAsideDamaged() {
    const QString stamp = mClock.now().toUTC().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    mSetAside = QStringLiteral("%1.damaged-%2").arg(mPath, stamp);
    if (!QFile::rename(mPath, mSetAside))
        return false;
    for (const char* suffix : {"-wal", "-shm"}) {
        const QString journal = mPath + QLatin1String(suffix);
        if (QFile::exists(journal))
            QFile::rename(journal, mSetAside + QLatin1String(suffix));
    }
    return true;
}

bool SqliteProgressStore::recordAnswer(const AnswerRecord& answer) {
    if (!mOpen)
        return false;
    QSqlDatabase db = QSqlDatabase::database(mConnection, false);
    if (!db.transaction())
        return false;
    const MemoryState& s = answer.after;
    const QVariantList state{s.stability, s.difficulty, utcText(s.lastAnswer), s.due.toString(Qt::ISODate)};
    QSqlQuery added = prepared(db,
                               "INSERT INTO answers(lesson, line, own_lesson, spanish, answer, stability, difficulty,"
                               " time, due) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?)",
                               keyValues(answer.sentence) + QVariantList{static_cast<int>(answer.grade)} + state);
    QSqlQuery current = prepared(db, "INSERT OR REPLACE INTO sentences VALUES(?, ?, ?, ?, ?, ?, ?, ?)",
                                 keyValues(answer.sentence) + state);
    if (!added.exec() || !current.exec() || !db.commit()) {
        db.rollback();
        return false;
    }
    return true;
}

bool SqliteProgressStore::addShown(const QDate& day, int count) {
    if (!mOpen)
        return false;
    QSqlQuery query = prepared(QSqlDatabase::database(mConnection, false),
                               "INSERT INTO shown VALUES(?, ?) ON CONFLICT(day) DO UPDATE SET count = count + ?",
                               {day.toString(Qt::ISODate), count, count});
    return query.exec();
}

QHash<SentenceKey, MemoryState> SqliteProgressStore::currentStates() {
    QHash<SentenceKey, MemoryState> states;
    if (!mOpen)
        return states;
    QSqlQuery query(QSqlDatabase::database(mConnection, false));
    query.setForwardOnly(true);
    query.exec(QStringLiteral("SELECT * FROM sentences"));
    while (query.next())
        states.insert(keyAt(query, 0),
                      {query.value(4).toDouble(), query.value(5).toDouble(), utcOf(query.value(6).toString()),
                       QDate::fromString(query.value(7).toString(), Qt::ISODate)});
    return states;
}

std::vector<AnswerRecord> SqliteProgressStore::answers() {
    std::vector<AnswerRecord> all;
    if (!mOpen)
        return all;
    QSqlQuery query(QSqlDatabase::database(mConnection, false));
    query.setForwardOnly(true);
    query.exec(QStringLiteral("SELECT lesson, line, own_lesson, spanish, answer, stability, difficulty, time, due"
                              " FROM answers ORDER BY time, rowid"));
    while (query.next())
        all.push_back({keyAt(query, 0),
                       static_cast<Grade>(query.value(4).toInt()),
                       {query.value(5).toDouble(), query.value(6).toDouble(), utcOf(query.value(7).toString()),
                        QDate::fromString(query.value(8).toString(), Qt::ISODate)}});
    return all;
}

QMap<QDate, int> SqliteProgressStore::shownPerDay(const QDate& from) {
    QMap<QDate, int> days;
    if (!mOpen)
        return days;
    QSqlQuery query = prepared(QSqlDatabase::database(mConnection, false),
                               "SELECT day, count FROM shown WHERE day >= ?", {from.toString(Qt::ISODate)});
    query.exec();
    while (query.next())
        days.insert(QDate::fromString(query.value(0).toString(), Qt::ISODate), query.value(1).toInt());
    return days;
}

} // namespace parlavo
