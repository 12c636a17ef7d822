#pragma once

#include "core/settings_io.h"
#include "settings/autostart.h"
#include "settings/settings_dialog.h"
#include "tests/support/fake_services.h"

#include <QPointer>
#include <QStringList>
#include <QTest>

namespace parlavo::test {

// Records each call as "write@N" or "remove@N", N being the number of writes the store had seen by then,
// so tests can tell whether the entry was applied before the settings were saved.
class RecordingAutostart final : public Autostart {
public:
    explicit RecordingAutostart(const FakeSettingsStore& watched) : store(watched) {}
    const FakeSettingsStore& store;
    QStringList calls;
    void writeEntry() override { calls << QStringLiteral("write@%1").arg(store.writes.size()); }
    void removeEntry() override { calls << QStringLiteral("remove@%1").arg(store.writes.size()); }
};

// The settings as the store code writes them, one "key=value" line each, so a comparison names the key that differs.
inline QStringList recordFields(const Settings& s) {
    FakeSettingsStore store;
    Settings all = s; // the exit save writes the reading position only while it is kept, the dialog's only while saving
    all.inSequence = all.saveReadingPosition = all.saveSettingsOnClose = true;
    saveExitSettings(store, all);
    all.inSequence = s.inSequence;
    all.saveReadingPosition = s.saveReadingPosition;
    saveDialogSettings(store, all);
    store.values[QStringLiteral("ssave")] = QString::number(int(s.saveSettingsOnClose)); // saving off writes nothing
    QStringList lines;
    for (auto it = store.values.cbegin(); it != store.values.cend(); ++it)
        lines << it.key() + '=' + it.value();
    return lines;
}

// Sets settings from words such as "rd=1 guage=5 guagen=10517": the store code loads them over the current ones.
inline void setFields(Settings& s, const QString& words) {
    FakeSettingsStore store;
    for (const QString& line : recordFields(s))
        store.values.insert(line.section('=', 0, 0), line.section('=', 1));
    for (const QString& word : words.split(' ', Qt::SkipEmptyParts)) {
        QVERIFY2(store.values.contains(word.section('=', 0, 0)), qPrintable(word));
        store.values.insert(word.section('=', 0, 0), word.section('=', 1));
    }
    s = loadSettings(store, 1 << 15);
}

// A caption window on fakes, with the settings a first run leaves, and the settings dialog opened over it the way
// the Settings command does.
struct DialogWorld {
    FakeWorld world;
    RecordingAutostart autostart{world.store};
    QPointer<SettingsDialog> dialog;

    // The settings a first run leaves.
    DialogWorld() { world.settings = Settings(); }
    SettingsDialog& open() { return *(dialog = showSettingsDialog(world.strip, world.store, autostart)); }
};

} // namespace parlavo::test
