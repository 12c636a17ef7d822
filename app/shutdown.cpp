#include "app/shutdown.h"

#include "app/caption_strip.h"

#include <QCoreApplication>

namespace parlavo {

void shutDown(CaptionStrip& strip) {
    strip.pointerTimer.stop();
    strip.playbackTimer.stop();
    strip.saveAtExit();
    QCoreApplication::exit(0);
}

} // namespace parlavo
