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
// running program and written to the store before they are acknowledged. The store is opened only when something
// needs it (an answer, Review play, a report), so that a learner who only listens never loads the database: until
// then shown sentences are counted in memory and saved by saveWaiting(). When the store cannot be written, answers
// and shown sentences wait in memory and go in order at the next answer or shown sentence that finds it writable;
// the user is told once. A store from a newer version is never written, and review is then off.
class LearnerProgress {
public:
    LearnerProgress(ProgressStore& store, const CalendarClock& clock, ProgressMessages& messages);

    // Records an answer about a sentence and returns its new state. Returns once the answer is in the store, or
    // waiting in memory when the store cannot take it.
    MemoryState answer(const SentenceKey& sentence, Grade grade);
    // Counts a sentence shown today; written at once when the store is open already or answers wait for it.
    void shown();
    // Writes whatever waits in memory, opening the store if need be: at exit and when the session saves.
    void saveWaiting();

    // These read the store, opening it first; the user is told then of anything wrong with it.
    bool reviewAvailable();
    // Every answered sentence's current state.
    const QHash<SentenceKey, MemoryState>& states();
    // Every answer and the shown sentences per day from `from` on, with those still waiting for the store.
    std::vector<AnswerRecord> answers();
    QMap<QDate, int> shownPerDay(const QDate& from);
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
