#include "lessons/sentence_catalogue.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace parlavo;

Q_DECLARE_METATYPE(parlavo::ReadingPosition)

class TestSentenceCatalogue : public QObject {
    Q_OBJECT

private slots:
    // A dialogue of `length` different lines fills lines 1..34 by starting over; 18 and 19 replay 1 and 2. Each line
    // keeps its speaker through all of that, and each dialogue is two people's, opened by the first.
    void everyLessonRepeatsItsDialogueOverAllLines_data() {
        QTest::addColumn<int>("lesson");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("writtenAs");
        const int lengths[] = {17, 32, 23, 24, 19, 23, 26, 32, 32, 20, 33, 14, 32, 22, 34, 18, 31};
        for (int lesson = 1; lesson <= kChoosableLessons; ++lesson)
            QTest::addRow("lesson %d", lesson) << lesson << lengths[lesson - 1] << lesson;
        QTest::newRow("lesson 18") << 18 << 17 << 1;
        QTest::newRow("lesson 19") << 19 << 32 << 2;
    }
    void everyLessonRepeatsItsDialogueOverAllLines() {
        QFETCH(int, lesson);
        QFETCH(int, length);
        QFETCH(int, writtenAs);
        QCOMPARE(lessonLine({lesson, 1}).speaker, kFirstSpeaker);
        QSet<QString> dialogue;
        QSet<int> speakers;
        QSet<bool> women;
        for (int line = 1; line <= kLinesPerLesson; ++line) {
            const LessonLine& text = lessonLine({lesson, line});
            const LessonLine& written = lessonLine({writtenAs, line > length ? line - length : line});
            QCOMPARE(&text, &written);
            if (line <= length)
                dialogue << text.spanish + text.english;
            speakers << text.speaker;
            women << text.saidByWoman;
        }
        QCOMPARE(dialogue.size(), length);
        QCOMPARE(speakers, (QSet<int>{kFirstSpeaker, kSecondSpeaker}));
        QCOMPARE(women, (QSet<bool>{true, false}));
    }

    void linesHoldTheirText_data() {
        QTest::addColumn<ReadingPosition>("position");
        QTest::addColumn<QString>("spanish");
        QTest::addColumn<QString>("english");
        QTest::addColumn<int>("speaker");
        QTest::newRow("greeting keeps its blank") << ReadingPosition{1, 1} << "¡Hola! ¡Buenos días! "
                                                  << "Hello. Good morning." << kFirstSpeaker;
        QTest::newRow("greeting answered")
            << ReadingPosition{1, 2} << "¡Buenos días! ¿Qué tal?" << QString() << kSecondSpeaker;
        QTest::newRow("farewell keeps its apostrophe") << ReadingPosition{1, 17} << "¡Adiós!"
                                                       << "'Bye." << kFirstSpeaker;
        QTest::newRow("cafe opening") << ReadingPosition{11, 1} << "Oiga, por favor."
                                      << "Excuse me, please." << kFirstSpeaker;
    }
    void linesHoldTheirText() {
        QFETCH(ReadingPosition, position);
        QFETCH(QString, spanish);
        QFETCH(QString, english);
        QFETCH(int, speaker);
        const LessonLine& line = lessonLine(position);
        QCOMPARE(line.spanish, spanish);
        if (!english.isNull())
            QCOMPARE(line.english, english);
        QCOMPARE(line.speaker, speaker);
    }

    // Texts are short and use only the course's alphabet; both languages pass the spelling check.
    void everyTextIsShortAndSpelledRight_data() {
        QTest::addColumn<QString>("dictionary");
        QTest::addColumn<bool>("english");
        QTest::newRow("Spanish") << QStringLiteral("es_ES") << false;
        QTest::newRow("English") << QStringLiteral("en_US") << true;
    }
    void everyTextIsShortAndSpelledRight() {
        QFETCH(QString, dictionary);
        QFETCH(bool, english);
        static const QRegularExpression allowed(QStringLiteral("^[A-Za-z0-9 !-/:-@\\[-`{-~áéíóúüñÁÉÍÓÚÑ¿¡]{3,98}$"));
        QStringList texts; // lessons 18 and 19 replay 1 and 2
        for (int lesson = 1; lesson <= kChoosableLessons; ++lesson)
            for (int line = 1; line <= kLinesPerLesson; ++line)
                texts << (english ? lessonLine({lesson, line}).english : lessonLine({lesson, line}).spanish);
        for (const QString& text : texts)
            QVERIFY2(allowed.match(text).hasMatch(), qPrintable(text));
        // hunspell lists the words that neither the dictionary nor the allowed names know.
        QProcess hunspell;
        hunspell.start(QStringLiteral("hunspell"),
                       {"-d", dictionary, "-p", PARLAVO_ALLOWED_NAMES, "-l", "-i", "UTF-8"});
        QVERIFY2(hunspell.waitForStarted(), "hunspell could not be started");
        hunspell.write(texts.join(u'\n').toUtf8() + '\n');
        hunspell.closeWriteChannel();
        QVERIFY(hunspell.waitForFinished());
        QCOMPARE(hunspell.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(hunspell.readAllStandardOutput()), QString());
    }

    void lessonNamesFollowTheCourse() {
        QCOMPARE(lessonNames().join(u'|'),
                 QStringLiteral("Entire|Say hello|Say more about yourself|Introduce your family|Say what you do|"
                                "Say where you live|Say where you're from|Introduce your friends|Shopping one|"
                                "Shopping two|Shopping three|Go to a cafe|Go to a hotel|Go to a restaurant|"
                                "Go to places|Go traveling|Healthy Living|Shows and events"));
    }
};

QTEST_GUILESS_MAIN(TestSentenceCatalogue)
#include "test_sentence_catalogue.moc"
