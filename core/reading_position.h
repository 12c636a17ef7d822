#pragma once

namespace parlavo {

// Where sequence play reads next: a lesson and a line in it. Lessons 1 to 17 can be chosen; 18 and 19 replay
// lessons 1 and 2 at the end of the whole course. Every lesson plays lines 1 to kLinesPerLesson; line 0 is
// before its first line and the line after its last is its end: reading starts over or moves on from both.
struct ReadingPosition {
    int lesson = 1;
    int line = 1;
    friend bool operator==(const ReadingPosition&, const ReadingPosition&) = default;
};
inline constexpr int kChoosableLessons = 17;
inline constexpr int kLastLesson = 19;
inline constexpr int kLinesPerLesson = 34;

} // namespace parlavo
