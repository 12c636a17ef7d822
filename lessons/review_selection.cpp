#include "lessons/review_selection.h"

#include <algorithm>

namespace parlavo {

namespace {

constexpr qint64 kNew = -1;

} // namespace

ReviewSelection::ReviewSelection(std::vector<ReviewCandidate> inLessonOrder,
                                 const QHash<SentenceKey, MemoryState>& states)
    : mCandidates(std::move(inLessonOrder)), mDue(mCandidates.size(), kNew), mShownInRound(mCandidates.size()) {
    mIndexOf.reserve(static_cast<qsizetype>(mCandidates.size()));
    for (std::size_t i = 0; i < mCandidates.size(); ++i) {
        mIndexOf.insert(mCandidates[i].key, i);
        const auto state = states.constFind(mCandidates[i].key);
        if (state != states.cend()) {
            mDue[i] = state->due.toJulianDay();
            mByDue.insert({mDue[i], i});
        }
    }
}

const ReviewCandidate* ReviewSelection::next(const QDate& today) {
    if (mCandidates.empty())
        return nullptr;
    std::optional<std::size_t> chosen = choose(today);
    if (!chosen) {
        startRound();
        chosen = choose(today);
    }
    return &mCandidates[take(*chosen)];
}

std::optional<std::size_t> ReviewSelection::choose(const QDate& today) {
    const auto back =
        std::find_if(mComingBack.begin(), mComingBack.end(), [](const auto& entry) { return entry.second <= 0; });
    if (back != mComingBack.end()) {
        const std::size_t index = back->first;
        mComingBack.erase(back);
        return index;
    }
    if (auto due = earliestDue(&today))
        return due;
    if (auto fresh = nextNew())
        return fresh;
    return earliestDue(nullptr);
}

std::optional<std::size_t> ReviewSelection::earliestDue(const QDate* onOrBefore) const {
    if (mByDue.empty() || (onOrBefore && mByDue.begin()->first > onOrBefore->toJulianDay()))
        return std::nullopt;
    return mByDue.begin()->second;
}

// Every candidate has been shown in this round, so none waits in mByDue: they all come into question again.
void ReviewSelection::startRound() {
    std::fill(mShownInRound.begin(), mShownInRound.end(), false);
    std::swap(mByDue, mShownDue);
    mNewCursor = 0;
}

// Sentences stop being new and are never new again, and the round's marks only grow, so the cursor moves on
// for good until the next round.
std::optional<std::size_t> ReviewSelection::nextNew() {
    while (mNewCursor < mCandidates.size() && (mDue[mNewCursor] != kNew || mShownInRound[mNewCursor]))
        ++mNewCursor;
    if (mNewCursor == mCandidates.size())
        return std::nullopt;
    return mNewCursor;
}

std::size_t ReviewSelection::take(std::size_t index) {
    if (!mShownInRound[index] && mDue[index] != kNew) {
        mByDue.erase({mDue[index], index});
        mShownDue.insert({mDue[index], index});
    }
    mShownInRound[index] = true;
    for (auto& [waiting, toCome] : mComingBack) {
        if (waiting != index)
            --toCome;
    }
    return index;
}

void ReviewSelection::answered(const SentenceKey& key, const MemoryState& after, Grade grade) {
    const auto found = mIndexOf.constFind(key);
    if (found == mIndexOf.cend())
        return;
    const std::size_t index = *found;
    std::set<DueEntry>& due = mShownInRound[index] ? mShownDue : mByDue;
    due.erase({mDue[index], index});
    mDue[index] = after.due.toJulianDay();
    due.insert({mDue[index], index});
    std::erase_if(mComingBack, [index](const auto& entry) { return entry.first == index; });
    if (grade == Grade::Again)
        mComingBack.push_back({index, kAgainComesBackAfter});
}

} // namespace parlavo
