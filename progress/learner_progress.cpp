#include "progress/learner_progress.h"

namespace parlavo {

LearnerProgress::LearnerProgress(ProgressStore& store, const CalendarClock& clock, ProgressMessages& messages)
    : mStore(store), mClock(clock), mMessages(messages) {}

// Opening again after the store was unavailable reads what it holds; answers given meanwhile are newer and stay.
bool LearnerProgress::reachStore() {
    if (mOpen || mTooNew)
        return mOpen;
    switch (mStore.open()) {
    case ProgressStore::Opening::ReplacedDamaged:
        mMessages.tell(QStringLiteral("The progress database was damaged. It was moved to %1 and a new one was "
                                      "started: what you had learnt so far is not counted.")
                           .arg(mStore.setAsideName()));
        break;
    case ProgressStore::Opening::TooNew:
        mTooNew = true;
        mWaitingShown.clear(); // counted before the store was opened; they can never be written
        mMessages.tell(QStringLiteral("The progress database was written by a newer version of Parlavo. It is left "
                                      "as it is, Review play is off and answers are not saved."));
        return false;
    case ProgressStore::Opening::Unavailable:
        if (!mToldUnwritable)
            mMessages.tell(QStringLiteral("The progress database cannot be written (is the disk full, or the data "
                                          "folder read-only?). Answers are kept while Parlavo runs and saved as "
                                          "soon as it can."));
        mToldUnwritable = true;
        return false;
    case ProgressStore::Opening::Ready:
        break;
    }
    mOpen = true;
    QHash<SentenceKey, MemoryState> stored = mStore.currentStates();
    stored.insert(mStates);
    mStates = std::move(stored);
    return true;
}

// The caller has tried to reach the store once already; a store that cannot be opened is not tried twice.
void LearnerProgress::writeWaiting() {
    if (!mOpen)
        return;
    std::size_t written = 0;
    while (written < mWaitingAnswers.size() && mStore.recordAnswer(mWaitingAnswers[written]))
        ++written;
    mWaitingAnswers.erase(mWaitingAnswers.begin(), mWaitingAnswers.begin() + static_cast<std::ptrdiff_t>(written));
    for (auto day = mWaitingShown.begin(); day != mWaitingShown.end();)
        day = mStore.addShown(day.key(), day.value()) ? mWaitingShown.erase(day) : std::next(day);
    if (waitingWrites() > 0 && !mToldUnwritable) {
        mToldUnwritable = true;
        mMessages.tell(QStringLiteral("Answers could not be saved in the progress database (is the disk full?). "
                                      "They are kept while Parlavo runs and saved as soon as it can."));
    }
}

MemoryState LearnerProgress::answer(const SentenceKey& sentence, Grade grade) {
    reachStore();
    const auto known = mStates.constFind(sentence);
    const MemoryState after =
        mModel.answer(known == mStates.cend() ? std::nullopt : std::optional<MemoryState>(*known), grade);
    mStates.insert(sentence, after);
    if (!mTooNew) {
        mWaitingAnswers.push_back({sentence, grade, after});
        writeWaiting();
    }
    return after;
}

bool LearnerProgress::reviewAvailable() {
    reachStore();
    return !mTooNew;
}

const QHash<SentenceKey, MemoryState>& LearnerProgress::states() {
    reachStore();
    return mStates;
}

std::vector<AnswerRecord> LearnerProgress::answers() {
    std::vector<AnswerRecord> all = reachStore() ? mStore.answers() : std::vector<AnswerRecord>();
    all.insert(all.end(), mWaitingAnswers.begin(), mWaitingAnswers.end());
    return all;
}

QMap<QDate, int> LearnerProgress::shownPerDay(const QDate& from) {
    QMap<QDate, int> days = reachStore() ? mStore.shownPerDay(from) : QMap<QDate, int>();
    for (auto day = mWaitingShown.cbegin(); day != mWaitingShown.cend(); ++day) {
        if (day.key() >= from)
            days[day.key()] += day.value();
    }
    return days;
}

void LearnerProgress::shown() {
    if (mTooNew)
        return;
    ++mWaitingShown[mClock.today()];
    if (mOpen || !mWaitingAnswers.empty())
        saveWaiting();
}

void LearnerProgress::saveWaiting() {
    if (waitingWrites() > 0 && reachStore())
        writeWaiting();
}

} // namespace parlavo
