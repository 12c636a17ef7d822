#pragma once

#include "progress/calendar_clock.h"

namespace parlavo {

// A clock set by hand, in a time zone a fixed number of seconds east of UTC.
class FakeCalendarClock final : public CalendarClock {
public:
    explicit FakeCalendarClock(QDateTime start = QDateTime(QDate(2026, 3, 2), QTime(9, 0), Qt::UTC),
                               int utcOffsetSeconds = 0)
        : mNow(start), mOffset(utcOffsetSeconds) {}
    QDateTime now() const override { return mNow; }
    QDate dayOf(const QDateTime& moment) const override { return moment.toUTC().addSecs(mOffset).date(); }
    void set(const QDateTime& moment) { mNow = moment; }

private:
    QDateTime mNow;
    int mOffset;
};

} // namespace parlavo
