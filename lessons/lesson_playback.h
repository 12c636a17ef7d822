#pragma once

#include "core/desktop_services.h"
#include "core/settings.h"
#include "lessons/own_lesson_shelf.h"
#include "lessons/sentence_catalogue.h"

#include <optional>

namespace parlavo {

// A sentence handed out for showing: its texts and speaker, where it stands in the lessons, and whether sequence
// play read it (the caption lines then also offer it whole as their tooltips).
struct Sentence {
    LessonLine text;
    ReadingPosition position; // of a built-in line
    bool readInSequence = false;
    int ownPlace = 0;    // of a line of the user's own lesson, from 1; 0 for a built-in line
    QString ownLesson{}; // that lesson's name, which answers are kept under
};

// The caption window as the display cycle drives it.
class PlaybackView {
public:
    virtual ~PlaybackView() = default;
    virtual void showSentence(const Sentence& sentence) = 0;
    virtual void startSpanishEntry() = 0;
    virtual void startEnglishRise() = 0;
    virtual void blankSpanish() = 0;
    // Blanks the English line and puts it back below the strip, ready for the next rise.
    virtual void clearEnglish() = 0;
    // The bird reads the current Spanish line aloud and waves.
    virtual void speak() = 0;
};

// Chooses the sentences of Review play; empty when it has none to offer, and playback then reads on in sequence.
class ReviewSource {
public:
    virtual ~ReviewSource() = default;
    virtual std::optional<Sentence> nextForReview() = 0;
};

// Lesson playback: which sentence comes next, in sequence from the reading position (which it moves on) or at
// random, from the chosen own lesson when there is one that can be read and otherwise from the built-in ones, and
// the timed display cycle that shows each one. A cycle shows the Spanish line for the Spanish seconds
// and the English one for the English seconds, in the chosen order, both counted from the cycle's first 100 ms
// tick; a new sentence is handed out at the first tick after the chosen number of cycles. A stopped timer resumes
// where it was.
class LessonPlayback {
public:
    LessonPlayback(Settings& settings, RandomSource& random, OwnLessonShelf& ownLessons);

    // Review play chooses through `review` once it is set.
    void setReviewSource(ReviewSource* review) { mReview = review; }
    // Chooses the next sentence.
    Sentence next();
    // One 100 ms tick of the display cycle.
    void tick(PlaybackView& view);
    // The next tick begins a cycle.
    void restartCycle();
    int cyclesShown() const { return mCyclesShown; }

private:
    enum class Phase { Begin, FirstLanguage, Switch, SecondLanguage, End };

    Sentence nextOwn(const OwnLesson& lesson);
    ReadingPosition readOnInLesson();
    ReadingPosition readOnThroughCourse();
    ReadingPosition drawAtRandom();
    bool firstLanguageOver(int firstSeconds) const;
    bool secondLanguageOver(int firstSeconds) const;
    void stepSpanishFirst(PlaybackView& view);
    void stepEnglishFirst(PlaybackView& view);
    void endCycle();

    Settings& mSettings;
    RandomSource& mRandom;
    OwnLessonShelf& mOwnLessons;
    ReviewSource* mReview = nullptr;
    int mTick = 0; // ticks within the current cycle
    int mCyclesShown = 0;
    Phase mPhase = Phase::Begin;
};

} // namespace parlavo
