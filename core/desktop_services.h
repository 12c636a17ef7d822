#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QUrl>

namespace parlavo {

// Opens a web page or a new e-mail in the user's default programs; failures are the caller's to ignore.
class Shell {
public:
    virtual ~Shell() = default;
    virtual bool open(const QUrl& target) = 0;
};

// A source of single-precision values r with 0 <= r < 1.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void reseedFromClock() = 0;
    virtual float next() = 0;
};

// The date and the time of day, for what happens at a time the user chose, and one alarm at such a time.
class WallClock : public QObject {
    Q_OBJECT

public:
    virtual QDateTime now() const = 0;
    // Rings once at that time (at once when it has passed), even when the machine slept through part of the wait;
    // replaces the alarm set before. An invalid time sets none.
    virtual void setAlarm(const QDateTime& when) = 0;

signals:
    void alarmRang();
};

} // namespace parlavo
