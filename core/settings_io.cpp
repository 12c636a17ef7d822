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
    {"ce", &SharedState::languageOrder, 1},
    {"n", &SharedState::timesPerSentence, 2},
    {"ctime", &SharedState::englishSeconds, 3},
    {"etime", &SharedState::spanishSeconds, 5},
    {"rd", &SharedState::inSequence, 0},
    {"psave", &SharedState::saveReadingPosition, 1},
    {"ssave", &SharedState::saveSettingsOnClose, 1},
    {"visi", &SharedState::autoHide, 0},
    {"voice", &SharedState::readAloud, 1},
    {"guage", &SharedState::lesson, 1},
    {"guagen", &SharedState::readingPosition, 11000},
    {"red", &SharedState::red, 0},
    {"mark", &SharedState::startAtLogOn, 0},
};
constexpr IntegerKey kSspeed = {"sspeed", &SharedState::speechRate, 150};
// Read by nothing older, which keeps the file as it finds it.
constexpr IntegerKey kStepAside = {"stepaside", &SharedState::stepAsideForFilms, 1};

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
    return parseInteger(store.readSetting(key(entry.name))).value_or(entry.defaultValue);
}

void writeFirstRunDefaults(SettingsStore& store, int screenWidthTwips) {
    for (const auto& entry : kLeadingKeys)
        store.writeSetting(key(entry.name), decimal(entry.defaultValue));
    store.writeSetting(QStringLiteral("xxx"), QStringLiteral("1"));
    store.writeSetting(QStringLiteral("left"), decimal(defaultLeftTwips(screenWidthTwips)));
    store.writeSetting(key(kSspeed.name), decimal(kSspeed.defaultValue));
    store.writeSetting(key(kStepAside.name), decimal(kStepAside.defaultValue));
    store.sync();
}

void repairRanges(SharedState& state) {
    state.timesPerSentence = std::clamp<qint16>(state.timesPerSentence, 1, 12);
    state.spanishSeconds = std::clamp<qint16>(state.spanishSeconds, 5, 15);
    state.englishSeconds = std::clamp<qint16>(state.englishSeconds, 3, 15);
    state.lesson = std::clamp<qint16>(state.lesson, 0, 17);
    state.speechRate = std::clamp<qint16>(state.speechRate, 80, 300);
    const int lessonOfPosition = static_cast<int>(std::floor((state.readingPosition - 10000) / 100.0));
    if (lessonOfPosition < 1 || lessonOfPosition > 19)
        state.readingPosition = kFirstSentence;
}

} // namespace

double defaultLeftTwips(int screenWidthTwips) {
    return static_cast<float>(static_cast<float>(screenWidthTwips) / 2.0f - 2000.0f);
}

double loadSettings(SettingsStore& store, SharedState& state, int screenWidthTwips) {
    state.firstRunMarker = store.readSetting(QStringLiteral("xxx"));
    if (state.firstRunMarker.isEmpty())
        writeFirstRunDefaults(store, screenWidthTwips);

    for (const auto& entry : kLeadingKeys)
        state.*entry.field = readInteger(store, entry);
    state.firstRunMarker = store.readSetting(QStringLiteral("xxx"));
    const double storedLeft =
        parseNumber(store.readSetting(QStringLiteral("left"))).value_or(defaultLeftTwips(screenWidthTwips));
    state.speechRate = readInteger(store, kSspeed);
    state.stepAsideForFilms = readInteger(store, kStepAside);

    repairRanges(state);
    return clampLeftTwips(static_cast<float>(storedLeft), screenWidthTwips);
}

bool saveDialogSettings(SettingsStore& store, const SharedState& state) {
    if (state.saveSettingsOnClose == 0)
        return true;
    for (const char* name : kDialogKeys) {
        const auto* entry = std::find_if(std::begin(kLeadingKeys), std::end(kLeadingKeys),
                                         [name](const IntegerKey& k) { return qstrcmp(k.name, name) == 0; });
        store.writeSetting(key(name), decimal(state.*entry->field));
    }
    store.writeSetting(QStringLiteral("xxx"), QStringLiteral("1"));
    store.writeSetting(key(kSspeed.name), decimal(state.speechRate));
    store.writeSetting(key(kStepAside.name), decimal(state.stepAsideForFilms));
    return store.sync();
}

bool saveExitSettings(SettingsStore& store, const SharedState& state, double leftTwips) {
    store.writeSetting(QStringLiteral("voice"), decimal(state.readAloud));
    store.writeSetting(QStringLiteral("left"), decimal(leftTwips));
    if (keepsReadingPosition(state))
        store.writeSetting(QStringLiteral("guagen"), decimal(state.readingPosition));
    return store.sync();
}

bool keepsReadingPosition(const SharedState& state) {
    return state.saveReadingPosition == 1 && state.inSequence == 1;
}

bool saveReadingPosition(SettingsStore& store, const SharedState& state) {
    if (!keepsReadingPosition(state))
        return true;
    store.writeSetting(QStringLiteral("guagen"), decimal(state.readingPosition));
    return store.sync();
}

} // namespace parlavo
