#include "app/command_line.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace parlavo;

// The lesson commands as the terminal sees them, each scenario in a fresh data folder. Steps are separated by
// " ; "; only the last step's exit status and output are compared, so earlier steps set the scene.
class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void commands_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("status"); // -1: the program starts the strip
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::newRow("import") << "--import @anki_html.txt" << 0 << "Imported \"Comida y bebida\": 4 sentences"
                                << "";
        QTest::newRow("name taken") << "--import @lesson.json ; --import @anki_html.txt --name=En\\ el\\ tren" << 1
                                    << ""
                                    << "exists; add --replace";
        QTest::newRow("replace") << "--import @lesson.json ; --import @semicolons.csv --name En\\ el\\ tren --replace "
                                    "; --list-lessons"
                                 << 0 << "En el tren: 3 sentences"
                                 << "";
        QTest::newRow("refusal changes nothing")
            << "--import @lesson.json ; --import @unclosed.csv --name En\\ el\\ tren --replace" << 1 << ""
            << "unclosed.csv:2: a quoted field opens here and never closes";
        QTest::newRow("kept after a refusal")
            << "--import @lesson.json ; --import @binary.txt --name En\\ el\\ tren --replace ; --list-lessons" << 0
            << "En el tren: 2 sentences"
            << "";
        QTest::newRow("built-in first") << "--import @lesson.json ; --list-lessons" << 0
                                        << "Say hello: 17 sentences (built in)\n"
                                        << "";
        QTest::newRow("skipped rows") << "--import @overlong.txt" << 0
                                      << "overlong.txt:2: a side is longer than 300 characters"
                                      << "";
        QTest::newRow("Windows-1252 notice") << "--import @windows1252.csv" << 0 << "read as Windows-1252"
                                             << "";
        QTest::newRow("columns given") << "--import @english_first.tsv --spanish-column 1" << 0
                                       << "Spanish from column 1, English from column 2"
                                       << "";
        QTest::newRow("remove")
            << "--import @lesson.json ; --remove-lesson En\\ el\\ tren ; --remove-lesson En\\ el\\ tren" << 1 << ""
            << "no lesson \"En el tren\"";
        QTest::newRow("remove a missing one") << "--remove-lesson Nada" << 1 << ""
                                              << "no lesson \"Nada\"";
        QTest::newRow("name of the whole course") << "--import @lesson.json --name Entire" << 1 << ""
                                                  << "built-in lessons";
        QTest::newRow("unknown option") << "--frobnicate" << 2 << ""
                                        << "unknown option --frobnicate\nUsage:";
        QTest::newRow("stray word") << "lesson.txt" << 2 << ""
                                    << "Usage:";
        QTest::newRow("import option alone") << "--replace" << 2 << ""
                                             << "go with --import";
        QTest::newRow("column 0") << "--import @lesson.json --spanish-column 0" << 2 << ""
                                  << "Usage:";
        QTest::newRow("two actions") << "--list-lessons --remove-lesson x" << 2 << ""
                                     << "Usage:";
        QTest::newRow("export without a file") << "--export-progress" << 2 << ""
                                               << "Usage:";
        QTest::newRow("export and a lesson command") << "--export-progress - --list-lessons" << 2 << ""
                                                     << "Usage:";
        QTest::newRow("session restart") << "-session 1234abc" << -1 << ""
                                         << "";
        QTest::newRow("nothing") << "" << -1 << ""
                                 << "";
    }
    void commands() {
        QFETCH(QString, steps);
        QTemporaryDir data;
        qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
        int status = -1;
        QString printed;
        QString complained;
        for (const QString& step : steps.split(QStringLiteral(" ; "))) {
            QStringList arguments;
            for (const QString& word : step.split(QRegularExpression(QStringLiteral("(?<!\\\\) ")), Qt::SkipEmptyParts))
                arguments << QString(word)
                                 .replace(QStringLiteral("\\ "), QStringLiteral(" "))
                                 .replace(u'@', QStringLiteral(PARLAVO_SAMPLES "/"));
            const CommandLine command = parseCommandLine(arguments);
            printed.clear();
            complained.clear();
            QTextStream outStream(&printed);
            QTextStream errStream(&complained);
            status = command.action == CommandLine::Action::Run ? -1 : runCommand(command, outStream, errStream);
        }
        QTEST(status, "status");
        QFETCH(QString, out);
        QFETCH(QString, err);
        QVERIFY2(printed.contains(out), qPrintable(printed));
        QVERIFY2(complained.contains(err), qPrintable(complained));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_command_line.moc"
