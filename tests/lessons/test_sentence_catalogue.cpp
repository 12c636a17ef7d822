#include "lessons/sentence_catalogue.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <climits>

using namespace parlavo;

namespace {

int idOf(int lesson, int line, int languageOffset) {
    return kFirstSentenceId + languageOffset + kIdsPerLesson * lesson + line;
}

QString text(int lesson, int line, int languageOffset) {
    return sentenceText(idOf(lesson, line, languageOffset));
}

// Every text of one language in lessons 1 to 17, each once.
QStringList courseTexts(int languageOffset) {
    QStringList texts;
    for (int lesson = 1; lesson <= kChoosableLessons; ++lesson) {
        for (int line = 1; line <= kLinesPerLesson; ++line)
            texts << text(lesson, line, languageOffset);
    }
    texts.removeDuplicates();
    return texts;
}

} // namespace

class TestSentenceCatalogue : public QObject {
    Q_OBJECT

private slots:
    // A dialogue of `length` different lines fills lines 1..34 by starting over; 18 and 19 replay 1 and 2.
    // Each line keeps its speaker through all of that, and each dialogue is two people's, opened by the first.
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
        QCOMPARE(sentenceSpeaker(idOf(lesson, 1, 0)), kFirstSpeaker);
        for (int language : {0, kEnglishOffset}) {
            QSet<QString> dialogue;
            QSet<int> speakers;
            for (int line = 1; line <= kLinesPerLesson; ++line) {
                const int written = line > length ? line - length : line;
                QCOMPARE(text(lesson, line, language), text(writtenAs, written, language));
                QCOMPARE(sentenceSpeaker(idOf(lesson, line, language)), sentenceSpeaker(idOf(writtenAs, written, 0)));
                if (line <= length)
                    dialogue << text(lesson, line, language);
                speakers << sentenceSpeaker(idOf(lesson, line, language));
            }
            QCOMPARE(dialogue.size(), length);
            QCOMPARE(speakers, (QSet<int>{kFirstSpeaker, kSecondSpeaker}));
        }
    }

    void idsHoldTheirTextOrNothing_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("text"); // null: no entry at all
        QTest::addColumn<int>("speaker");
        QTest::newRow("note belongs to nobody") << 10000 << "Parlavo: diecisiete diálogos de cada día." << kNoSpeaker;
        QTest::newRow("greeting keeps its blank") << 10101 << "¡Hola! ¡Buenos días! " << kFirstSpeaker;
        QTest::newRow("greeting") << 20101 << "Hello. Good morning." << kFirstSpeaker;
        QTest::newRow("greeting answered") << 10102 << "¡Buenos días! ¿Qué tal?" << kSecondSpeaker;
        QTest::newRow("Pablo takes leave of Carmen") << 10116 << "¡Hasta luego, Carmen!" << kSecondSpeaker;
        QTest::newRow("farewell") << 10117 << "¡Adiós!" << kFirstSpeaker;
        QTest::newRow("farewell keeps its apostrophe") << 20117 << "'Bye." << kFirstSpeaker;
        QTest::newRow("cafe opening") << 11101 << "Oiga, por favor." << kFirstSpeaker;
        QTest::newRow("cafe opening in English") << 21101 << "Excuse me, please." << kFirstSpeaker;
        for (int id : {INT_MIN, 0,     -10101, 9999,  10001, 10034, 10100, 10135, 10199, 11000,
                       12001,   20000, 20100,  21935, 22001, 29999, 30000, 30101, 40101, INT_MAX})
            QTest::addRow("%d", id) << id << QString() << kNoSpeaker;
    }
    void idsHoldTheirTextOrNothing() {
        QFETCH(int, id);
        QFETCH(QString, text);
        QFETCH(int, speaker);
        if (text.isNull()) {
            QVERIFY_THROWS_EXCEPTION(SentenceNotFound, sentenceText(id));
            QVERIFY_THROWS_EXCEPTION(SentenceNotFound, sentenceSpeaker(id));
        } else {
            QCOMPARE(sentenceText(id), text);
            QCOMPARE(sentenceSpeaker(id), speaker);
        }
    }

    // Texts are short and use only the course's alphabet. The id just before lesson 1 is reserved for a note that is
    // no lesson line.
    void everyTextIsShortAndSpelledRight_data() {
        QTest::addColumn<QString>("dictionary");
        QTest::addColumn<int>("languageOffset");
        QTest::newRow("Spanish") << QStringLiteral("es_ES") << 0;
        QTest::newRow("English") << QStringLiteral("en_US") << kEnglishOffset;
    }
    void everyTextIsShortAndSpelledRight() {
        QFETCH(QString, dictionary);
        QFETCH(int, languageOffset);
        static const QRegularExpression allowed(QStringLiteral("^[A-Za-z0-9 !-/:-@\\[-`{-~áéíóúüñÁÉÍÓÚÑ¿¡]{3,98}$"));
        const QString note = sentenceText(kFirstSentenceId);
        const QStringList texts = courseTexts(languageOffset);
        QVERIFY(!texts.contains(note));
        for (const QString& text : texts + QStringList{note})
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
