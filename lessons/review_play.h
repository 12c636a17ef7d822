#pragma once

#include "core/settings.h"
#include "lessons/lesson_playback.h"
#include "lessons/review_selection.h"
#include "progress/learner_progress.h"
#include "progress/progress_csv.h"

#include <optional>
#include <vector>

namespace parlavo {

// The sentences answers can be about and Review play chooses from. Own lessons join through another
// implementation of the same interface.
class ReviewSentences {
public:
    virtual ~ReviewSentences() = default;
    // The sentences of a lesson, or of all lessons for lesson 0, each once, in lesson order.
    virtual std::vector<ReviewCandidate> inLessonOrder(int lesson) const = 0;
    // The key of a sentence as it was shown; invalid for one that answers cannot be about.
    virtual SentenceKey keyOf(const Sentence& sentence) const = 0;
    virtual Sentence sentenceAt(const ReviewCandidate& candidate) const = 0;
    // What reports show of a sentence; a sentence no longer in any lesson keeps what its key says.
    virtual SentenceDescription describe(const SentenceKey& key) const = 0;
};

// The built-in lessons, each line once: lessons 18 and 19 and the lines that fill a short dialogue out to
// kLinesPerLesson are the same sentences again.
class BuiltInSentences final : public ReviewSentences {
public:
    std::vector<ReviewCandidate> inLessonOrder(int lesson) const override;
    SentenceKey keyOf(const Sentence& sentence) const override;
    Sentence sentenceAt(const ReviewCandidate& candidate) const override;
    SentenceDescription describe(const SentenceKey& key) const override;
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
    const LearnerProgress& progress() const { return mProgress; }
    const ReviewSentences& sentences() const { return mSentences; }

private:
    ReviewSelection& selection();

    LearnerProgress& mProgress;
    const Settings& mSettings;
    const ReviewSentences& mSentences;
    std::optional<ReviewSelection> mSelection;
    int mSelectionLesson = -1;
};

} // namespace parlavo
