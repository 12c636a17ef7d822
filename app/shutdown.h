#pragma once

class QGuiApplication;

namespace parlavo {

class CaptionStrip;

// Ends the program the way the Exit command does: saves "voice", "left" and, when configured, the
// reading position, then leaves the event loop with status 0. No window's closing handler runs, so
// nothing else is saved. The termination signals end the program through here too.
void shutDown(CaptionStrip& strip);

// Follows the desktop session. A session manager asks the program to save for checkpoints and for
// log-outs the user may still cancel: it saves as at exit and keeps running. The session's real end
// arrives as the toolkit quitting the event loop: it saves then, unless shutDown already has.
void followSession(QGuiApplication& app, CaptionStrip& strip);

} // namespace parlavo
