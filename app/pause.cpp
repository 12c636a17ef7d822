#include "app/pause.h"

namespace parlavo {

namespace {

constexpr int kMorningHour = 6;
constexpr qint64 kLongestPauseSeconds = 24 * 60 * 60;

} // namespace

QDateTime pauseEnd(PauseLength length, const QDateTime& now) {
    switch (length) {
    case PauseLength::HalfHour:
        return now.addSecs(30 * 60);
    case PauseLength::Hour:
        return now.addSecs(60 * 60);
    case PauseLength::UntilMorning:
        break;
    }
    const QDateTime today(now.date(), QTime(kMorningHour, 0), now.timeSpec());
    return today > now ? today : QDateTime(now.date().addDays(1), QTime(kMorningHour, 0), now.timeSpec());
}

QDateTime boundedPauseEnd(const QDateTime& end, const QDateTime& now) {
    return now.secsTo(end) > kLongestPauseSeconds ? now.addSecs(kLongestPauseSeconds) : end;
}

QString pauseNotice(const QDateTime& end, const QDateTime& now) {
    const QString time = end.time().toString(QStringLiteral("HH:mm"));
    return end.date() == now.date() ? QStringLiteral("Paused until %1").arg(time)
                                    : QStringLiteral("Paused until %1 tomorrow").arg(time);
}

} // namespace parlavo
