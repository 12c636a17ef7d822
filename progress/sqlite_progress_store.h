#pragma once

#include "progress/calendar_clock.h"
#include "progress/progress_store.h"

#include <QSqlDatabase>
#include <QString>

namespace parlavo {

// The progress store as an SQLite file through Qt SQL, in WAL mode with every commit synced. Its schema carries a
// version (SQLite's user_version) and is brought up to kSchemaVersion step by step on opening.
class SqliteProgressStore final : public ProgressStore {
public:
    static constexpr int kSchemaVersion = 2;

    // `clock` stamps the name a damaged file is set aside under.
    SqliteProgressStore(QString path, const CalendarClock& clock);
    ~SqliteProgressStore() override;

    Opening open() override;
    QString setAsideName() const override { return mSetAside; }
    bool recordAnswer(const AnswerRecord& answer) override;
    bool addShown(const QDate& day, int count) override;
    QHash<SentenceKey, MemoryState> currentStates() override;
    std::vector<AnswerRecord> answers() override;
    QMap<QDate, int> shownPerDay(const QDate& from) override;

    // $XDG_DATA_HOME/parlavo/progress.sqlite, normally under ~/.local/share.
    static QString defaultPath();

private:
    enum class Health { Sound, Damaged, TooNew, Failed };

    Health connect();
    void disconnect();
    bool setAsideDamaged();
    bool upgrade(int version);

    QString mPath;
    const CalendarClock& mClock;
    QString mConnection;
    QString mSetAside;
    bool mOpen = false;
};

} // namespace parlavo
