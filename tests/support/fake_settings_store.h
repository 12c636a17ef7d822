#pragma once

#include "core/settings_store.h"

#include <QList>
#include <QMap>
#include <QPair>

namespace parlavo::test {

// Keeps values in memory and records every write in order.
class FakeSettingsStore final : public SettingsStore {
public:
    QMap<QString, QString> values;
    QList<QPair<QString, QString>> writes;
    int syncs = 0;

    QString readSetting(const QString& key) override { return values.value(key); }
    void writeSetting(const QString& key, const QString& text) override {
        values[key] = text;
        writes.append({key, text});
    }
    bool sync() override {
        ++syncs;
        return true;
    }
};

} // namespace parlavo::test
