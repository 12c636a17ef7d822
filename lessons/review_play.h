#pragma once

#include "core/settings.h"
#include "lessons/lesson_playback.h"
#include "lessons/review_selection.h"
#include "progress/learner_progress.h"
#include "progress/progress_csv.h"

#include <optional>
#include <vector>

namespace parlavo {

// A lesson as Review play and the reports know it: built-in lesson 1..kChoosableLessons (0: all of them), or the
// learner's own lesson of that name.
struct ReviewLesson {
    int builtIn = 0;
    QString own; // empty for the built-in lessons
    QString name() const;
};

// The sentences answers can be about and Review play chooses from.
class ReviewSentences {
public:
    virtual ~ReviewSentences() = default;
    // Every lesson the reports list, the built-in ones first.
    virtual std::vector<ReviewLesson> lessons() const = 0;
    // The sentences of a lesson, each once, in lesson order.
    virtual std::vector<ReviewCandidate> inLessonOrder(const ReviewLesson& lesson) const = 0;
    // The key of a sentence as it was shown; invalid for one that answers cannot be about.
    virtual SentenceKey keyOf(const Sentence& sentence) const = 0;
    // Nothing when the candidate's lesson can no longer be read.
    virtual std::optional<Sentence> sentenceAt(const ReviewCandidate& candidate) const = 0;
    // What reports show of each sentence; a sentence no longer in any lesson keeps what its key says. The function
    // keeps what it read while it lives, so that a whole report reads each lesson once.
    virtual DescribeSentence describer() const = 0;
};

// The built-in lessons, each line once: lessons 18 and 19 and the lines that fill a short dialogue out to
// kLinesPerLesson are the same sentences again.
class BuiltInSentences final : public ReviewSentences {
public:
    std::vector<ReviewLesson> lessons() const override;
    std::vector<ReviewCandidate> inLessonOrder(const ReviewLesson& lesson) const override;
    SentenceKey keyOf(const Sentence& sentence) const override;
    std::optional<Sentence> sentenceAt(const ReviewCandidate& candidate) const override;
    DescribeSentence describer() const override;
    static SentenceDescription describe(const SentenceKey& key);
};

// The learner's answers and Review play: answers in any play mode go to the learner's progress and, for the lesson
// being reviewed, into the choice of the next sentence.
class ReviewPlay final : public ReviewSource {
public:
    ReviewPlay(LearnerProgress& progress, const Settings& settings, const ReviewSentences& sentences);

    std::optional<Sentence> nextForReview() override;
    // Counts a shown sentence, in any play mode.
    void shown();
    // Records an answer about a shown sentence before returning; false when answers cannot be about it.
    bool answer(const Sentence& sentence, Grade grade);
    LearnerProgress& progress() { return mProgress; }
    const ReviewSentences& sentences() const { return mSentences; }

private:
    ReviewSelection& selection();

    LearnerProgress& mProgress;
    const Settings& mSettings;
    const ReviewSentences& mSentences;
    std::optional<ReviewSelection> mSelection;
    ReviewLesson mSelectionLesson{-1, {}};
};

} // namespace parlavo
