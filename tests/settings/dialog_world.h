#pragma once

#include "settings/autostart.h"
#include "settings/settings_dialog.h"
#include "tests/support/fake_services.h"

#include <QPointer>
#include <QStringList>
#include <QTest>

#include <algorithm>
#include <iterator>

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

// The record's number fields and their settings names.
inline constexpr qint16 SharedState::*kRecordFields[] = {
    &SharedState::languageOrder,       &SharedState::timesPerSentence,
    &SharedState::englishSeconds,      &SharedState::spanishSeconds,
    &SharedState::inSequence,          &SharedState::saveReadingPosition,
    &SharedState::saveSettingsOnClose, &SharedState::autoHide,
    &SharedState::readAloud,           &SharedState::lesson,
    &SharedState::readingPosition,     &SharedState::red,
    &SharedState::startAtLogOn,        &SharedState::speechRate,
    &SharedState::stepAsideForFilms,   &SharedState::introCountdown,
    &SharedState::cycleTick,           &SharedState::cyclesShown,
    &SharedState::cyclePhase};
inline constexpr const char* kRecordFieldNames[] = {
    "ce",     "n",   "ctime", "etime",  "rd",        "psave",      "ssave",     "visi",       "voice", "guage",
    "guagen", "red", "mark",  "sspeed", "stepaside", "introcount", "tickcount", "cyclecount", "phase"};
static_assert(std::size(kRecordFields) == std::size(kRecordFieldNames));

// The record as "name=value" lines, so a comparison names the field that differs.
inline QStringList recordFields(const SharedState& s) {
    QStringList fields;
    for (std::size_t i = 0; i < std::size(kRecordFields); ++i)
        fields << QStringLiteral("%1=%2").arg(QLatin1String(kRecordFieldNames[i])).arg(s.*kRecordFields[i]);
    return fields << QStringLiteral("xxx=") + s.firstRunMarker;
}

// Sets number fields from words such as "rd=1 guage=5".
inline void setFields(SharedState& s, const QString& words) {
    for (const QString& word : words.split(' ', Qt::SkipEmptyParts)) {
        const auto name =
            std::find(std::begin(kRecordFieldNames), std::end(kRecordFieldNames), word.section('=', 0, 0));
        QVERIFY2(name != std::end(kRecordFieldNames), qPrintable(word));
        s.*kRecordFields[name - std::begin(kRecordFieldNames)] = word.section('=', 1).toShort();
    }
}

// A caption window on fakes, from the record a first run leaves with the intro over, and the settings
// dialog opened over it the way the Settings command does.
struct DialogWorld {
    FakeWorld world;
    RecordingAutostart autostart{world.store};
    QPointer<SettingsDialog> dialog;

    DialogWorld() {
        setFields(world.state,
                  "ce=1 n=2 ctime=3 etime=5 psave=1 ssave=1 voice=1 guage=1 guagen=11000 sspeed=150 stepaside=1");
        world.state.firstRunMarker = QStringLiteral("1");
    }
    SettingsDialog& open() { return *(dialog = showSettingsDialog(world.strip, world.store, autostart)); }
};

// A click on the indicator of a check box or option button, where a click always lands on it.
inline void clickIndicator(QWidget* button) {
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(6, button->height() / 2));
}

} // namespace parlavo::test
