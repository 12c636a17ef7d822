#include "progress/progress_csv.h"

#include <QStringList>

#include <algorithm>

namespace parlavo {

namespace {

QString field(const QString& text) {
    static const QString special = QStringLiteral(",\"\r\n");
    if (std::none_of(text.begin(), text.end(), [](QChar c) { return special.contains(c); }))
        return text;
    return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
}

const char* answerName(Grade grade) {
    switch (grade) {
    case Grade::Again:
        return "again";
    case Grade::Hard:
        return "hard";
    case Grade::Good:
        return "good";
    case Grade::Easy:
        return "easy";
    }
    return "";
}

} // namespace

bool writeProgressCsv(const std::vector<AnswerRecord>& answers, const DescribeSentence& describe, QIODevice& out) {
    QByteArray text = "time,lesson,line,spanish,english,answer,stability,difficulty,due\r\n";
    for (const AnswerRecord& answer : answers) {
        const SentenceDescription about = describe(answer.sentence);
        const QStringList row = {answer.after.lastAnswer.toUTC().toString(Qt::ISODate),
                                 field(about.lessonName),
                                 about.line > 0 ? QString::number(about.line) : QString(),
                                 field(about.spanish),
                                 field(about.english),
                                 QString::fromLatin1(answerName(answer.grade)),
                                 QString::number(answer.after.stability, 'f', 4),
                                 QString::number(answer.after.difficulty, 'f', 4),
                                 answer.after.due.toString(Qt::ISODate)};
        text += row.join(QLatin1Char(',')).toUtf8() + "\r\n";
    }
    return out.write(text) == text.size();
}

} // namespace parlavo
