#pragma once

#include "core/settings.h"
#include "progress/memory_model.h"
#include "progress/sentence_key.h"

#include <QDate>
#include <QHash>

#include <set>
#include <utility>
#include <vector>

namespace parlavo {

// A sentence Review play can choose: its key in the progress store and where it is read from, a reading position
// for a built-in sentence and a place (from 1) for one of an own lesson.
struct ReviewCandidate {
    SentenceKey key;
    ReadingPosition position;
    int ownPlace = 0;
};

// Chooses the next sentence for Review play among the sentences of one lesson, or of all, in lesson order: the
// most overdue due sentence; else the next never-answered one; else the one due soonest. A sentence answered
// Again comes back after kAgainComesBackAfter other sentences. Sentences shown in this run are passed over until
// every candidate has been shown, so that a sentence left unanswered does not come back at once. A choice costs
// the logarithm of the number of candidates; looking for the next new sentence moves on through lesson order, once
// per round.
class ReviewSelection {
public:
    static constexpr int kAgainComesBackAfter = 5;

    ReviewSelection(std::vector<ReviewCandidate> inLessonOrder, const QHash<SentenceKey, MemoryState>& states);

    // Null only when there are no candidates.
    const ReviewCandidate* next(const QDate& today);
    // A sentence that is not a candidate is ignored.
    void answered(const SentenceKey& key, const MemoryState& after, Grade grade);

private:
    // Due day (Julian) and candidate index, so that ties go in lesson order.
    using DueEntry = std::pair<qint64, std::size_t>;

    std::optional<std::size_t> choose(const QDate& today);
    std::optional<std::size_t> earliestDue(const QDate* onOrBefore) const;
    void startRound();
    std::optional<std::size_t> nextNew();
    std::size_t take(std::size_t index);

    std::vector<ReviewCandidate> mCandidates;
    QHash<SentenceKey, std::size_t> mIndexOf;
    std::vector<qint64> mDue;     // Julian day, or kNew
    std::set<DueEntry> mByDue;    // answered sentences not yet shown in this round
    std::set<DueEntry> mShownDue; // and those shown
    std::vector<bool> mShownInRound;
    std::size_t mNewCursor = 0;
    // Sentences answered Again, with how many other sentences are still to come before each.
    std::vector<std::pair<std::size_t, int>> mComingBack;
};

} // namespace parlavo
