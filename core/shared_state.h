#pragma once

#include <QString>
#include <QtGlobal>

namespace parlavo {

// The process-wide record of settings and shared counters; windows read and write it directly. The table
// that maps each stored field to its key in the settings file sits beside the store code (settings_io.cpp).
// Check-box fields hold 0 (cleared) or 1 (ticked); a stored value outside that is kept as it is.
struct SharedState {
    qint16 languageOrder = 0;       // 1: Spanish first, then English; anything else: English first
    qint16 timesPerSentence = 0;    // display cycles per sentence
    qint16 englishSeconds = 0;      // seconds of the English phase
    qint16 spanishSeconds = 0;      // seconds of the Spanish phase
    qint16 inSequence = 0;          // nonzero: lessons in sequence; 0: at random
    qint16 saveReadingPosition = 0; // 1: keep the reading position when the program ends
    qint16 saveSettingsOnClose = 0; // nonzero: write the settings when the settings dialog closes
    qint16 autoHide = 0;            // nonzero: the strip collapses while the pointer is elsewhere
    qint16 readAloud = 0;           // 1: the character reads each Spanish line aloud
    qint16 lesson = 0;              // chosen lesson, 0 (the whole course) to 17
    qint16 readingPosition = 0;     // in sequence play, the id of the next sentence
    qint16 red = 0;                 // carried along, read by nothing
    qint16 startAtLogOn = 0;        // nonzero: the program starts when the user logs on
    QString firstRunMarker;         // empty until the first run has written the defaults
    qint16 introCountdown = 0;      // start-up countdown in ticks of the strip's 60 ms pointer timer
    qint16 speechRate = 0;          // words a minute the bird speaks at, 80..300
    qint16 stepAsideForFilms = 0;   // nonzero: the strip steps aside while the desktop is kept from blanking
    qint16 cycleTick = 0;           // ticks of the playback timer within the current display cycle
    qint16 cyclesShown = 0;         // completed display cycles of the current sentence
    qint16 cyclePhase = 0;          // phase 0..4 of the current display cycle
};

} // namespace parlavo
