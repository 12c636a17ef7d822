#pragma once

namespace parlavo {

class CaptionStrip;

// Ends the program the way the Exit command does: saves "voice", "left" and, when configured, the
// reading position, then leaves the event loop with status 0. No window's closing handler runs, so
// nothing else is saved. A log-out and the termination signals end the program through here too.
void shutDown(CaptionStrip& strip);

} // namespace parlavo
