// Review play's choice of the next sentence over many sentences: how long building the choice takes, and each
// choice's time (median, 99.9th percentile, worst) over one and a half rounds through every sentence, with an
// answer after every other choice. On a shared machine the worst is mostly the scheduler's doing; the percentile
// tells the choice's own cost.
//   build/ci/bench/lessons/bench_review_selection [SENTENCES]
#include "lessons/review_selection.h"

#include <QElapsedTimer>
#include <QRandomGenerator>

#include <algorithm>
#include <cstdio>

using namespace parlavo;

int main(int argc, char* argv[]) {
    const int count = argc > 1 ? std::atoi(argv[1]) : 100000;
    const QDate today(2026, 3, 10);
    QRandomGenerator random(23);
    std::vector<ReviewCandidate> candidates;
    QHash<SentenceKey, MemoryState> states;
    for (int i = 0; i < count; ++i) {
        const SentenceKey key =
            SentenceKey::own(QStringLiteral("Lesson %1").arg(i / 40), QStringLiteral("Frase %1").arg(i));
        candidates.push_back({key, {}});
        // Two in three answered, due from two months ago to two months ahead.
        if (i % 3 != 0)
            states.insert(key, {5.0, 5.0, {}, today.addDays(random.bounded(-60, 61))});
    }
    QElapsedTimer timer;
    timer.start();
    ReviewSelection selection(std::move(candidates), states);
    const double buildMs = timer.nsecsElapsed() / 1e6;

    const int choices = count + count / 2;
    std::vector<qint64> took;
    for (int i = 0; i < choices; ++i) {
        timer.restart();
        const ReviewCandidate* chosen = selection.next(today);
        took.push_back(timer.nsecsElapsed());
        if (i % 2 == 0) {
            const Grade grade = i % 6 == 0 ? Grade::Again : Grade::Good;
            selection.answered(chosen->key, {5.0, 5.0, {}, today.addDays(grade == Grade::Again ? 1 : 9)}, grade);
        }
    }
    std::sort(took.begin(), took.end());
    std::printf("%d sentences (%lld answered): building the choice %.1f ms; %d choices: median %.2f us, 99.9th "
                "percentile %.2f us, worst %.1f us\n",
                count, static_cast<long long>(states.size()), buildMs, choices, took[took.size() / 2] / 1e3,
                took[took.size() * 999 / 1000] / 1e3, took.back() / 1e3);
}
