#pragma once

#include "core/settings_store.h"

#include <QHash>
#include <QSettings>

#include <memory>

namespace parlavo {

// The real store: QSettings in the native format, per user: $XDG_CONFIG_HOME/Orna.conf, section [Spanish].
// Tells the user once on standard error when the settings cannot be read or saved, and again only
// after a save has worked in between.
class QtSettingsStore final : public SettingsStore {
public:
    QtSettingsStore();
    ~QtSettingsStore() override;

    QString readSetting(const QString& key) override;
    void writeSetting(const QString& key, const QString& text) override;
    bool sync() override;

    QString fileName() const;

private:
    void inspectOwnFile();
    bool confirmSaved() const;

    std::unique_ptr<QSettings> mSettings;
    QHash<QString, QString> mUnsaved; // full key to text, written since the last confirmed save
    bool mUserTold = false;
};

} // namespace parlavo
