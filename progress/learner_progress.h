#pragma once

#include "progress/calendar_clock.h"
#include "progress/memory_model.h"
#include "progress/progress_store.h"

#include <QHash>
#include <QString>

#include <vector>

namespace parlavo {

// Tells the user something about their progress that they should know, such as answers not being saved.
class ProgressMessages {
public:
    virtual ~ProgressMessages() = default;
    virtual void tell(const QString& text) = 0;
};

// What the learner knows, sentence by sentence: answers are scheduled by the memory model, kept in memory for the
// running program and written to the store before they are acknowledged. When the store cannot be written, answers
// and shown sentences wait in memory and go in order at the next answer or shown sentence that finds it writable;
// the user is told once. A store from a newer version is never written, and review is then off.
class LearnerProgress {
public:
    LearnerProgress(ProgressStore& store, const CalendarClock& clock, ProgressMessages& messages);

    // Opens the store and reads what it knows; tells the user of anything wrong with it.
    void start();
    // Records an answer about a sentence and returns its new state. Returns once the answer is in the store, or
    // waiting in memory when the store cannot take it.
    MemoryState answer(const SentenceKey& sentence, Grade grade);
    // Counts a sentence shown today.
    void shown();

    bool reviewAvailable() const { return !mTooNew; }
    // Every answered sentence's current state.
    const QHash<SentenceKey, MemoryState>& states() const { return mStates; }
    // Every answer and the shown sentences per day from `from` on, with those still waiting for the store.
    std::vector<AnswerRecord> answers() const;
    QMap<QDate, int> shownPerDay(const QDate& from) const;
    int waitingWrites() const { return static_cast<int>(mWaitingAnswers.size()) + mWaitingShown.size(); }
    const CalendarClock& clock() const { return mClock; }

private:
    bool reachStore();
    void writeWaiting();

    ProgressStore& mStore;
    const CalendarClock& mClock;
    ProgressMessages& mMessages;
    MemoryModel mModel{mClock};
    QHash<SentenceKey, MemoryState> mStates;
    std::vector<AnswerRecord> mWaitingAnswers;
    QHash<QDate, int> mWaitingShown;
    bool mOpen = false;
    bool mTooNew = false;
    bool mToldUnwritable = false;
};

} // namespace parlavo
