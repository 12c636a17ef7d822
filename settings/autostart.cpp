#include "settings/autostart.h"

namespace parlavo {

void applyStartAtLogOn(Autostart& autostart, bool startAtLogOn) {
    if (startAtLogOn)
        autostart.writeEntry();
    else
        autostart.removeEntry();
}

Autostart& systemAutostart() {
    static const std::unique_ptr<Autostart> autostart = makeSystemAutostart();
    return *autostart;
}

} // namespace parlavo
