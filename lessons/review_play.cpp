#include "lessons/review_play.h"

#include "lessons/sentence_catalogue.h"

namespace parlavo {

QString ReviewLesson::name() const {
    return own.isEmpty() ? lessonNames().value(builtIn) : own;
}

std::vector<ReviewLesson> BuiltInSentences::lessons() const {
    std::vector<ReviewLesson> all;
    for (int lesson = 1; lesson <= kChoosableLessons; ++lesson)
        all.push_back({lesson, {}});
    return all;
}

std::vector<ReviewCandidate> BuiltInSentences::inLessonOrder(const ReviewLesson& lesson) const {
    if (!lesson.own.isEmpty())
        return {};
    const int first = lesson.builtIn == 0 ? 1 : lesson.builtIn;
    const int last = lesson.builtIn == 0 ? kChoosableLessons : lesson.builtIn;
    std::vector<ReviewCandidate> candidates;
    for (int at = first; at <= last; ++at) {
        for (int line = 1; line <= dialogueLength(at); ++line)
            candidates.push_back({SentenceKey::builtIn(at, line), {at, line}});
    }
    return candidates;
}

SentenceKey BuiltInSentences::keyOf(const Sentence& sentence) const {
    const ReadingPosition& at = sentence.position;
    if (at.lesson < 1 || at.lesson > kLastLesson || at.line < 1 || at.line > kLinesPerLesson ||
        sentence.text.spanish.trimmed().isEmpty())
        return {};
    const int lesson = at.lesson > kChoosableLessons ? at.lesson - kChoosableLessons : at.lesson;
    return SentenceKey::builtIn(lesson, (at.line - 1) % dialogueLength(lesson) + 1);
}

std::optional<Sentence> BuiltInSentences::sentenceAt(const ReviewCandidate& candidate) const {
    return Sentence{lessonLine(candidate.position), candidate.position, false};
}

DescribeSentence BuiltInSentences::describer() const {
    return &BuiltInSentences::describe;
}

SentenceDescription BuiltInSentences::describe(const SentenceKey& key) {
    if (!key.isBuiltIn() || key.lesson > kChoosableLessons || key.line > dialogueLength(key.lesson))
        return {key.ownLesson, 0, key.spanish, {}};
    const LessonLine& line = lessonLine({key.lesson, key.line});
    return {lessonNames().value(key.lesson), key.line, line.spanish, line.english};
}

ReviewPlay::ReviewPlay(LearnerProgress& progress, const Settings& settings, const ReviewSentences& sentences)
    : mProgress(progress), mSettings(settings), mSentences(sentences) {}

// The choice is built afresh when another lesson is chosen; a run's history belongs to the lesson it was in.
ReviewSelection& ReviewPlay::selection() {
    const ReviewLesson chosen{mSettings.lesson, mSettings.ownLesson.name};
    if (!mSelection || mSelectionLesson.builtIn != chosen.builtIn || mSelectionLesson.own != chosen.own) {
        mSelection.emplace(mSentences.inLessonOrder(chosen), mProgress.states());
        mSelectionLesson = chosen;
    }
    return *mSelection;
}

std::optional<Sentence> ReviewPlay::nextForReview() {
    if (!mProgress.reviewAvailable())
        return std::nullopt;
    const ReviewCandidate* chosen = selection().next(mProgress.clock().today());
    if (!chosen)
        return std::nullopt;
    std::optional<Sentence> sentence = mSentences.sentenceAt(*chosen);
    // The lesson changed on disk (imported again, or removed): the choice is made afresh from it next time.
    if (!sentence)
        mSelection.reset();
    return sentence;
}

void ReviewPlay::shown() {
    mProgress.shown();
}

bool ReviewPlay::answer(const Sentence& sentence, Grade grade) {
    const SentenceKey key = mSentences.keyOf(sentence);
    if (!key.isValid())
        return false;
    const MemoryState after = mProgress.answer(key, grade);
    if (mSelection)
        mSelection->answered(key, after, grade);
    return true;
}

} // namespace parlavo
