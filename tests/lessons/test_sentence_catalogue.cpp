#include "lessons/sentence_catalogue.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace parlavo;

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
};

QTEST_GUILESS_MAIN(TestSentenceCatalogue)
#include "test_sentence_catalogue.moc"
