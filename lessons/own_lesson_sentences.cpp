#include "lessons/own_lesson_sentences.h"

#include <QHash>
#include <QSet>

#include <memory>

namespace parlavo {

namespace {

// Where each Spanish text stands in a lesson and what it says in English. The same text twice is one sentence to
// the learner's progress; its first place is where reports show it.
using LessonIndex = QHash<QString, std::pair<int, QString>>;

LessonIndex indexOf(const OwnLesson& lesson) {
    LessonIndex index;
    for (int place = 1; place <= lesson.size(); ++place) {
        LessonLine line = lesson.line(place);
        if (!index.contains(line.spanish))
            index.insert(line.spanish, {place, std::move(line.english)});
    }
    return index;
}

} // namespace

std::vector<ReviewLesson> OwnLessonSentences::lessons() const {
    std::vector<ReviewLesson> all = mBuiltIn.lessons();
    for (const OwnLessonEntry& entry : mShelf.store().list()) {
        if (entry.sentences >= 0)
            all.push_back({0, entry.name});
    }
    return all;
}

std::vector<ReviewCandidate> OwnLessonSentences::inLessonOrder(const ReviewLesson& lesson) const {
    if (lesson.own.isEmpty())
        return mBuiltIn.inLessonOrder(lesson);
    QString error;
    const std::optional<OwnLesson> read = mShelf.store().load(lesson.own, &error);
    if (!read)
        return {};
    std::vector<ReviewCandidate> candidates;
    QSet<QString> seen; // the same text twice is one sentence to the learner's progress
    for (int place = 1; place <= read->size(); ++place) {
        const QString spanish = read->line(place).spanish;
        if (!seen.contains(spanish)) {
            seen.insert(spanish);
            candidates.push_back({SentenceKey::own(lesson.own, spanish), {}, place});
        }
    }
    return candidates;
}

SentenceKey OwnLessonSentences::keyOf(const Sentence& sentence) const {
    if (sentence.ownLesson.isEmpty())
        return mBuiltIn.keyOf(sentence);
    if (sentence.ownPlace < 1 || sentence.text.spanish.trimmed().isEmpty())
        return {};
    return SentenceKey::own(sentence.ownLesson, sentence.text.spanish);
}

std::optional<Sentence> OwnLessonSentences::sentenceAt(const ReviewCandidate& candidate) const {
    if (candidate.key.isBuiltIn())
        return mBuiltIn.sentenceAt(candidate);
    const OwnLesson* lesson = mShelf.lesson(candidate.key.ownLesson);
    if (!lesson || candidate.ownPlace < 1 || candidate.ownPlace > lesson->size())
        return std::nullopt;
    // A lesson imported again since the candidates were made may hold something else at that place.
    LessonLine line = lesson->line(candidate.ownPlace);
    if (line.spanish != candidate.key.spanish)
        return std::nullopt;
    return Sentence{std::move(line), {}, false, candidate.ownPlace, candidate.key.ownLesson};
}

DescribeSentence OwnLessonSentences::describer() const {
    // Each lesson is read the first time a report asks about one of its sentences; one that cannot be read is
    // remembered as such.
    auto read = std::make_shared<QHash<QString, std::optional<LessonIndex>>>();
    return [this, read](const SentenceKey& key) -> SentenceDescription {
        if (key.isBuiltIn())
            return BuiltInSentences::describe(key);
        auto at = read->find(key.ownLesson);
        if (at == read->end()) {
            QString error;
            const std::optional<OwnLesson> lesson = mShelf.store().load(key.ownLesson, &error);
            at = read->insert(key.ownLesson, lesson ? std::optional(indexOf(*lesson)) : std::nullopt);
        }
        if (*at) {
            if (const auto found = (*at)->constFind(key.spanish); found != (*at)->cend())
                return {key.ownLesson, found->first, key.spanish, found->second};
        }
        return {key.ownLesson, 0, key.spanish, {}};
    };
}

} // namespace parlavo
