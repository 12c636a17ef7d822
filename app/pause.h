#pragma once

#include <QDateTime>
#include <QString>

namespace parlavo {

// How long the user asked the lessons to stay away.
enum class PauseLength { HalfHour, Hour, UntilMorning };

// When a pause asked for `now` ends. Until the morning means the next 06:00 local time: a pause taken after
// midnight ends that same morning.
QDateTime pauseEnd(PauseLength length, const QDateTime& now);

// A stored end more than a day away (the clock was set back, the file was edited) comes in to a day from `now`,
// so the lessons never stay away for good.
QDateTime boundedPauseEnd(const QDateTime& end, const QDateTime& now);

// What pointing at the paused strip says: "Paused until 14:30", or "... until 06:00 tomorrow".
QString pauseNotice(const QDateTime& end, const QDateTime& now);

} // namespace parlavo
