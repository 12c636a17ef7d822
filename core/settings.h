#pragma once

#include <QDateTime>
#include <QKeySequence>

#include <array>

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

// The commands a key can start from any window, in the order of Settings::shortcuts. A new one is a row here, its key
// in the file (settings_io.cpp) and what it does and is called (app/global_shortcuts.cpp); the build checks the rows.
enum class Command { RepeatSentence, PauseOrResume };
inline constexpr std::size_t kCommandCount = 2;

inline constexpr std::array<int, 3> kTextScales = {100, 125, 150}; // normal, large, larger

// Everything the user can set, and the reading position, as the program works with them. Only the store code
// (settings_io.cpp) knows how the settings file spells them.
struct Settings {
    LanguageOrder languageOrder = LanguageOrder::SpanishFirst;
    int timesPerSentence = 2; // display cycles per sentence, 1..12
    int spanishSeconds = 5;   // 5..15
    int englishSeconds = 3;   // 3..15
    bool inSequence = false;  // lessons in sequence, or at random
    bool saveReadingPosition = true;
    bool saveSettingsOnClose = true;
    bool autoHide = false;
    bool readAloud = true;
    int lesson = 1; // 1..17, or 0 for the whole course
    ReadingPosition readingPosition{10, 0};
    bool startAtLogOn = false;
    int speechRate = 150; // words a minute, 80..300
    bool stepAsideForFilms = true;
    int stripLeft = 0;     // the strip's left edge from its monitor's left edge, in pixels
    QString stripMonitor;  // the name of the monitor the strip stands on; the primary one when empty or gone
    QDateTime pausedUntil; // when a pause ends; invalid while the lessons play
    std::array<QKeySequence, kCommandCount> shortcuts; // by Command; an empty sequence is none
    int textScale = 100; // per cent of the normal caption text and strip height: one of kTextScales

    // In sequence play with position saving on, the reading position is kept across runs.
    bool keepsReadingPosition() const { return saveReadingPosition && inSequence; }
};

// The widest the strip's left edge may be from its monitor's left: up to the right edge of its menu picture, so
// the menu, and with it Exit, stays reachable.
inline constexpr int kStripKeptOnScreen = 474;
inline int clampStripLeft(int left, int monitorWidth) {
    left = left < 0 ? 0 : left;
    return left + kStripKeptOnScreen > monitorWidth ? monitorWidth - kStripKeptOnScreen : left;
}

} // namespace parlavo
