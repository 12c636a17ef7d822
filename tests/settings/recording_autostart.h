#pragma once

#include "settings/autostart.h"
#include "tests/support/fake_settings_store.h"

#include <QStringList>

namespace parlavo::test {

// Records each call as "write@N" or "remove@N", N being the number of writes the store had seen by then,
// so tests can tell whether the entry was applied before the settings were saved.
class RecordingAutostart final : public Autostart {
public:
    explicit RecordingAutostart(const FakeSettingsStore& store) : mStore(store) {}

    QStringList calls;

    void writeEntry() override { calls << QStringLiteral("write@%1").arg(mStore.writes.size()); }
    void removeEntry() override { calls << QStringLiteral("remove@%1").arg(mStore.writes.size()); }

private:
    const FakeSettingsStore& mStore;
};

} // namespace parlavo::test
