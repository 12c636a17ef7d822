#pragma once

#include <QByteArray>
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

// Applies the "Start with windows start" choice: 0 removes the entry, 1 writes it, any other value
// comes from a hand-edited store and leaves the entry as it is.
void applyStartAtLogOn(Autostart& autostart, qint16 mark);

// The real entry for this platform: the Run key value on Windows, the desktop autostart entry elsewhere.
// Each back-end defines this for itself; only one of them is built.
std::unique_ptr<Autostart> makeSystemAutostart();

// The real entry, made on first use and kept for the rest of the run.
Autostart& systemAutostart();

// The command line the Windows Run key holds for the program `baseName`.exe in `folder`, a Windows
// path that ends in a backslash only at a drive root. Quoted when it holds a blank, since the shell
// would otherwise split it there.
QString windowsRunCommand(const QString& folder, const QString& baseName);

// The bytes the Run key value stores for `command`: its text in the ANSI code page and the closing NUL.
QByteArray runValueData(const QString& command);

} // namespace parlavo
