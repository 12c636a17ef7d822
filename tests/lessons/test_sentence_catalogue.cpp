#include "lessons/sentence_catalogue.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <climits>

using namespace parlavo;

namespace {

// Dialogue lengths of lessons 1 to 17 as the course was written.
constexpr int kDialogueLength[] = {17, 32, 23, 24, 19, 23, 26, 32, 32, 20, 33, 14, 32, 22, 34, 18, 31};

int spanishId(int lesson, int line) {
    return kFirstSentenceId + kIdsPerLesson * lesson + line;
}

QString lineTexts(int lesson, int line) {
    return LoadSentenceText(spanishId(lesson, line)) + u'|' + LoadSentenceText(spanishId(lesson, line) + 10000);
}

// The shortest p for which every line repeats the line p before it.
int repetitionPeriod(int lesson) {
    for (int period = 1; period < kLinesPerLesson; ++period) {
        bool repeats = true;
        for (int line = period + 1; line <= kLinesPerLesson && repeats; ++line)
            repeats = lineTexts(lesson, line) == lineTexts(lesson, line - period);
        if (repeats)
            return period;
    }
    return kLinesPerLesson;
}

QStringList writtenTexts() {
    QStringList texts{LoadSentenceText(kFirstSentenceId)};
    for (int lesson = 1; lesson <= kChoosableLessons; ++lesson) {
        for (int line = 1; line <= kDialogueLength[lesson - 1]; ++line)
            texts << LoadSentenceText(spanishId(lesson, line)) << LoadSentenceText(spanishId(lesson, line) + 10000);
    }
    return texts;
}

} // namespace

class TestSentenceCatalogue : public QObject {
    Q_OBJECT

private slots:
    void everyLessonRepeatsItsDialogueOverAllLines_data() {
        QTest::addColumn<int>("lesson");
        for (int lesson = 1; lesson <= kChoosableLessons; ++lesson)
            QTest::addRow("lesson %d", lesson) << lesson;
    }
    void everyLessonRepeatsItsDialogueOverAllLines() {
        QFETCH(int, lesson);
        QCOMPARE(repetitionPeriod(lesson), kDialogueLength[lesson - 1]);
    }

    void lastTwoLessonsReplayTheFirstTwo_data() {
        QTest::addColumn<int>("lesson");
        QTest::addColumn<int>("original");
        QTest::newRow("18") << 18 << 1;
        QTest::newRow("19") << 19 << 2;
    }
    void lastTwoLessonsReplayTheFirstTwo() {
        QFETCH(int, lesson);
        QFETCH(int, original);
        for (int line = 1; line <= kLinesPerLesson; ++line)
            QCOMPARE(lineTexts(lesson, line), lineTexts(original, line));
    }

    void idsOutsideTheLessonsHoldNothing_data() {
        QTest::addColumn<int>("id");
        for (int id : {INT_MIN, 0,     -10101, 9999,  10001, 10034, 10100, 10135, 10199, 11000,
                       12001,   20000, 20100,  21935, 22001, 29999, 30000, 30101, 40101, INT_MAX})
            QTest::addRow("%d", id) << id;
    }
    void idsOutsideTheLessonsHoldNothing() {
        QFETCH(int, id);
        QVERIFY_THROWS_EXCEPTION(SentenceNotFound, LoadSentenceText(id));
    }

    void reservedIdHoldsANoteThatIsNoLessonLine() {
        const QString note = LoadSentenceText(kFirstSentenceId);
        QVERIFY(note.size() >= 3);
        QVERIFY(!writtenTexts().mid(1).contains(note));
    }

    void tellingEntriesAreExact_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("text");
        QTest::newRow("greeting keeps its blank") << 10101 << QStringLiteral("¡Hola! ¡Buenos días! ");
        QTest::newRow("greeting") << 20101 << QStringLiteral("Hello. Good morning.");
        QTest::newRow("farewell") << 10117 << QStringLiteral("¡Adiós!");
        QTest::newRow("farewell keeps its apostrophe") << 20117 << QStringLiteral("'Bye.");
        QTest::newRow("cafe opening") << 11101 << QStringLiteral("Oiga, por favor.");
        QTest::newRow("cafe opening in English") << 21101 << QStringLiteral("Excuse me, please.");
        QTest::newRow("first line again after the dialogue") << 10118 << QStringLiteral("¡Hola! ¡Buenos días! ");
    }
    void tellingEntriesAreExact() {
        QFETCH(int, id);
        QFETCH(QString, text);
        QCOMPARE(LoadSentenceText(id), text);
    }

    void textsAreShortAndUseOnlyTheCourseAlphabet() {
        static const QRegularExpression allowed(QStringLiteral("^[A-Za-z0-9 !-/:-@\\[-`{-~áéíóúüñÁÉÍÓÚÑ¿¡]{3,98}$"));
        for (const QString& text : writtenTexts())
            QVERIFY2(allowed.match(text).hasMatch(), qPrintable(text));
    }

    void travelDialogueNeverRepeatsALine() {
        QSet<QString> spanish, english;
        for (int line = 1; line <= kLinesPerLesson; ++line) {
            spanish << LoadSentenceText(spanishId(15, line));
            english << LoadSentenceText(spanishId(15, line) + 10000);
        }
        QCOMPARE(spanish.size(), kLinesPerLesson);
        QCOMPARE(english.size(), kLinesPerLesson);
    }

    void lessonNamesFollowTheCourse() {
        const QStringList expected = {"Entire",
                                      "Say hello",
                                      "Say more about yourself",
                                      "Introduce your family",
                                      "Say what you do",
                                      "Say where you live",
                                      "Say where you're from",
                                      "Introduce your friends",
                                      "Shopping one",
                                      "Shopping two",
                                      "Shopping three",
                                      "Go to a cafe",
                                      "Go to a hotel",
                                      "Go to a restaurant",
                                      "Go to places",
                                      "Go traveling",
                                      "Healthy Living",
                                      "Shows and events"};
        QCOMPARE(lessonNames(), expected);
    }
};

QTEST_GUILESS_MAIN(TestSentenceCatalogue)
#include "test_sentence_catalogue.moc"
