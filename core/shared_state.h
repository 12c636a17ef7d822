#pragma once

#include <QString>
#include <QtGlobal>

namespace parlavo {

// The process-wide record of settings and shared counters. Fields carry the names of their settings
// keys; windows read and write them directly. Check-box fields hold 0 (cleared) or 1 (ticked).
struct SharedState {
    qint16 ce = 0;         // 1: Spanish first, then English; anything else: English first
    qint16 n = 0;          // display cycles per sentence
    qint16 ctime = 0;      // seconds of the English phase
    qint16 etime = 0;      // seconds of the Spanish phase
    qint16 rd = 0;         // nonzero: in sequence; 0: at random
    qint16 psave = 0;      // 1: save the reading position at exit
    qint16 ssave = 0;      // nonzero: write the settings when the settings dialog closes
    qint16 visi = 0;       // nonzero: auto-hide
    qint16 voice = 0;      // 1: the character reads each Spanish line aloud
    qint16 guage = 0;      // chosen lesson, 0 ("Entire") to 17
    qint16 guagen = 0;     // reading position in sequence play: the id of the next sentence
    qint16 red = 0;        // carried along, read by nothing
    qint16 mark = 0;       // nonzero: start at log-on
    QString xxx;           // first-run marker as read from the store
    qint16 introcount = 0; // start-up countdown in ticks of the caption window's 60 ms timer
    qint16 sspeed = 0;     // carried along, read by nothing
    qint16 tickcount = 0;  // ticks of the playback timer within the current display cycle
    qint16 cyclecount = 0; // completed display cycles of the current sentence
    qint16 phase = 0;      // phase 0..4 of the current display cycle
};

} // namespace parlavo
