#pragma once

#include <QDate>
#include <QDateTime>

namespace parlavo {

// The wall clock and the user's calendar, so that due dates and "today" can be driven by hand in tests.
class CalendarClock {
public:
    virtual ~CalendarClock() = default;
    // The current moment, in UTC.
    virtual QDateTime now() const = 0;
    // The calendar day a moment falls on in the user's local time zone.
    virtual QDate dayOf(const QDateTime& moment) const = 0;
    QDate today() const { return dayOf(now()); }
};

class SystemCalendarClock final : public CalendarClock {
public:
    QDateTime now() const override { return QDateTime::currentDateTimeUtc(); }
    QDate dayOf(const QDateTime& moment) const override { return moment.toLocalTime().date(); }
};

} // namespace parlavo
