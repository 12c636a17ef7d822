#include "core/settings_io.h"

#include "core/integer16.h"
#include "core/placement.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <optional>

namespace parlavo {

namespace {

// Keys of integer fields with their first-run defaults, in the order the first run writes them.
struct IntegerKey {
    const char* name;
    qint16 SharedState::*field;
    qint16 defaultValue;
};

constexpr IntegerKey kLeadingKeys[] = {
    {"ce", &SharedState::ce, 1},
    {"n", &SharedState::n, 2},
    {"ctime", &SharedState::ctime, 3},
    {"etime", &SharedState::etime, 5},
    {"rd", &SharedState::rd, 0},
    {"psave", &SharedState::psave, 1},
    {"ssave", &SharedState::ssave, 1},
    {"visi", &SharedState::visi, 0},
    {"voice", &SharedState::voice, 1},
    {"guage", &SharedState::guage, 1},
    {"guagen", &SharedState::guagen, 11000},
    {"red", &SharedState::red, 0},
    {"mark", &SharedState::mark, 0},
};
constexpr IntegerKey kSspeed = {"sspeed", &SharedState::sspeed, 150};

// The keys the settings dialog writes on closing, in its order; "xxx" comes before "sspeed".
constexpr const char* kDialogKeys[] = {"ce",    "n",    "ctime", "etime", "rd",  "psave",
                                       "ssave", "visi", "guage", "red",   "mark"};

constexpr qint16 kFirstSentence = 10101;

QString key(const char* name) {
    return QString::fromLatin1(name);
}

QString decimal(int value) {
    return QString::number(value);
}

// Left edges are single-precision reals; write the shortest text that reads back the same number.
QString decimal(double value) {
    return QString::number(static_cast<float>(value), 'g', 9);
}

std::optional<double> parseNumber(const QString& text) {
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<qint16> parseInteger(const QString& text) {
    const auto value = parseNumber(text);
    if (!value)
        return std::nullopt;
    try {
        return toInteger16(*value);
    } catch (const OverflowError&) {
        return std::nullopt;
    }
}

qint16 readInteger(SettingsStore& store, const IntegerKey& entry) {
    return parseInteger(store.ReadSetting(key(entry.name))).value_or(entry.defaultValue);
}

void writeFirstRunDefaults(SettingsStore& store, int screenWidthTwips) {
    for (const auto& entry : kLeadingKeys)
        store.WriteSetting(key(entry.name), decimal(entry.defaultValue));
    store.WriteSetting(QStringLiteral("xxx"), QStringLiteral("1"));
    store.WriteSetting(QStringLiteral("left"), decimal(defaultLeftTwips(screenWidthTwips)));
    store.WriteSetting(key(kSspeed.name), decimal(kSspeed.defaultValue));
    store.sync();
}

void repairRanges(SharedState& state) {
    state.n = std::clamp<qint16>(state.n, 1, 12);
    state.etime = std::clamp<qint16>(state.etime, 5, 15);
    state.ctime = std::clamp<qint16>(state.ctime, 3, 15);
    state.guage = std::clamp<qint16>(state.guage, 0, 17);
    const int lessonOfPosition = static_cast<int>(std::floor((state.guagen - 10000) / 100.0));
    if (lessonOfPosition < 1 || lessonOfPosition > 19)
        state.guagen = kFirstSentence;
}

} // namespace

double defaultLeftTwips(int screenWidthTwips) {
    return static_cast<float>(static_cast<float>(screenWidthTwips) / 2.0f - 2000.0f);
}

double loadSettings(SettingsStore& store, SharedState& state, int screenWidthTwips) {
    state.xxx = store.ReadSetting(QStringLiteral("xxx"));
    if (state.xxx.isEmpty())
        writeFirstRunDefaults(store, screenWidthTwips);

    for (const auto& entry : kLeadingKeys)
        state.*entry.field = readInteger(store, entry);
    state.xxx = store.ReadSetting(QStringLiteral("xxx"));
    const double storedLeft =
        parseNumber(store.ReadSetting(QStringLiteral("left"))).value_or(defaultLeftTwips(screenWidthTwips));
    state.sspeed = readInteger(store, kSspeed);

    repairRanges(state);
    return clampLeftTwips(static_cast<float>(storedLeft), screenWidthTwips);
}

bool saveDialogSettings(SettingsStore& store, const SharedState& state) {
    if (state.ssave == 0)
        return true;
    for (const char* name : kDialogKeys) {
        const auto* entry = std::find_if(std::begin(kLeadingKeys), std::end(kLeadingKeys),
                                         [name](const IntegerKey& k) { return qstrcmp(k.name, name) == 0; });
        store.WriteSetting(key(name), decimal(state.*entry->field));
    }
    store.WriteSetting(QStringLiteral("xxx"), QStringLiteral("1"));
    store.WriteSetting(key(kSspeed.name), decimal(state.sspeed));
    return store.sync();
}

bool saveExitSettings(SettingsStore& store, const SharedState& state, double leftTwips) {
    store.WriteSetting(QStringLiteral("voice"), decimal(state.voice));
    store.WriteSetting(QStringLiteral("left"), decimal(leftTwips));
    if (state.psave == 1 && state.rd == 1)
        store.WriteSetting(QStringLiteral("guagen"), decimal(state.guagen));
    return store.sync();
}

} // namespace parlavo
