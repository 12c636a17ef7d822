#include "settings/autostart.h"

namespace parlavo {

void applyStartAtLogOn(Autostart& autostart, qint16 mark) {
    switch (mark) {
    case 0:
        autostart.removeEntry();
        break;
    case 1:
        autostart.writeEntry();
        break;
    default:
        break;
    }
}

Autostart& systemAutostart() {
    static const std::unique_ptr<Autostart> autostart = makeSystemAutostart();
    return *autostart;
}

} // namespace parlavo
