#pragma once

#include "lessons/own_lesson_shelf.h"
#include "lessons/review_play.h"

namespace parlavo {

// The learner's own lessons for answers, Review play and the reports, in front of the built-in lessons, which answer
// for every other sentence. An own sentence is keyed by its lesson's name and its Spanish text. Nothing is read
// until asked for: the lesson that plays comes from the shelf, and the reports read the others as they need them.
class OwnLessonSentences final : public ReviewSentences {
public:
    explicit OwnLessonSentences(OwnLessonShelf& shelf) : mShelf(shelf) {}

    std::vector<ReviewLesson> lessons() const override;
    std::vector<ReviewCandidate> inLessonOrder(const ReviewLesson& lesson) const override;
    SentenceKey keyOf(const Sentence& sentence) const override;
    std::optional<Sentence> sentenceAt(const ReviewCandidate& candidate) const override;
    DescribeSentence describer() const override;

private:
    OwnLessonShelf& mShelf;
    BuiltInSentences mBuiltIn;
};

} // namespace parlavo
