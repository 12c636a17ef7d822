#pragma once

#include "progress/memory_model.h"
#include "progress/sentence_key.h"

#include <QDate>
#include <QHash>
#include <QMap>

#include <vector>

namespace parlavo {

struct AnswerRecord {
    SentenceKey sentence;
    Grade grade = Grade::Good;
    MemoryState after; // after.lastAnswer is the time of the answer, in UTC
};

// Where answers and shown sentences are kept across runs. Every write is durable when it returns true: a process
// killed right after it loses nothing. A false return leaves the store as it was.
class ProgressStore {
public:
    enum class Opening {
        Ready,
        ReplacedDamaged, // a damaged store was set aside under setAsideName() and a fresh one started
        TooNew,          // written by a newer version: left untouched, and nothing may be written to it
        Unavailable,     // cannot be opened or written now (no folder, no space); worth trying again later
    };

    virtual ~ProgressStore() = default;
    // May be called again after Unavailable.
    virtual Opening open() = 0;
    virtual QString setAsideName() const = 0;
    // Adds the answer and makes its state the sentence's current one, as one transaction.
    virtual bool recordAnswer(const AnswerRecord& answer) = 0;
    // Adds `count` shown sentences to a local day's tally.
    virtual bool addShown(const QDate& day, int count) = 0;
    virtual QHash<SentenceKey, MemoryState> currentStates() = 0;
    // Every answer, oldest first.
    virtual std::vector<AnswerRecord> answers() = 0;
    // Shown sentences per local day, from `from` on.
    virtual QMap<QDate, int> shownPerDay(const QDate& from) = 0;
};

} // namespace parlavo
