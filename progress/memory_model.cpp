#include "progress/memory_model.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace parlavo {

namespace {

constexpr std::array<double, 21> w{0.212,  1.2931, 2.3065, 8.2956, 6.4133, 0.8334, 3.0194,
                                   0.001,  1.8722, 0.1666, 0.796,  1.4835, 0.0614, 0.2629,
                                   1.6483, 0.6014, 1.8729, 0.5425, 0.0912, 0.0658, 0.1542};
constexpr double kDesiredRetention = 0.9;
constexpr int kMaximumInterval = 36500;
constexpr double kLowestStability = 0.001;
constexpr double kDecay = -w[20];

// Intermediate values are kept to 8 decimals, so that results agree with the published figures to the last
// digit shown rather than drifting apart over a long run of answers.
double round8(double value) {
    return std::round(value * 1e8) / 1e8;
}

const double kFactor = round8(std::pow(0.9, 1.0 / kDecay) - 1.0);

double initialDifficulty(Grade grade) {
    return w[4] - std::exp(w[5] * (static_cast<int>(grade) - 1)) + 1.0;
}

double initialStability(Grade grade) {
    return round8(std::max(w[static_cast<int>(grade) - 1], 0.1));
}

int interval(double stability) {
    const double days = stability * (std::pow(kDesiredRetention, 1.0 / kDecay) - 1.0) / kFactor;
    return static_cast<int>(std::clamp<long>(std::lround(days), 1, kMaximumInterval));
}

double nextDifficulty(double difficulty, Grade grade) {
    const double change = -w[6] * (static_cast<int>(grade) - 3);
    const double damped = difficulty + change * (10.0 - difficulty) / 9.0;
    const double reverted = w[7] * initialDifficulty(Grade::Easy) + (1.0 - w[7]) * damped;
    return round8(std::clamp(reverted, 1.0, 10.0));
}

double nextStability(double stability, double difficulty, double recall, Grade grade) {
    if (grade == Grade::Again) {
        const double forgotten = w[11] * std::pow(difficulty, -w[12]) * (std::pow(stability + 1.0, w[13]) - 1.0) *
                                 std::exp(w[14] * (1.0 - recall));
        return round8(std::clamp(forgotten, kLowestStability, stability));
    }
    const double hard = grade == Grade::Hard ? w[15] : 1.0;
    const double easy = grade == Grade::Easy ? w[16] : 1.0;
    const double grown = stability * (1.0 + std::exp(w[8]) * (11.0 - difficulty) * std::pow(stability, -w[9]) *
                                                (std::exp(w[10] * (1.0 - recall)) - 1.0) * hard * easy);
    return round8(std::clamp(grown, kLowestStability, double(kMaximumInterval)));
}

} // namespace

double MemoryModel::retrievability(double days, double stability) {
    return round8(std::pow(1.0 + kFactor * days / stability, kDecay));
}

MemoryState MemoryModel::answer(const std::optional<MemoryState>& before, Grade grade) const {
    const QDateTime now = mClock.now();
    const QDate today = mClock.dayOf(now);
    constexpr std::array grades{Grade::Again, Grade::Hard, Grade::Good, Grade::Easy};
    std::array<double, 4> stabilities{};
    MemoryState after;
    if (!before) {
        for (std::size_t i = 0; i < grades.size(); ++i)
            stabilities[i] = initialStability(grades[i]);
        after.difficulty = round8(std::clamp(initialDifficulty(grade), 1.0, 10.0));
    } else {
        const double days = mClock.dayOf(before->lastAnswer).daysTo(today);
        const double recall = retrievability(std::max(days, 0.0), before->stability);
        for (std::size_t i = 0; i < grades.size(); ++i)
            stabilities[i] = nextStability(before->stability, before->difficulty, recall, grades[i]);
        after.difficulty = nextDifficulty(before->difficulty, grade);
    }
    // The four grades' intervals are kept apart and in order, so the chosen one can differ from its own
    // stability's rounding.
    std::array<int, 4> days{};
    for (std::size_t i = 0; i < grades.size(); ++i)
        days[i] = interval(stabilities[i]);
    days[0] = std::min(days[0], days[1]);
    days[1] = std::max(days[1], days[0] + 1);
    days[2] = std::max(days[2], days[1] + 1);
    days[3] = std::max(days[3], days[2] + 1);

    const auto chosen = static_cast<std::size_t>(grade) - 1;
    after.stability = stabilities[chosen];
    after.lastAnswer = now;
    after.due = today.addDays(days[chosen]);
    return after;
}

} // namespace parlavo
