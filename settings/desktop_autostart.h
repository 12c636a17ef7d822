#pragma once

#include "settings/autostart.h"

namespace parlavo {

// The autostart entry of freedesktop.org desktops: a desktop entry file in the user's autostart folder
// whose Exec line starts the program.
class DesktopAutostart final : public Autostart {
public:
    DesktopAutostart(QString entryPath, QString programPath);

    void writeEntry() override;
    void removeEntry() override;

private:
    QString mEntryPath;
    QString mProgramPath;
};

// $XDG_CONFIG_HOME/autostart/Spanish.desktop, or ~/.config/autostart/Spanish.desktop without it.
QString defaultAutostartEntryPath();

// The whole entry file that starts the program at `programPath`.
QByteArray desktopEntryText(const QString& programPath);

// The Exec value that runs `programPath` with no arguments, quoted and escaped by the Desktop Entry rules.
QString desktopExecValue(const QString& programPath);

} // namespace parlavo
