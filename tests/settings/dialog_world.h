#pragma once

#include "settings/autostart.h"
#include "settings/settings_dialog.h"
#include "tests/support/fake_services.h"

#include <QPointer>
#include <QStringList>
#include <QTest>

#include <functional>

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
// The settings as the file spells them, one "key=value" line each, so a comparison names the key that differs.
inline QStringList recordFields(const Settings& s) {
    const auto flag = [](bool on) {
        return on ? 1 : 0;
    };
    const QList<std::pair<const char*, int>> fields = {
        {"ce", flag(s.languageOrder == LanguageOrder::SpanishFirst)},
        {"n", s.timesPerSentence},
        {"ctime", s.englishSeconds},
        {"etime", s.spanishSeconds},
        {"rd", flag(s.inSequence)},
        {"psave", flag(s.saveReadingPosition)},
        {"ssave", flag(s.saveSettingsOnClose)},
        {"visi", flag(s.autoHide)},
        {"voice", flag(s.readAloud)},
        {"guage", s.lesson},
        {"guagen", 10000 + 100 * s.readingPosition.lesson + s.readingPosition.line},
        {"mark", flag(s.startAtLogOn)},
        {"sspeed", s.speechRate},
        {"stepaside", flag(s.stepAsideForFilms)},
        {"red", 0},
        {"xxx", 1}};
    QStringList lines;
    for (const auto& [key, value] : fields)
        lines << QStringLiteral("%1=%2").arg(QLatin1String(key)).arg(value);
    return lines;
}

// Sets settings from words such as "rd=1 guage=5 guagen=10517", spelt as in the file.
inline void setFields(Settings& s, const QString& words) {
    for (const QString& word : words.split(' ', Qt::SkipEmptyParts)) {
        const QString key = word.section('=', 0, 0);
        const int value = word.section('=', 1).toInt();
        const QHash<QString, std::function<void()>> setters = {
            {"ce",
             [&] {
                 s.languageOrder = value == 1 ? LanguageOrder::SpanishFirst : LanguageOrder::EnglishFirst;
             }},
            {"n",
             [&] {
                 s.timesPerSentence = value;
             }},
            {"ctime",
             [&] {
                 s.englishSeconds = value;
             }},
            {"etime",
             [&] {
                 s.spanishSeconds = value;
             }},
            {"rd",
             [&] {
                 s.inSequence = value != 0;
             }},
            {"psave",
             [&] {
                 s.saveReadingPosition = value != 0;
             }},
            {"ssave",
             [&] {
                 s.saveSettingsOnClose = value != 0;
             }},
            {"visi",
             [&] {
                 s.autoHide = value != 0;
             }},
            {"voice",
             [&] {
                 s.readAloud = value != 0;
             }},
            {"guage",
             [&] {
                 s.lesson = value;
             }},
            {"guagen",
             [&] {
                 s.readingPosition = {(value - 10000) / 100, (value - 10000) % 100};
             }},
            {"mark",
             [&] {
                 s.startAtLogOn = value != 0;
             }},
            {"sspeed",
             [&] {
                 s.speechRate = value;
             }},
            {"stepaside", [&] {
                 s.stepAsideForFilms = value != 0;
             }}};
        QVERIFY2(setters.contains(key), qPrintable(word));
        setters.value(key)();
    }
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

// A click on the indicator of a check box or option button, where a click always lands on it.
inline void clickIndicator(QWidget* button) {
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(6, button->height() / 2));
}

} // namespace parlavo::test
