#include "settings/autostart.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <windows.h>

namespace parlavo {

namespace {

constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kValueName[] = "Spanish";

// The value "Spanish" under the current user's Run key. Failures leave things as they were, which is
// all the caller could do about them.
class RunKeyAutostart final : public Autostart {
public:
    void writeEntry() override {
        const QFileInfo program(QCoreApplication::applicationFilePath());
        const QByteArray data = runValueData(
            windowsRunCommand(QDir::toNativeSeparators(program.absolutePath()), program.completeBaseName()));
        HKEY key = nullptr;
        if (RegCreateKeyA(HKEY_CURRENT_USER, kRunKey, &key) != ERROR_SUCCESS)
            return;
        RegSetValueExA(key, kValueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.constData()),
                       static_cast<DWORD>(data.size()));
        RegCloseKey(key);
    }

    void removeEntry() override {
        HKEY key = nullptr;
        if (RegOpenKeyA(HKEY_CURRENT_USER, kRunKey, &key) != ERROR_SUCCESS)
            return;
        RegDeleteValueA(key, kValueName);
        RegCloseKey(key);
    }
};

} // namespace

std::unique_ptr<Autostart> makeSystemAutostart() {
    return std::make_unique<RunKeyAutostart>();
}

} // namespace parlavo
