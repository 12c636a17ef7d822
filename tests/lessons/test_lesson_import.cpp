#include "lessons/lesson_import.h"

#include <QFile>
#include <QTest>

using namespace parlavo;

namespace {

QByteArray sample(const QString& name) {
    QFile file(QStringLiteral(PARLAVO_SAMPLES "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing sample %s", qPrintable(name));
    return file.readAll();
}

QString skippedLines(const ParsedLesson& lesson) {
    QStringList lines;
    for (const SkippedRow& row : lesson.skipped)
        lines << QStringLiteral("%1%2").arg(row.line).arg(row.reason == SkipReason::TooLong ? "L" : "");
    return lines.join(u' ');
}

} // namespace

class TestLessonImport : public QObject {
    Q_OBJECT

private slots:
    // One small file per format and quirk: what is read from it, or the line its refusal names.
    void readsSamples_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("askSpanish");
        QTest::addColumn<int>("askEnglish");
        QTest::addColumn<QString>("columns"); // chosen, from 1
        QTest::addColumn<int>("count");       // sentences read
        QTest::addColumn<QString>("first");   // first sentence, "spanish | english"
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("skipped"); // lines skipped; L marks too long
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("notice");

        QTest::newRow("Anki header columns")
            << "anki_columns.txt" << 0 << 0 << "3,4" << 2 << "¿Dónde está la estación? | Where is the station?"
            << "Un café, por favor. | A coffee, please."
            << ""
            << "" << false;
        QTest::newRow("Anki HTML, sound, cloze")
            << "anki_html.txt" << 0 << 0 << "1,2" << 4 << "Me gusta el pan con tomate | I like bread with tomato"
            << "Escribe <b> así | Write that like this"
            << ""
            << "Comida y bebida" << false;
        QTest::newRow("Anki #columns names the languages")
            << "anki_named_columns.txt" << 0 << 0 << "2,1" << 2 << "Hotel | Hotel"
            << "Chocolate | Chocolate"
            << ""
            << "" << false;
        QTest::newRow("quoted field over two lines")
            << "anki_multiline.txt" << 0 << 0 << "1,2" << 2 << "Dijo \"hola\" y se fue | He said \"hello\""
            << "Buenas noches | Good night"
            << ""
            << "" << false;
        QTest::newRow("BOM, CRLF, header row")
            << "bom_crlf_header.csv" << 0 << 0 << "1,2" << 2 << "Sí, claro | Yes, of course"
            << "Gracias | Thanks"
            << ""
            << "" << false;
        QTest::newRow("semicolons, extra column")
            << "semicolons.csv" << 0 << 0 << "1,2" << 3 << "Buenos días | Good morning"
            << "¿Y tú? | And you?"
            << ""
            << "" << false;
        QTest::newRow("English first") << "english_first.tsv" << 0 << 0 << "2,1" << 3
                                       << "¿Dónde está el baño? | Where is the bathroom?"
                                       << "Muchas gracias | Thank you very much"
                                       << ""
                                       << "" << false;
        QTest::newRow("columns as asked")
            << "english_first.tsv" << 1 << 0 << "1,2" << 3 << "Where is the bathroom? | ¿Dónde está el baño?"
            << "Thank you very much | Muchas gracias"
            << ""
            << "" << false;
        QTest::newRow("Windows-1252") << "windows1252.csv" << 0 << 0 << "1,2" << 2 << "Mañana | Tomorrow"
                                      << "¿Qué? | “What?”"
                                      << ""
                                      << "" << true;
        QTest::newRow("over-long and empty sides") << "overlong.txt" << 0 << 0 << "1,2" << 2 << "Hola | Hello"
                                                   << "Adiós | Bye"
                                                   << "2L 3"
                                                   << "" << false;
        QTest::newRow("quotes in plain lines") << "stray_quote.txt" << 0 << 0 << "1,2" << 2 << "\"Hola | Hello"
                                               << "El \"tren\" sale | The \"train\" leaves"
                                               << ""
                                               << "" << false;
        QTest::newRow("JSON lesson") << "lesson.json" << 0 << 0 << "1,2" << 2 << "¿Está libre? | Is it free?"
                                     << "Sí, <b>siéntese</b>. | Yes, sit down."
                                     << "3"
                                     << "En el tren" << false;
        QTest::newRow("control characters") << "controls.txt" << 0 << 0 << "1,2" << 1 << "Hola mundo | Hello world"
                                            << "Hola mundo | Hello world"
                                            << ""
                                            << "" << false;
    }
    void readsSamples() {
        QFETCH(QString, file);
        QFETCH(int, askSpanish);
        QFETCH(int, askEnglish);
        const ImportOutcome outcome = parseLesson(sample(file), {askSpanish, askEnglish});
        QVERIFY2(!outcome.refused(), qPrintable(outcome.problem.reason));
        const ParsedLesson& lesson = outcome.lesson;
        auto text = [](const LessonLine& line) {
            return line.spanish + " | " + line.english;
        };
        QTEST(QStringLiteral("%1,%2").arg(lesson.columns.spanish).arg(lesson.columns.english), "columns");
        QTEST(int(lesson.lines.size()), "count");
        QTEST(text(lesson.lines.line(1)), "first");
        QTEST(text(lesson.lines.line(lesson.lines.size())), "last");
        QTEST(skippedLines(lesson), "skipped");
        QTEST(lesson.name, "name");
        QTEST(!lesson.notices.isEmpty(), "notice");
    }

    // A refusal reads nothing and names the line to look at.
    void refusesWithLine_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("askSpanish");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("reason");
        QTest::newRow("binary") << sample("binary.txt") << 0 << 3 << "not a text file";
        QTest::newRow("empty") << sample("empty.txt") << 0 << 1 << "empty";
        QTest::newRow("one column") << sample("one_column.txt") << 0 << 1 << "only one column";
        QTest::newRow("quote never closes") << sample("unclosed.csv") << 0 << 2 << "never closes";
        QTest::newRow("broken JSON") << sample("broken.json") << 0 << 3 << "not valid JSON";
        QTest::newRow("no such column") << sample("semicolons.csv") << 4 << 1 << "no column 4";
        QTest::newRow("unknown separator") << QByteArray("#separator:Stars\na*b\n") << 0 << 1 << "unknown separator";
        QTest::newRow("over 10 MB") << QByteArray(kLargestImport + 1, 'a') << 0 << 0 << "larger than 10 MB";
        QByteArray many;
        for (int i = 0; i <= kMostSentences; ++i)
            many += "Hola\tHello\n";
        QTest::newRow("too many sentences") << many << 0 << kMostSentences + 1 << "at most";
    }
    void refusesWithLine() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, askSpanish);
        QFETCH(QString, reason);
        const ImportOutcome outcome = parseLesson(bytes, {askSpanish, 0});
        QVERIFY(outcome.refused());
        QVERIFY2(outcome.problem.reason.contains(reason), qPrintable(outcome.problem.reason));
        QTEST(outcome.problem.line, "line");
        QVERIFY(outcome.lesson.lines.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestLessonImport)
#include "test_lesson_import.moc"
