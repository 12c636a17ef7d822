// Fills a progress database with answers, as a learner would have given them over the months before today, for
// the running-cost benchmark in Review play.
//   build/ci/bench/lessons/bench_fill_progress ANSWERS DATABASE
#include "lessons/review_play.h"
#include "progress/sqlite_progress_store.h"

#include <QCoreApplication>
#include <QRandomGenerator>

#include <cstdio>

using namespace parlavo;

namespace {

// Days go by as the answers are given: about forty a day, ending today.
class PassingDays final : public CalendarClock {
public:
    QDateTime moment;
    QDateTime now() const override { return moment; }
    QDate dayOf(const QDateTime& at) const override { return at.toLocalTime().date(); }
};

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return std::fprintf(stderr, "usage: bench_fill_progress ANSWERS DATABASE\n"), 2;
    const int count = std::atoi(argv[1]);
    PassingDays clock;
    SqliteProgressStore store(QString::fromLocal8Bit(argv[2]), clock);
    if (store.open() != ProgressStore::Opening::Ready)
        return std::fprintf(stderr, "cannot open %s\n", argv[2]), 1;
    const std::vector<ReviewCandidate> sentences = BuiltInSentences().inLessonOrder({});
    QHash<SentenceKey, MemoryState> states;
    const MemoryModel model(clock);
    QRandomGenerator random(23);
    const QDateTime end = QDateTime::currentDateTimeUtc();
    for (int i = 0; i < count; ++i) {
        clock.moment = end.addSecs(-qint64(count - i) * 86400 / 40);
        const SentenceKey& key = sentences[random.bounded(int(sentences.size()))].key;
        const Grade grade = random.bounded(4) == 0 ? Grade::Again : Grade::Good;
        const auto known = states.constFind(key);
        const MemoryState after =
            model.answer(known == states.cend() ? std::nullopt : std::optional<MemoryState>(*known), grade);
        states.insert(key, after);
        if (!store.recordAnswer({key, grade, after}))
            return std::fprintf(stderr, "answer %d not written\n", i), 1;
    }
    std::printf("%d answers about %lld sentences in %s\n", count, static_cast<long long>(states.size()), argv[2]);
}
