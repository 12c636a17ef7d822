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
    int speaker;
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
    for (const QJsonValue& value : lines) {
        const QJsonObject line = value.toObject();
        if (!line.value(QLatin1String("es")).isString() || !line.value(QLatin1String("en")).isString())
            refuse(QStringLiteral("every line needs an \"es\" and an \"en\" text"));
        // toInt() gives the default for anything but a whole number, so a missing or mistyped speaker is caught too.
        const int speaker = line.value(QLatin1String("speaker")).toInt(kNoSpeaker);
        if (speaker != kFirstSpeaker && speaker != kSecondSpeaker)
            refuse(QStringLiteral("every line needs a \"speaker\" of %1 or %2").arg(kFirstSpeaker).arg(kSecondSpeaker));
        dialogue.append(
            {line.value(QLatin1String("es")).toString(), line.value(QLatin1String("en")).toString(), speaker});
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

struct Sentence {
    const DialogueLine* line; // null for the note
    bool english;
};

Sentence findSentence(int id) {
    if (id == kFirstSentenceId)
        return {nullptr, false};
    if (id < kFirstSentenceId || id >= kFirstSentenceId + 2 * kEnglishOffset)
        throw SentenceNotFound(id);
    const int offset = id - kFirstSentenceId;
    const int lesson = offset % kEnglishOffset / kIdsPerLesson;
    const int line = offset % kIdsPerLesson;
    if (lesson < 1 || lesson > kLastLesson || line < 1 || line > kLinesPerLesson)
        throw SentenceNotFound(id);

    const int writtenLesson = lesson > kChoosableLessons ? lesson - kChoosableLessons : lesson;
    const QList<DialogueLine>& dialogue = catalogue().dialogues.at(writtenLesson - 1);
    return {&dialogue.at((line - 1) % dialogue.size()), offset >= kEnglishOffset};
}

} // namespace

SentenceNotFound::SentenceNotFound(int id)
    : std::runtime_error("no sentence has the id " + std::to_string(id)), mId(id) {}

QString sentenceText(int id) {
    const Sentence sentence = findSentence(id);
    if (!sentence.line)
        return catalogue().note;
    return sentence.english ? sentence.line->english : sentence.line->spanish;
}

int sentenceSpeaker(int id) {
    const Sentence sentence = findSentence(id);
    return sentence.line ? sentence.line->speaker : kNoSpeaker;
}

const QStringList& lessonNames() {
    return catalogue().names;
}

} // namespace parlavo
