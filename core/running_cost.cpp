#include "core/running_cost.h"

#include <QByteArray>
#include <QtGlobal>

#include <malloc.h>

namespace parlavo {

void keepRunningCostLow() {
    // On X11 Qt hands window pictures over through shared memory and then waits for the X server before it may
    // paint into that memory again: a round trip, and two more wake-ups, for every repaint. Our windows are small,
    // so sending their pixels down the connection costs less. A choice made in the environment stands.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    // The threads (voice, sound, X events) allocate little and seldom at the same moment, so one allocation arena
    // serves them all; by default each kept its own, holding freed memory all day. Freed memory at the top of the
    // heap goes back to the system sooner, too.
    mallopt(M_ARENA_MAX, 1);
    mallopt(M_TRIM_THRESHOLD, 64 * 1024);
}

} // namespace parlavo
