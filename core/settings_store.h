#pragma once

#include <QString>

namespace parlavo {

// The per-user store of text values under application "Orna", section "Spanish".
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored text, or the empty text when the key is absent.
    virtual QString readSetting(const QString& key) = 0;
    virtual void writeSetting(const QString& key, const QString& text) = 0;
    // Puts every write so far on disk; false when that failed.
    virtual bool sync() = 0;
};

} // namespace parlavo
