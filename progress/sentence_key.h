#pragma once

#include <QHash>
#include <QString>

namespace parlavo {

// Which sentence an answer is about. A built-in sentence is its lesson (1..17) and its line in the dialogue as
// written (1-based); a sentence of the learner's own lesson is the lesson's name and its Spanish text, so that
// importing the lesson again, even reordered, keeps what was learnt.
struct SentenceKey {
    int lesson = 0; // built-in lessons only; 0 for an own lesson
    int line = 0;
    QString ownLesson;
    QString spanish;

    static SentenceKey builtIn(int lesson, int line) { return {lesson, line, {}, {}}; }
    static SentenceKey own(const QString& lessonName, const QString& spanish) { return {0, 0, lessonName, spanish}; }
    bool isBuiltIn() const { return ownLesson.isEmpty(); }
    bool isValid() const { return isBuiltIn() ? lesson > 0 && line > 0 : !spanish.isEmpty(); }
    friend bool operator==(const SentenceKey&, const SentenceKey&) = default;
};

inline size_t qHash(const SentenceKey& key, size_t seed = 0) {
    return qHashMulti(seed, key.lesson, key.line, key.ownLesson, key.spanish);
}

} // namespace parlavo
