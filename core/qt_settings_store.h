#pragma once

#include "core/settings_store.h"

#include <QSettings>

#include <memory>

namespace parlavo {

// The real store: QSettings in the native format, per user. On Linux that is
// $XDG_CONFIG_HOME/Orna.conf, section [Spanish]; on Windows the registry key where earlier Windows
// versions of this program kept their values, so those settings carry over.
class QtSettingsStore final : public SettingsStore {
public:
    QtSettingsStore();
    ~QtSettingsStore() override;

    QString readSetting(const QString& key) override;
    void writeSetting(const QString& key, const QString& text) override;
    bool sync() override;

    QString fileName() const;

private:
    void backUpIfCorrupt();

    std::unique_ptr<QSettings> mSettings;
};

} // namespace parlavo
