#pragma once

#include "core/desktop_services.h"
#include "core/shared_state.h"
#include "lessons/sentence_catalogue.h"

#include <QString>

#include <exception>
#include <functional>

namespace parlavo {

using SentenceLookup = std::function<QString(int id)>;

// Where a chosen sentence goes: the caption window's current texts and the id of its last random pick.
struct SentenceSlots {
    QString& spanish;
    QString& english;
    qint16& randomId;
};

// Chooses the next sentence from the lesson and play order in the shared state: at random, or in
// sequence from the reading position `readingPosition`, which it then moves on. Ids and lessons are 16-bit
// numbers; an overflow or an id without text after the path's error trap is set costs that step only
// and ends in one message box naming the id; an overflow before the trap is the caller's.
class SentenceSelector {
public:
    SentenceSelector(SharedState& state, RandomSource& random, MessageBox& messageBox,
                     SentenceLookup lookup = sentenceText);

    // Returns true for a sentence read in sequence, which the caption labels also show as tooltips.
    bool selectInto(SentenceSlots current);
    // The id the Spanish line was last read from, or 0 before one was.
    int spanishId() const { return mSpanishId; }

private:
    void pickFromLesson(SentenceSlots current);
    void pickFromCourse(SentenceSlots current);
    void readOnInLesson(SentenceSlots current);
    void readOnThroughCourse(SentenceSlots current);
    void loadAndReport(int id, SentenceSlots current);

    // A step after the trap is set: if it throws, it has no effect beyond being reported later.
    template <typename Step> void trapped(Step&& step) {
        try {
            step();
        } catch (const std::exception&) {
            mErrorTrapped = true;
        }
    }

    SharedState& mState;
    RandomSource& mRandom;
    MessageBox& mMessageBox;
    SentenceLookup mLookup;
    bool mErrorTrapped = false;
    int mSpanishId = 0;
};

} // namespace parlavo
