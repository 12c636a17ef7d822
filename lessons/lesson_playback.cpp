#include "lessons/lesson_playback.h"

#include <cmath>

namespace parlavo {

namespace {

constexpr int kTicksPerSecond = 10;

// A whole number from 0 to count - 1, drawn in single precision.
int drawBelow(RandomSource& random, int count) {
    return static_cast<int>(std::floor(random.next() * static_cast<float>(count)));
}

} // namespace

LessonPlayback::LessonPlayback(Settings& settings, RandomSource& random, OwnLessonShelf& ownLessons)
    : mSettings(settings), mRandom(random), mOwnLessons(ownLessons) {}

Sentence LessonPlayback::next() {
    if (mSettings.review && mReview) {
        if (std::optional<Sentence> chosen = mReview->nextForReview())
            return *chosen;
    }
    if (!mSettings.ownLesson.name.isEmpty())
        if (const OwnLesson* lesson = mOwnLessons.lesson(mSettings.ownLesson.name))
            return nextOwn(*lesson);
    if (!mSettings.inSequence) {
        const ReadingPosition drawn = drawAtRandom();
        return {lessonLine(drawn), drawn, false};
    }
    const ReadingPosition read = mSettings.lesson == 0 ? readOnThroughCourse() : readOnInLesson();
    mSettings.readingPosition = {read.lesson, read.line + 1};
    return {lessonLine(read), read, true};
}

// As in a built-in lesson: reading starts over after the last line and wherever the place is not in the lesson.
Sentence LessonPlayback::nextOwn(const OwnLesson& lesson) {
    if (!mSettings.inSequence) {
        mRandom.reseedFromClock();
        const int drawn = drawBelow(mRandom, lesson.size()) + 1;
        return {lesson.line(drawn), mSettings.readingPosition, false, drawn, mSettings.ownLesson.name};
    }
    int& place = mSettings.ownLesson.place;
    const int read = place < 1 || place > lesson.size() ? 1 : place;
    place = read + 1;
    return {lesson.line(read), mSettings.readingPosition, true, read, mSettings.ownLesson.name};
}

// Reading starts over at the lesson's first line after its last, and at it when the position is elsewhere.
ReadingPosition LessonPlayback::readOnInLesson() {
    const ReadingPosition& at = mSettings.readingPosition;
    if (at.lesson != mSettings.lesson || at.line < 1 || at.line > kLinesPerLesson)
        return {mSettings.lesson, 1};
    return at;
}

// After a lesson's last line comes the next lesson's first, and after the last lesson the course starts over.
ReadingPosition LessonPlayback::readOnThroughCourse() {
    ReadingPosition at = mSettings.readingPosition;
    if (at.line > kLinesPerLesson)
        at = {at.lesson + 1, 1};
    if (at.line < 1)
        at.line = 1;
    if (at.lesson > kLastLesson)
        at = {1, 1};
    return at;
}

// Every draw comes from a fresh seed; the whole course draws the line and then the lesson, so every lesson can
// come up.
ReadingPosition LessonPlayback::drawAtRandom() {
    mRandom.reseedFromClock();
    const int line = drawBelow(mRandom, kLinesPerLesson) + 1;
    if (mSettings.lesson != 0)
        return {mSettings.lesson, line};
    mRandom.reseedFromClock();
    return {drawBelow(mRandom, kChoosableLessons) + 1, line};
}

void LessonPlayback::restartCycle() {
    mTick = 0;
    mPhase = Phase::Begin;
}

void LessonPlayback::tick(PlaybackView& view) {
    ++mTick;
    if (mCyclesShown >= mSettings.timesPerSentence) {
        mCyclesShown = 0;
        view.showSentence(next());
    }
    if (mSettings.languageOrder == LanguageOrder::SpanishFirst)
        stepSpanishFirst(view);
    else
        stepEnglishFirst(view);
}

bool LessonPlayback::firstLanguageOver(int firstSeconds) const {
    return mTick >= kTicksPerSecond * firstSeconds;
}

// The second language stays from the end of the first until both durations are over.
bool LessonPlayback::secondLanguageOver(int firstSeconds) const {
    return mTick < kTicksPerSecond * firstSeconds ||
           mTick > kTicksPerSecond * (mSettings.spanishSeconds + mSettings.englishSeconds);
}

void LessonPlayback::endCycle() {
    ++mCyclesShown;
    restartCycle();
}

void LessonPlayback::stepSpanishFirst(PlaybackView& view) {
    switch (mPhase) {
    case Phase::Begin:
        view.startSpanishEntry();
        view.speak();
        mPhase = Phase::FirstLanguage;
        break;
    case Phase::FirstLanguage:
        if (firstLanguageOver(mSettings.spanishSeconds))
            mPhase = Phase::Switch;
        break;
    case Phase::Switch:
        view.blankSpanish();
        view.startEnglishRise();
        mPhase = Phase::SecondLanguage;
        break;
    case Phase::SecondLanguage:
        if (secondLanguageOver(mSettings.spanishSeconds))
            mPhase = Phase::End;
        break;
    case Phase::End:
        view.clearEnglish();
        endCycle();
        break;
    }
}

void LessonPlayback::stepEnglishFirst(PlaybackView& view) {
    switch (mPhase) {
    case Phase::Begin:
        view.startEnglishRise();
        mPhase = Phase::FirstLanguage;
        break;
    case Phase::FirstLanguage:
        if (firstLanguageOver(mSettings.englishSeconds))
            mPhase = Phase::Switch;
        break;
    case Phase::Switch:
        view.clearEnglish();
        view.startSpanishEntry();
        view.speak();
        mPhase = Phase::SecondLanguage;
        break;
    case Phase::SecondLanguage:
        if (secondLanguageOver(mSettings.englishSeconds))
            mPhase = Phase::End;
        break;
    case Phase::End:
        view.blankSpanish();
        endCycle();
        break;
    }
}

} // namespace parlavo
