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

QString windowsRunCommand(const QString& folder, const QString& baseName) {
    QString path = folder;
    if (!path.endsWith(QLatin1Char('\\')))
        path += QLatin1Char('\\');
    path += baseName + QStringLiteral(".exe");
    if (path.contains(QLatin1Char(' ')))
        return QLatin1Char('"') + path + QLatin1Char('"');
    return path;
}

QByteArray runValueData(const QString& command) {
    QByteArray data = command.toLocal8Bit();
    data.append('\0');
    return data;
}

} // namespace parlavo
