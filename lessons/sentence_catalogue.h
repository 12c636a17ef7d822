#pragma once

#include <QString>
#include <QStringList>

#include <stdexcept>

namespace parlavo {

// Sentence ids: line i of lesson g is 10000 + 100 g + i in Spanish and 10000 more in English.
// Every lesson plays 34 lines; a dialogue shorter than that starts over to fill them.
inline constexpr int kFirstSentenceId = 10000;
inline constexpr int kIdsPerLesson = 100;
inline constexpr int kEnglishOffset = 10000;
inline constexpr int kLinesPerLesson = 34;
// Lessons 1 to 17 can be chosen; 18 and 19 replay lessons 1 and 2 at the end of the whole course.
inline constexpr int kChoosableLessons = 17;
inline constexpr int kLastLesson = 19;

class SentenceNotFound : public std::runtime_error {
public:
    explicit SentenceNotFound(int id);
    int id() const { return mId; }

private:
    int mId;
};

// Every dialogue is between two people: speaker 1 opens it, speaker 2 answers.
inline constexpr int kFirstSpeaker = 1;
inline constexpr int kSecondSpeaker = 2;
// What sentenceSpeaker() gives for the note under kFirstSentenceId: it is shown, but nobody in a dialogue says it.
inline constexpr int kNoSpeaker = 0;

// The lessons are read from the resource :/lessons.json on first use; a damaged file throws
// std::runtime_error from the functions below, which the catalogue tests rule out for the build.

// The text stored under a sentence id. Throws SentenceNotFound for an id with no entry.
QString sentenceText(int id);

// Who says the sentence: kFirstSpeaker or kSecondSpeaker, the same for an English id as for its Spanish line
// and for a repeated line as for the line it repeats; kNoSpeaker for the note.
// Throws SentenceNotFound for an id with no entry.
int sentenceSpeaker(int id);

// "Entire" (the whole course) followed by the names of lessons 1 to 17.
const QStringList& lessonNames();

} // namespace parlavo
