#pragma once

#include "core/reading_position.h"

#include <QString>
#include <QStringList>

namespace parlavo {

// Every dialogue is between two people: speaker 1 opens it, speaker 2 answers. One is a woman and the other a man,
// so that the bird can read their parts in two clearly different voices that agree with what each says of
// themselves ("encantada", "cansado").
inline constexpr int kFirstSpeaker = 1;
inline constexpr int kSecondSpeaker = 2;

struct LessonLine {
    QString spanish;
    QString english;
    int speaker = kFirstSpeaker;
    bool saidByWoman = false;
};

// The line at a position with lesson 1..kLastLesson and line 1..kLinesPerLesson. A dialogue shorter than
// kLinesPerLesson starts over to fill them; lessons 18 and 19 replay lessons 1 and 2. The lessons are read from
// the resource :/lessons.json on first use; a damaged file is a fault of the build and throws std::runtime_error,
// which the catalogue tests rule out.
const LessonLine& lessonLine(const ReadingPosition& position);

// How many lines built-in lesson 1..kChoosableLessons has as written, before it starts over to fill kLinesPerLesson.
int dialogueLength(int lesson);

// "Entire" (the whole course) followed by the names of lessons 1 to 17.
const QStringList& lessonNames();

} // namespace parlavo
