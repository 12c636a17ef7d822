#include "lessons/sentence_selector.h"

#include "core/integer16.h"

#include <cmath>
#include <utility>

namespace parlavo {

namespace {

// The id of a line within a lesson, reckoned in 16 bits as every id is.
qint16 lessonLineId(int lesson, int line) {
    return add16(add16(mul16(lesson, kIdsPerLesson), kFirstSentenceId), line);
}

// The lesson a reading position falls in; positions before lesson 1 give 0 or less.
double lessonOf(qint16 position) {
    return std::floor(sub16(position, kFirstSentenceId) / static_cast<double>(kIdsPerLesson));
}

double lineOf(qint16 position) {
    return position - std::floor(position / static_cast<double>(kIdsPerLesson)) * kIdsPerLesson;
}

// A random whole number from 0 to count - 1, drawn in single precision.
float drawBelow(RandomSource& random, float count) {
    return std::floor(random.next() * count);
}

} // namespace

SentenceSelector::SentenceSelector(SharedState& state, RandomSource& random, MessageBox& messageBox,
                                   SentenceLookup lookup)
    : mState(state), mRandom(random), mMessageBox(messageBox), mLookup(std::move(lookup)) {}

bool SentenceSelector::selectInto(SentenceSlots current) {
    mErrorTrapped = false;
    const bool inSequence = mState.inSequence != 0;
    const bool wholeCourse = mState.lesson == 0;
    if (!inSequence && !wholeCourse)
        pickFromLesson(current);
    else if (!inSequence)
        pickFromCourse(current);
    else if (!wholeCourse)
        readOnInLesson(current);
    else
        readOnThroughCourse(current);
    return inSequence;
}

void SentenceSelector::pickFromLesson(SentenceSlots current) {
    mRandom.reseedFromClock();
    const float line = drawBelow(mRandom, kLinesPerLesson);
    trapped([&] { current.randomId = toInteger16(line + lessonLineId(mState.lesson, 0) + 1.0f); });
    loadAndReport(current.randomId, current);
}

// The line and the lesson come from separate draws, so every lesson of the course can come up.
void SentenceSelector::pickFromCourse(SentenceSlots current) {
    mRandom.reseedFromClock();
    const float line = drawBelow(mRandom, kLinesPerLesson) + 1.0f;
    mRandom.reseedFromClock();
    const float lesson = drawBelow(mRandom, kChoosableLessons) + 1.0f;
    trapped([&] { current.randomId = toInteger16(kFirstSentenceId + kIdsPerLesson * lesson + line); });
    loadAndReport(current.randomId, current);
}

void SentenceSelector::readOnInLesson(SentenceSlots current) {
    const qint16 lesson = mState.lesson;
    if (lessonOf(mState.readingPosition) != lesson) {
        mState.readingPosition = lessonLineId(lesson, 1);
    } else {
        trapped([&] {
            if (mState.readingPosition > lessonLineId(lesson, kLinesPerLesson))
                mState.readingPosition = lessonLineId(lesson, 1);
        });
        // A fresh install stores line 0 of the lesson, which holds no text.
        trapped([&] {
            if (mState.readingPosition == lessonLineId(lesson, 0))
                mState.readingPosition = lessonLineId(lesson, 1);
        });
    }
    loadAndReport(mState.readingPosition, current);
    trapped([&] { mState.readingPosition = add16(mState.readingPosition, 1); });
}

void SentenceSelector::readOnThroughCourse(SentenceSlots current) {
    trapped([&] {
        if (lineOf(mState.readingPosition) > kLinesPerLesson) // on to line 1 of the next lesson
            mState.readingPosition =
                toInteger16((lessonOf(mState.readingPosition) + 1) * kIdsPerLesson + kFirstSentenceId + 1);
    });
    // Line 0 of a lesson holds no text; reading goes on with its line 1.
    trapped([&] {
        if (lineOf(mState.readingPosition) == 0)
            mState.readingPosition = add16(mState.readingPosition, 1);
    });
    // After the last line of the last lesson the course starts over.
    trapped([&] {
        if (lessonOf(mState.readingPosition) > kLastLesson)
            mState.readingPosition = lessonLineId(1, 1);
    });
    loadAndReport(mState.readingPosition, current);
    trapped([&] { mState.readingPosition = add16(mState.readingPosition, 1); });
}

void SentenceSelector::loadAndReport(int id, SentenceSlots current) {
    trapped([&] {
        current.spanish = mLookup(id);
        mSpanishId = id;
    });
    trapped([&] { current.english = mLookup(add16(id, kEnglishOffset)); });
    if (std::exchange(mErrorTrapped, false))
        mMessageBox.show(QStringLiteral("Parlavo"), QString::number(id));
}

} // namespace parlavo
