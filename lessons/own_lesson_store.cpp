#include "lessons/own_lesson_store.h"

#include "lessons/import_text.h"
#include "lessons/lesson_import.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>

#include <algorithm>

namespace parlavo {

namespace {

constexpr char kHeading[] = "Parlavo lesson";
constexpr char kSuffix[] = ".lesson";
constexpr int kLongestName = 64;
// A stored lesson holds at most kMostSentences lines of kLongestSide characters a side, at most 4 bytes each.
constexpr qint64 kLargestStored = 8 + qint64(kMostSentences) * (2 * 4 * kLongestSide + 4);

// "Parlavo lesson<TAB>count<TAB>woman": the count, or -1.
int headingCount(const QByteArray& line, int* woman) {
    const QList<QByteArray> parts = line.trimmed().split('\t');
    bool ok = false;
    const int count = parts.size() == 3 && parts.at(0) == kHeading ? parts.at(1).toInt(&ok) : -1;
    *woman = parts.value(2) == "2" ? kSecondSpeaker : kFirstSpeaker;
    return ok && count >= 1 && count <= kMostSentences ? count : -1;
}

// A side as import leaves it: cleaned, not empty, not too long.
bool validSide(QByteArrayView bytes) {
    const QString text = QString::fromUtf8(bytes);
    return !text.isEmpty() && text.toUtf8() == bytes && plainSentence(text) == text &&
           characterCount(text) <= kLongestSide;
}

bool validLine(QByteArrayView line) {
    if (line.size() < 5 || (line.at(0) != '1' && line.at(0) != '2') || line.at(1) != '\t')
        return false;
    const qsizetype tab = line.indexOf('\t', 2);
    return tab > 0 && validSide(line.sliced(2, tab - 2)) && validSide(line.sliced(tab + 1));
}

} // namespace

OwnLessonStore::OwnLessonStore(QString folder) : mFolder(std::move(folder)) {}

QString OwnLessonStore::defaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/parlavo/lessons");
}

QString OwnLessonStore::nameProblem(const QString& name) {
    if (name.isEmpty() || plainSentence(name) != name)
        return QStringLiteral("a lesson's name needs a letter and no control characters or blanks at its ends");
    if (characterCount(name) > kLongestName)
        return QStringLiteral("a lesson's name has at most %1 characters").arg(kLongestName);
    if (name.compare(lessonNames().first(), Qt::CaseInsensitive) == 0)
        return QStringLiteral("\"%1\" is the name of all the built-in lessons").arg(name);
    return {};
}

QString OwnLessonStore::pathOf(const QString& name) const {
    return mFolder + u'/' + QString::fromLatin1(QUrl::toPercentEncoding(name, {}, ".")) + QLatin1String(kSuffix);
}

QList<OwnLessonEntry> OwnLessonStore::list() const {
    QList<OwnLessonEntry> entries;
    const QStringList files = QDir(mFolder).entryList({QStringLiteral("*") + QLatin1String(kSuffix)}, QDir::Files);
    for (const QString& file : files) {
        QFile lesson(mFolder + u'/' + file);
        int woman = 0;
        const int count = lesson.open(QIODevice::ReadOnly) ? headingCount(lesson.readLine(64), &woman) : -1;
        const QString name = QUrl::fromPercentEncoding(file.chopped(int(qstrlen(kSuffix))).toLatin1());
        if (nameProblem(name).isEmpty())
            entries.append({name, count});
    }
    std::sort(entries.begin(), entries.end(), [](const OwnLessonEntry& a, const OwnLessonEntry& b) {
        return QString::localeAwareCompare(a.name, b.name) < 0;
    });
    return entries;
}

bool OwnLessonStore::contains(const QString& name) const {
    return QFile::exists(pathOf(name));
}

bool OwnLessonStore::save(const QString& name, const OwnLesson& lesson, QString* error) {
    if (*error = nameProblem(name); !error->isEmpty())
        return false;
    if (lesson.isEmpty() || lesson.size() > kMostSentences) {
        *error = QStringLiteral("a lesson holds 1 to %1 sentences").arg(kMostSentences);
        return false;
    }
    if (!QDir().mkpath(mFolder)) {
        *error = QStringLiteral("%1: cannot make the folder").arg(mFolder);
        return false;
    }
    QSaveFile file(pathOf(name));
    if (file.open(QIODevice::WriteOnly)) {
        file.write(QByteArray(kHeading) + '\t' + QByteArray::number(lesson.size()) + '\t' +
                   QByteArray::number(lesson.woman()) + '\n');
        file.write(lesson.text());
        if (file.commit())
            return true;
    }
    *error = QStringLiteral("%1: %2").arg(file.fileName(), file.errorString());
    return false;
}

bool OwnLessonStore::remove(const QString& name, QString* error) {
    QFile file(pathOf(name));
    if (!file.exists()) {
        *error = QStringLiteral("there is no lesson \"%1\"").arg(name);
        return false;
    }
    if (file.remove())
        return true;
    *error = QStringLiteral("%1: %2").arg(file.fileName(), file.errorString());
    return false;
}

std::optional<OwnLesson> OwnLessonStore::load(const QString& name, QString* error) const {
    QFile file(pathOf(name));
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestStored) {
        *error = QStringLiteral("%1: cannot be read").arg(file.fileName());
        return std::nullopt;
    }
    QByteArray text = file.readAll();
    const qsizetype headingEnd = text.indexOf('\n');
    int woman = kFirstSpeaker;
    const int count = headingCount(text.left(headingEnd), &woman);
    std::vector<quint32> starts;
    starts.reserve(std::max(count, 0));
    for (qsizetype at = headingEnd + 1; count > 0 && at > 0 && at < text.size();) {
        const qsizetype end = text.indexOf('\n', at);
        if (end < 0 || !validLine(QByteArrayView(text).sliced(at, end - at))) {
            *error = QStringLiteral("%1:%2: damaged").arg(file.fileName()).arg(starts.size() + 2);
            return std::nullopt;
        }
        starts.push_back(quint32(at));
        at = end + 1;
    }
    if (count < 1 || int(starts.size()) != count) {
        *error = QStringLiteral("%1:1: damaged: the count of sentences is wrong").arg(file.fileName());
        return std::nullopt;
    }
    return OwnLesson(std::move(text), std::move(starts), woman);
}

} // namespace parlavo
