#include "lessons/lesson_json.h"

#include "lessons/import_text.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace parlavo {

namespace {

ImportOutcome refusal(int line, const QString& reason) {
    return {{}, {line, reason}};
}

// The object holding the lesson: the root, or the only one of a whole lessons file.
QJsonObject lessonObject(const QJsonObject& root, QString* problem) {
    if (!root.contains(QLatin1String("lessons")))
        return root;
    const QJsonArray lessons = root.value(QLatin1String("lessons")).toArray();
    if (lessons.size() != 1) {
        *problem = QStringLiteral("the file holds %1 lessons; import them one at a time").arg(lessons.size());
        return {};
    }
    return lessons.first().toObject();
}

} // namespace

bool looksLikeJson(const QString& text) {
    const QString start = text.left(64).trimmed();
    return start.startsWith(u'{') && !start.startsWith(u"{{");
}

ImportOutcome parseJsonLesson(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(utf8, &error);
    if (!document.isObject()) {
        const int line = int(utf8.left(error.offset).count('\n')) + 1;
        return refusal(line, QStringLiteral("not valid JSON: %1").arg(error.errorString()));
    }
    QString problem;
    const QJsonObject lesson = lessonObject(document.object(), &problem);
    if (!problem.isEmpty())
        return refusal(1, problem);
    if (!lesson.value(QLatin1String("lines")).isArray())
        return refusal(1, QStringLiteral("a JSON lesson needs a \"lines\" list"));
    const int woman =
        lesson.value(QLatin1String("woman")).toInt(kFirstSpeaker) == kSecondSpeaker ? kSecondSpeaker : kFirstSpeaker;
    ImportOutcome outcome;
    ParsedLesson& parsed = outcome.lesson;
    parsed.lines.setWoman(woman);
    parsed.name = plainSentence(lesson.value(QLatin1String("name")).toString());
    parsed.columnNames = {QStringLiteral("Spanish"), QStringLiteral("English")};
    parsed.columns = {1, 2};
    const QJsonArray lines = lesson.value(QLatin1String("lines")).toArray();
    if (lines.size() > kMostSentences)
        return refusal(1,
                       QStringLiteral("more than %1 sentences; a lesson holds at most that many").arg(kMostSentences));
    int place = 0;
    for (const QJsonValue& value : lines) {
        ++place;
        const QJsonObject line = value.toObject();
        const QString spanish = plainSentence(line.value(QLatin1String("es")).toString());
        const QString english = plainSentence(line.value(QLatin1String("en")).toString());
        if (spanish.isEmpty() || english.isEmpty()) {
            parsed.skipped.append({place, SkipReason::EmptySide});
            continue;
        }
        if (characterCount(spanish) > kLongestSide || characterCount(english) > kLongestSide) {
            parsed.skipped.append({place, SkipReason::TooLong});
            continue;
        }
        const int speaker = line.value(QLatin1String("speaker")).toInt(kFirstSpeaker) == kSecondSpeaker ? kSecondSpeaker
                                                                                                        : kFirstSpeaker;
        parsed.lines.append(spanish, english, speaker);
        if (parsed.firstRows.size() < 5)
            parsed.firstRows.append({spanish, english});
    }
    return outcome;
}

} // namespace parlavo
