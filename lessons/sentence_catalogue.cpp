#include "lessons/sentence_catalogue.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>

#include <string>

namespace parlavo {

namespace {

struct DialogueLine {
    QString spanish;
    QString english;
};

struct Catalogue {
    QString note; // kept under the id just before lesson 1, which belongs to no lesson
    QStringList names;
    QList<QList<DialogueLine>> dialogues; // lesson 1 first; each holds only the lines as written
};

// A broken lesson file is a fault of the build, not of the user's data, so it is refused as a whole.
[[noreturn]] void refuse(const QString& why) {
    throw std::runtime_error(QStringLiteral(":/lessons.json: %1").arg(why).toStdString());
}

QList<DialogueLine> readDialogue(const QJsonArray& lines) {
    if (lines.isEmpty() || lines.size() > kLinesPerLesson)
        refuse(QStringLiteral("a dialogue must have 1 to %1 lines").arg(kLinesPerLesson));
    QList<DialogueLine> dialogue;
    for (const QJsonValue& line : lines) {
        const QJsonObject texts = line.toObject();
        if (!texts.value(QLatin1String("es")).isString() || !texts.value(QLatin1String("en")).isString())
            refuse(QStringLiteral("every line needs an \"es\" and an \"en\" text"));
        dialogue.append({texts.value(QLatin1String("es")).toString(), texts.value(QLatin1String("en")).toString()});
    }
    return dialogue;
}

Catalogue readCatalogue() {
    QFile file(QStringLiteral(":/lessons.json"));
    if (!file.open(QIODevice::ReadOnly))
        refuse(QStringLiteral("missing from the resources"));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (!document.isObject())
        refuse(error.errorString());

    const QJsonObject root = document.object();
    Catalogue catalogue;
    catalogue.note = root.value(QLatin1String("note")).toString();
    catalogue.names << root.value(QLatin1String("allLessons")).toString();
    const QJsonArray lessons = root.value(QLatin1String("lessons")).toArray();
    if (lessons.size() != kChoosableLessons)
        refuse(QStringLiteral("there must be %1 lessons").arg(kChoosableLessons));
    for (const QJsonValue& lesson : lessons) {
        catalogue.names << lesson.toObject().value(QLatin1String("name")).toString();
        catalogue.dialogues << readDialogue(lesson.toObject().value(QLatin1String("lines")).toArray());
    }
    return catalogue;
}

const Catalogue& catalogue() {
    static const Catalogue loaded = readCatalogue();
    return loaded;
}

} // namespace

SentenceNotFound::SentenceNotFound(int id)
    : std::runtime_error("no sentence has the id " + std::to_string(id)), mId(id) {}

QString sentenceText(int id) {
    const Catalogue& texts = catalogue();
    if (id == kFirstSentenceId)
        return texts.note;
    if (id < kFirstSentenceId || id >= kFirstSentenceId + 2 * kEnglishOffset)
        throw SentenceNotFound(id);
    const int offset = id - kFirstSentenceId;
    const bool english = offset >= kEnglishOffset;
    const int lesson = offset % kEnglishOffset / kIdsPerLesson;
    const int line = offset % kIdsPerLesson;
    if (lesson < 1 || lesson > kLastLesson || line < 1 || line > kLinesPerLesson)
        throw SentenceNotFound(id);

    const int writtenLesson = lesson > kChoosableLessons ? lesson - kChoosableLessons : lesson;
    const QList<DialogueLine>& dialogue = texts.dialogues.at(writtenLesson - 1);
    const DialogueLine& written = dialogue.at((line - 1) % dialogue.size());
    return english ? written.english : written.spanish;
}

const QStringList& lessonNames() {
    return catalogue().names;
}

} // namespace parlavo
