#include "core/settings_io.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

namespace parlavo {

namespace {

// The file keeps the strip's left edge in twips, 15 to a pixel, as a single-precision number.
constexpr double kTwipsPerPixel = 15.0;
// Further right than any monitor is wide; the strip keeps itself on the monitor it stands on.
constexpr int kWidestLeft = 32767;
// Sentence ids: line i of lesson g is 10000 + 100 g + i.
constexpr int kFirstSentenceId = 10000;
constexpr int kIdsPerLesson = 100;
// "rd": 0 at random, 1 in sequence, and this for Review play, which earlier versions read as in sequence.
constexpr int kReviewPlay = 2;

QString key(const char* name) {
    return QString::fromLatin1(name);
}

QString decimal(int value) {
    return QString::number(value);
}

// Single-precision reals: the shortest text that reads back the same number.
QString decimal(float value) {
    return QString::number(value, 'g', 9);
}

std::optional<double> parseNumber(const QString& text) {
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// Every stored number is a 16-bit integer; fractions round to the nearest, halves to the even one. Anything
// else is as good as absent.
int readNumber(SettingsStore& store, const char* name, int absent) {
    const std::optional<double> value = parseNumber(store.readSetting(key(name)));
    if (!value)
        return absent;
    const double rounded = std::nearbyint(*value);
    return rounded < -32768.0 || rounded > 32767.0 ? absent : static_cast<int>(rounded);
}

int sentenceId(const ReadingPosition& position) {
    return kFirstSentenceId + kIdsPerLesson * position.lesson + position.line;
}

ReadingPosition readingPositionOf(int id) {
    const int lesson = static_cast<int>(std::floor((id - kFirstSentenceId) / double(kIdsPerLesson)));
    const int line = id - kFirstSentenceId - kIdsPerLesson * lesson;
    if (lesson < 1 || lesson > kLastLesson) {
        std::fprintf(stderr, "parlavo: the stored reading position %d names no lesson; reading starts at the first\n",
                     id);
        return {1, 1};
    }
    // Past a lesson's last line reading moves on, however far past it was stored.
    if (line > kLinesPerLesson + 1) {
        std::fprintf(stderr, "parlavo: the stored reading position %d names no line; reading goes on after the last\n",
                     id);
        return {lesson, kLinesPerLesson + 1};
    }
    return {lesson, line};
}

// The own lesson's place may pass the 16-bit range of the other numbers; anything not a count reads as 0, the start.
int readPlace(SettingsStore& store) {
    bool ok = false;
    const int place = store.readSetting(key("ownplace")).trimmed().toInt(&ok);
    return ok && place > 0 ? place : 0;
}

void writeReadingPosition(SettingsStore& store, const Settings& s) {
    store.writeSetting(key("guagen"), decimal(sentenceId(s.readingPosition)));
    if (!s.ownLesson.name.isEmpty())
        store.writeSetting(key("ownplace"), decimal(s.ownLesson.place));
}

float defaultLeftTwips(int screenWidth) {
    return static_cast<float>(screenWidth * kTwipsPerPixel) / 2.0f - 2000.0f;
}

int pixelsOf(double twips) {
    return static_cast<int>(std::lrint(twips / kTwipsPerPixel));
}

constexpr int flag(bool on) {
    return on ? 1 : 0;
}

// The keys the first run writes, in its order, with its values; "xxx", "left" and the later keys follow.
struct StoredNumber {
    const char* name;
    int value;
};
constexpr StoredNumber kFirstRun[] = {{"ce", 1},         {"n", 2},     {"ctime", 3}, {"etime", 5}, {"rd", 0},
                                      {"psave", 1},      {"ssave", 1}, {"visi", 0},  {"voice", 1}, {"guage", 1},
                                      {"guagen", 11000}, {"red", 0},   {"mark", 0}};

void writeFirstRunDefaults(SettingsStore& store, int screenWidth) {
    for (const StoredNumber& entry : kFirstRun)
        store.writeSetting(key(entry.name), decimal(entry.value));
    store.writeSetting(key("xxx"), key("1"));
    store.writeSetting(key("left"), decimal(defaultLeftTwips(screenWidth)));
    store.writeSetting(key("sspeed"), decimal(150));
    store.writeSetting(key("stepaside"), decimal(1));
    store.sync();
}

// Each command's key in the file and its default. A cleared key is stored as "none", since an absent key takes the
// default; a key is stored in Qt's portable text ("Ctrl+Alt+R").
struct StoredShortcut {
    const char* name;
    QKeyCombination defaultKey;
};
constexpr StoredShortcut kShortcuts[] = {{"keyrepeat", Qt::CTRL | Qt::ALT | Qt::Key_R},
                                         {"keypause", Qt::CTRL | Qt::ALT | Qt::Key_P},
                                         {"keyknew", Qt::CTRL | Qt::ALT | Qt::Key_K},
                                         {"keymissed", Qt::CTRL | Qt::ALT | Qt::Key_N}};
static_assert(std::size(kShortcuts) == kCommandCount);
const QString kNoShortcut = QStringLiteral("none");

QKeySequence readShortcut(SettingsStore& store, const StoredShortcut& entry) {
    const QString text = store.readSetting(key(entry.name)).trimmed();
    if (text == kNoShortcut)
        return QKeySequence();
    const QKeySequence stored = QKeySequence::fromString(text, QKeySequence::PortableText);
    if (text.isEmpty() || stored.isEmpty() || stored[0].key() == Qt::Key_unknown)
        return QKeySequence(entry.defaultKey);
    return QKeySequence(stored[0]);
}

// What the dialog saves beside its older keys.
void writeWorkingDaySettings(SettingsStore& store, const Settings& s) {
    store.writeSetting(key("textsize"), decimal(s.textScale));
    for (std::size_t i = 0; i < kCommandCount; ++i) {
        store.writeSetting(key(kShortcuts[i].name), s.shortcuts[i].isEmpty()
                                                        ? kNoShortcut
                                                        : s.shortcuts[i].toString(QKeySequence::PortableText));
    }
}

// The end of a pause is an instant, kept in UTC so a change of time zone or of daylight saving time keeps it.
QDateTime readPauseEnd(SettingsStore& store) {
    const QDateTime end = QDateTime::fromString(store.readSetting(key("pauseuntil")).trimmed(), Qt::ISODate);
    return end.isValid() ? end.toLocalTime() : QDateTime();
}

} // namespace

Settings loadSettings(SettingsStore& store, int screenWidth) {
    if (store.readSetting(key("xxx")).isEmpty())
        writeFirstRunDefaults(store, screenWidth);
    // Switches that act only when exactly 1 (ce, psave, voice) keep that reading; the others act on any nonzero.
    Settings s;
    s.languageOrder = readNumber(store, "ce", 1) == 1 ? LanguageOrder::SpanishFirst : LanguageOrder::EnglishFirst;
    s.timesPerSentence = std::clamp(readNumber(store, "n", 2), 1, 12);
    s.englishSeconds = std::clamp(readNumber(store, "ctime", 3), 3, 15);
    s.spanishSeconds = std::clamp(readNumber(store, "etime", 5), 5, 15);
    s.inSequence = readNumber(store, "rd", 0) != 0;
    s.review = readNumber(store, "rd", 0) == kReviewPlay;
    s.saveReadingPosition = readNumber(store, "psave", 1) == 1;
    s.saveSettingsOnClose = readNumber(store, "ssave", 1) != 0;
    s.autoHide = readNumber(store, "visi", 0) != 0;
    s.readAloud = readNumber(store, "voice", 1) == 1;
    s.lesson = std::clamp(readNumber(store, "guage", 1), 0, kChoosableLessons);
    s.readingPosition = readingPositionOf(readNumber(store, "guagen", 11000));
    s.ownLesson = {store.readSetting(key("ownlesson")), readPlace(store)};
    s.startAtLogOn = readNumber(store, "mark", 0) != 0;
    s.speechRate = std::clamp(readNumber(store, "sspeed", 150), 80, 300);
    s.stepAsideForFilms = readNumber(store, "stepaside", 1) != 0;
    s.pausedUntil = readPauseEnd(store);
    for (std::size_t i = 0; i < kCommandCount; ++i)
        s.shortcuts[i] = readShortcut(store, kShortcuts[i]);
    const int scale = readNumber(store, "textsize", 100);
    s.textScale = std::find(kTextScales.begin(), kTextScales.end(), scale) != kTextScales.end() ? scale : 100;
    s.stripMonitor = store.readSetting(key("monitor")).trimmed();
    const std::optional<double> left = parseNumber(store.readSetting(key("left")));
    const double twips = left ? static_cast<float>(*left) : defaultLeftTwips(screenWidth);
    s.stripLeft = clampStripLeft(pixelsOf(std::clamp(twips, 0.0, kWidestLeft * kTwipsPerPixel)),
                                 s.stripMonitor.isEmpty() ? screenWidth : kWidestLeft);
    return s;
}

bool saveDialogSettings(SettingsStore& store, const Settings& s) {
    if (!s.saveSettingsOnClose)
        return true;
    // "red" is read by nothing and carried along as it was stored.
    const int red = readNumber(store, "red", 0);
    const StoredNumber values[] = {{"ce", flag(s.languageOrder == LanguageOrder::SpanishFirst)},
                                   {"n", s.timesPerSentence},
                                   {"ctime", s.englishSeconds},
                                   {"etime", s.spanishSeconds},
                                   {"rd", s.review ? kReviewPlay : flag(s.inSequence)},
                                   {"psave", flag(s.saveReadingPosition)},
                                   {"ssave", flag(s.saveSettingsOnClose)},
                                   {"visi", flag(s.autoHide)},
                                   {"guage", s.lesson},
                                   {"red", red},
                                   {"mark", flag(s.startAtLogOn)},
                                   {"xxx", 1},
                                   {"sspeed", s.speechRate},
                                   {"stepaside", flag(s.stepAsideForFilms)}};
    for (const StoredNumber& entry : values)
        store.writeSetting(key(entry.name), decimal(entry.value));
    // A file that never named an own lesson stays as the versions before them wrote it.
    if (!s.ownLesson.name.isEmpty() || !store.readSetting(key("ownlesson")).isEmpty())
        store.writeSetting(key("ownlesson"), s.ownLesson.name);
    writeWorkingDaySettings(store, s);
    return store.sync();
}

// "left" is measured from the strip's own monitor: a version that knows only the primary monitor puts the strip at
// the same place on that one. The monitor is written only when it changed, so a file from before it was kept (or
// from a desktop whose monitors have no names) comes back as it was.
bool saveExitSettings(SettingsStore& store, const Settings& s) {
    store.writeSetting(key("voice"), decimal(flag(s.readAloud)));
    if (store.readSetting(key("monitor")).trimmed() != s.stripMonitor)
        store.writeSetting(key("monitor"), s.stripMonitor);
    store.writeSetting(key("left"), decimal(static_cast<float>(s.stripLeft * kTwipsPerPixel)));
    if (s.keepsReadingPosition())
        writeReadingPosition(store, s);
    return store.sync();
}

bool savePause(SettingsStore& store, const Settings& s) {
    store.writeSetting(key("pauseuntil"),
                       s.pausedUntil.isValid() ? s.pausedUntil.toUTC().toString(Qt::ISODate) : QString());
    return store.sync();
}

bool saveReadingPosition(SettingsStore& store, const Settings& s) {
    if (!s.keepsReadingPosition())
        return true;
    writeReadingPosition(store, s);
    return store.sync();
}

} // namespace parlavo
