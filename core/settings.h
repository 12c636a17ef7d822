#pragma once

#include "core/reading_position.h"

#include <QDateTime>
#include <QKeySequence>
#include <QString>

#include <array>

namespace parlavo {

enum class LanguageOrder { SpanishFirst, EnglishFirst };

// One of the user's own lessons chosen to play instead of the built-in choice, which stays as it was, and where
// sequence play reads next in it: a place from 1; 0 and places past its end start it over.
struct OwnLessonChoice {
    QString name; // empty: the built-in lessons play
    int place = 0;
    friend bool operator==(const OwnLessonChoice&, const OwnLessonChoice&) = default;
};

// The commands a key can start from any window, in the order of Settings::shortcuts. A new one is a row here, its key
// in the file (settings_io.cpp) and what it does and is called (app/global_shortcuts.cpp); the build checks the rows.
enum class Command { RepeatSentence, PauseOrResume, KnewIt, DidNotKnowIt };
inline constexpr std::size_t kCommandCount = 4;

inline constexpr std::array<int, 3> kTextScales = {100, 125, 150}; // normal, large, larger

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
