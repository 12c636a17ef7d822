#pragma once

#include <QString>
#include <QtGlobal>

#include <memory>

namespace parlavo {

// The desktop's list of programs started at log-on, as far as this program's own entry goes.
class Autostart {
public:
    virtual ~Autostart() = default;
    // Adds or rewrites the entry that starts this program.
    virtual void writeEntry() = 0;
    // Removes the entry; a missing entry is no error.
    virtual void removeEntry() = 0;
};

// Applies the "Start with windows start" choice: writes or removes the entry.
void applyStartAtLogOn(Autostart& autostart, bool startAtLogOn);

// The real entry: the desktop autostart entry (desktop_autostart.cpp).
std::unique_ptr<Autostart> makeSystemAutostart();

// The real entry, made on first use and kept for the rest of the run.
Autostart& systemAutostart();

} // namespace parlavo
