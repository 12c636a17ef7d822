// Counts the instructions of Timer1 ticks after the intro, with the strip open or collapsed, on the
// real window system. Run under valgrind --tool=callgrind --collect-atstart=no (see timer1_tick.sh).
#include "bench/core/strip_without_bird.h"

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
    StripWithoutBird strip;
    Form1& form1 = strip.form1;
    form1.Form_Load();
    strip.state.visi = 1;
    // Over the strip keeps it open; far below it lets it collapse.
    QCursor::setPos(collapsed ? QPoint(100, 600) : QPoint(900, 10));
    for (int i = 0; i < 80; ++i) {
        form1.Form1_Timer1_Timer();
        QCoreApplication::processEvents();
    }

    CALLGRIND_TOGGLE_COLLECT;
    for (int i = 0; i < kMeasuredTicks; ++i)
        form1.Form1_Timer1_Timer();
    CALLGRIND_TOGGLE_COLLECT;

    std::printf("%s strip, %d ticks measured\n", collapsed ? "collapsed" : "open", kMeasuredTicks);
    return form1.isOpen() == !collapsed ? 0 : 1;
}
