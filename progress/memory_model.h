#pragma once

#include "progress/calendar_clock.h"

#include <QDate>
#include <QDateTime>

#include <optional>

namespace parlavo {

// How well the learner knew a sentence when it came round. The menu offers Again ("Didn't know it") and Good
// ("Knew it"); the other two are still computed, since every interval is kept in order with theirs.
enum class Grade { Again = 1, Hard = 2, Good = 3, Easy = 4 };

// What the learner is thought to know of a sentence after at least one answer.
struct MemoryState {
    double stability = 0;  // days until recall falls to 90 %
    double difficulty = 0; // 1..10
    QDateTime lastAnswer;  // UTC
    QDate due;             // a local calendar day
    friend bool operator==(const MemoryState&, const MemoryState&) = default;
};

// The long-term memory model with the published default weights, desired retention 0.9 and no fuzz. Intervals
// are whole days between local calendar days, counted from the day of the answer.
class MemoryModel {
public:
    explicit MemoryModel(const CalendarClock& clock) : mClock(clock) {}

    // The state after answering now; `before` is empty for a sentence never answered.
    MemoryState answer(const std::optional<MemoryState>& before, Grade grade) const;

    // Chance of recall `days` after the last answer of a sentence with this stability.
    static double retrievability(double days, double stability);

private:
    const CalendarClock& mClock;
};

} // namespace parlavo
