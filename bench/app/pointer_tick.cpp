// Counts the instructions of pointerTimer ticks after the intro, with the strip open or collapsed, on the
// real window system. Run under valgrind --tool=callgrind --collect-atstart=no (see pointer_tick.sh).
#include "bench/app/strip_without_bird.h"

#include <QApplication>
#include <QCursor>

#include <valgrind/callgrind.h>

#include <cstdio>
#include <cstring>

using namespace parlavo;

namespace {

constexpr int kMeasuredTicks = 100;

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const bool collapsed = argc > 1 && std::strcmp(argv[1], "collapsed") == 0;
    StripWithoutBird program;
    CaptionStrip& strip = program.strip;
    strip.start();
    program.settings.autoHide = true;
    // Over the strip keeps it open; far below it lets it collapse.
    QCursor::setPos(collapsed ? QPoint(100, 600) : QPoint(900, 10));
    for (int i = 0; i < 80; ++i) {
        strip.onPointerTick();
        QCoreApplication::processEvents();
    }

    CALLGRIND_TOGGLE_COLLECT;
    for (int i = 0; i < kMeasuredTicks; ++i)
        strip.onPointerTick();
    CALLGRIND_TOGGLE_COLLECT;

    std::printf("%s strip, %d ticks measured\n", collapsed ? "collapsed" : "open", kMeasuredTicks);
    return strip.isOpen() == !collapsed ? 0 : 1;
}
