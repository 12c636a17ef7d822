#pragma once

#include <QString>

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

enum class LanguageOrder { SpanishFirst, EnglishFirst };

// One of the user's own lessons chosen to play instead of the built-in choice, which stays as it was, and where
// sequence play reads next in it: a place from 1; 0 and places past its end start it over.
struct OwnLessonChoice {
    QString name; // empty: the built-in lessons play
    int place = 0;
    friend bool operator==(const OwnLessonChoice&, const OwnLessonChoice&) = default;
};

// Everything the user can set, and the reading position, as the program works with them. Only the store code
// (settings_io.cpp) knows how the settings file spells them.
struct Settings {
    LanguageOrder languageOrder = LanguageOrder::SpanishFirst;
    int timesPerSentence = 2; // display cycles per sentence, 1..12
    int spanishSeconds = 5;   // 5..15
    int englishSeconds = 3;   // 3..15
    bool inSequence = false;  // lessons in sequence, or at random
    // Review play, which chooses by what the learner knows. inSequence is set with it, so that a version without
    // Review play reads the lessons in sequence instead.
    bool review = false;
    bool saveReadingPosition = true;
    bool saveSettingsOnClose = true;
    bool autoHide = false;
    bool readAloud = true;
    int lesson = 1; // 1..17, or 0 for the whole course
    ReadingPosition readingPosition{10, 0};
    OwnLessonChoice ownLesson;
    bool startAtLogOn = false;
    int speechRate = 150; // words a minute, 80..300
    bool stepAsideForFilms = true;
    int stripLeft = 0; // the strip's left edge on the screen, in pixels

    // In sequence play with position saving on, the reading position is kept across runs.
    bool keepsReadingPosition() const { return saveReadingPosition && inSequence; }
};

// The widest the strip's left edge may be from the screen's left: up to the right edge of its menu picture, so
// the menu, and with it Exit, stays reachable.
inline constexpr int kStripKeptOnScreen = 474;
inline int clampStripLeft(int left, int screenWidth) {
    left = left < 0 ? 0 : left;
    return left + kStripKeptOnScreen > screenWidth ? screenWidth - kStripKeptOnScreen : left;
}

} // namespace parlavo
