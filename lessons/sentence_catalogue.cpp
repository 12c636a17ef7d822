#include "lessons/sentence_catalogue.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>

namespace parlavo {

namespace {

using DialogueLine = LessonLine;

struct Catalogue {
    QStringList names;
    QList<QList<DialogueLine>> dialogues; // lesson 1 first; each holds only the lines as written
};

// A broken lesson file is a fault of the build, not of the user's data, so it is refused as a whole.
[[noreturn]] void refuse(const QString& why) {
    throw std::runtime_error(QStringLiteral(":/lessons.json: %1").arg(why).toStdString());
}

// woman: which of the two speakers is the woman.
QList<DialogueLine> readDialogue(const QJsonArray& lines, int woman) {
    if (lines.isEmpty() || lines.size() > kLinesPerLesson)
        refuse(QStringLiteral("a dialogue must have 1 to %1 lines").arg(kLinesPerLesson));
    QList<DialogueLine> dialogue;
    for (const QJsonValue& value : lines) {
        const QJsonObject line = value.toObject();
        if (!line.value(QLatin1String("es")).isString() || !line.value(QLatin1String("en")).isString())
            refuse(QStringLiteral("every line needs an \"es\" and an \"en\" text"));
        // toInt() gives the default for anything but a whole number, so a missing or mistyped speaker is caught too.
        const int speaker = line.value(QLatin1String("speaker")).toInt(0);
        if (speaker != kFirstSpeaker && speaker != kSecondSpeaker)
            refuse(QStringLiteral("every line needs a \"speaker\" of %1 or %2").arg(kFirstSpeaker).arg(kSecondSpeaker));
        dialogue.append({line.value(QLatin1String("es")).toString(), line.value(QLatin1String("en")).toString(),
                         speaker, speaker == woman});
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
    catalogue.names << root.value(QLatin1String("allLessons")).toString();
    const QJsonArray lessons = root.value(QLatin1String("lessons")).toArray();
    if (lessons.size() != kChoosableLessons)
        refuse(QStringLiteral("there must be %1 lessons").arg(kChoosableLessons));
    for (const QJsonValue& lesson : lessons) {
        catalogue.names << lesson.toObject().value(QLatin1String("name")).toString();
        const int woman = lesson.toObject().value(QLatin1String("woman")).toInt(0);
        if (woman != kFirstSpeaker && woman != kSecondSpeaker)
            refuse(QStringLiteral("every lesson needs a \"woman\" of %1 or %2").arg(kFirstSpeaker).arg(kSecondSpeaker));
        catalogue.dialogues << readDialogue(lesson.toObject().value(QLatin1String("lines")).toArray(), woman);
    }
    return catalogue;
}

const Catalogue& catalogue() {
    static const Catalogue loaded = readCatalogue();
    return loaded;
}

} // namespace

const LessonLine& lessonLine(const ReadingPosition& position) {
    const int lesson = position.lesson > kChoosableLessons ? position.lesson - kChoosableLessons : position.lesson;
    const QList<LessonLine>& dialogue = catalogue().dialogues.at(lesson - 1);
    return dialogue.at((position.line - 1) % dialogue.size());
}

int dialogueLength(int lesson) {
    return int(catalogue().dialogues.at(lesson - 1).size());
}

const QStringList& lessonNames() {
    return catalogue().names;
}

} // namespace parlavo
