#include "settings/desktop_autostart.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>
#include <cstdio>

namespace parlavo {

namespace {

// Characters that make the Exec line's parser split or interpret an unquoted argument.
const QString kReservedCharacters = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
// Characters that still need a backslash inside double quotes.
const QString kEscapedInQuotes = QStringLiteral("\"`$\\");

QString quoteArgument(const QString& argument) {
    const bool needsQuotes =
        std::any_of(argument.begin(), argument.end(), [](QChar c) { return kReservedCharacters.contains(c); });
    if (!needsQuotes)
        return argument;
    QString quoted = QStringLiteral("\"");
    for (const QChar c : argument) {
        if (kEscapedInQuotes.contains(c))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    return quoted + QLatin1Char('"');
}

// Every value of a desktop entry is a string first: backslashes and control characters are escaped
// before the Exec rules see the text.
QString escapeStringValue(const QString& text) {
    QString escaped;
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '\\':
            escaped += QStringLiteral("\\\\");
            break;
        case '\n':
            escaped += QStringLiteral("\\n");
            break;
        case '\t':
            escaped += QStringLiteral("\\t");
            break;
        case '\r':
            escaped += QStringLiteral("\\r");
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

void report(const QString& what, const QString& path, const QString& why) {
    std::fprintf(stderr, "parlavo: could not %s the autostart entry %s: %s\n", qPrintable(what), qPrintable(path),
                 qPrintable(why));
}

} // namespace

DesktopAutostart::DesktopAutostart(QString entryPath, QString programPath)
    : mEntryPath(std::move(entryPath)), mProgramPath(std::move(programPath)) {}

void DesktopAutostart::writeEntry() {
    QDir().mkpath(QFileInfo(mEntryPath).absolutePath());
    QSaveFile file(mEntryPath);
    if (!file.open(QIODevice::WriteOnly)) {
        report(QStringLiteral("write"), mEntryPath, file.errorString());
        return;
    }
    file.write(desktopEntryText(mProgramPath));
    if (!file.commit())
        report(QStringLiteral("write"), mEntryPath, file.errorString());
}

void DesktopAutostart::removeEntry() {
    QFile file(mEntryPath);
    if (file.exists() && !file.remove())
        report(QStringLiteral("remove"), mEntryPath, file.errorString());
}

QString defaultAutostartEntryPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/Spanish.desktop");
}

QString desktopExecValue(const QString& programPath) {
    QString value = escapeStringValue(quoteArgument(programPath));
    // A single percent sign would start a field code.
    return value.replace(QLatin1Char('%'), QStringLiteral("%%"));
}

QByteArray desktopEntryText(const QString& programPath) {
    const QString text = QStringLiteral("[Desktop Entry]\n"
                                        "Type=Application\n"
                                        "Name=Parlavo\n"
                                        "Exec=%1\n"
                                        "X-GNOME-Autostart-enabled=true\n")
                             .arg(desktopExecValue(programPath));
    return text.toUtf8();
}

std::unique_ptr<Autostart> makeSystemAutostart() {
    return std::make_unique<DesktopAutostart>(defaultAutostartEntryPath(), QCoreApplication::applicationFilePath());
}

} // namespace parlavo
