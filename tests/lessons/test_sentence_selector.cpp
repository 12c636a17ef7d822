#include "core/integer16.h"
#include "lessons/sentence_selector.h"
#include "tests/support/fake_services.h"

#include <QSet>
#include <QTest>

#include <cmath>
#include <random>

using namespace parlavo;
using parlavo::test::FakeMessageBox;
using parlavo::test::FakeRandomSource;

namespace {

const float kLargestDraw = std::nextafter(1.0f, 0.0f);
const QString kOldSpanish = QStringLiteral("old Spanish");
const QString kOldEnglish = QStringLiteral("old English");

// A selector over the real lessons, with the caption window's current texts and random id beside it.
struct Selection {
    SharedState state;
    FakeRandomSource random;
    FakeMessageBox messageBox;
    QString spanish = kOldSpanish;
    QString english = kOldEnglish;
    qint16 randomId = 0;

    Selection(qint16 rd, qint16 guage, qint16 guagen) {
        state.rd = rd;
        state.guage = guage;
        state.guagen = guagen;
    }
    bool select(SentenceLookup lookup = LoadSentenceText) {
        return SentenceSelector(state, random, messageBox, std::move(lookup)).selectInto({spanish, english, randomId});
    }
    bool shows(int id) const {
        return spanish == LoadSentenceText(id) && english == LoadSentenceText(id + kEnglishOffset);
    }
};

} // namespace

class TestSentenceSelector : public QObject {
    Q_OBJECT

private slots:
    void sequenceReadsOnFromThePosition_data() {
        QTest::addColumn<int>("guage");
        QTest::addColumn<int>("guagen");
        QTest::addColumn<int>("shown");
        QTest::addColumn<int>("after");
        QTest::newRow("last line of the lesson") << 3 << 10334 << 10334 << 10335;
        QTest::newRow("lesson starts over") << 3 << 10335 << 10301 << 10302;
        QTest::newRow("position in another lesson") << 3 << 10512 << 10301 << 10302;
        QTest::newRow("line 0 of the lesson") << 10 << 11000 << 11001 << 11002;
        QTest::newRow("position far off") << 17 << 30000 << 11701 << 11702;
        QTest::newRow("course: next lesson") << 0 << 10135 << 10201 << 10202;
        QTest::newRow("course: line 0") << 0 << 11000 << 11001 << 11002;
        QTest::newRow("course: last line") << 0 << 11934 << 11934 << 11935;
        QTest::newRow("course starts over") << 0 << 11935 << 10101 << 10102;
        QTest::newRow("course: position far off") << 0 << 30000 << 10101 << 10102;
    }
    void sequenceReadsOnFromThePosition() {
        QFETCH(int, guage);
        QFETCH(int, guagen);
        QFETCH(int, shown);
        QFETCH(int, after);
        Selection selection(1, guage, guagen);
        QVERIFY(selection.select());
        QVERIFY(selection.shows(shown));
        QCOMPARE(selection.state.guagen, after);
        QCOMPARE(selection.messageBox.shown, QStringList());
    }

    void sequenceRunsThroughInOrder_data() {
        QTest::addColumn<int>("guage");
        QTest::addColumn<int>("lessons");
        QTest::addColumn<int>("firstLesson");
        QTest::newRow("one lesson") << 5 << 1 << 5;
        QTest::newRow("whole course with its replays") << 0 << kLastLesson << 1;
    }
    void sequenceRunsThroughInOrder() {
        QFETCH(int, guage);
        QFETCH(int, lessons);
        QFETCH(int, firstLesson);
        Selection selection(1, guage, 10000 + 100 * firstLesson);
        for (int lesson = firstLesson; lesson < firstLesson + lessons; ++lesson) {
            for (int line = 1; line <= kLinesPerLesson; ++line) {
                selection.select();
                QVERIFY(selection.shows(10000 + 100 * lesson + line));
            }
        }
        selection.select();
        QVERIFY(selection.shows(10000 + 100 * firstLesson + 1));
        QCOMPARE(selection.messageBox.shown, QStringList());
    }

    void positionWithoutTextEndsInOneMessage_data() {
        QTest::addColumn<int>("guage");
        QTest::addColumn<int>("guagen");
        QTest::addColumn<QString>("message");
        QTest::newRow("course: before lesson 1") << 0 << 5000 << QStringLiteral("Parlavo|5001");
        QTest::newRow("lesson that does not exist") << 25 << 10101 << QStringLiteral("Parlavo|12501");
    }
    void positionWithoutTextEndsInOneMessage() {
        QFETCH(int, guage);
        QFETCH(int, guagen);
        QFETCH(QString, message);
        Selection selection(1, guage, guagen);
        selection.select();
        QCOMPARE(selection.messageBox.shown, QStringList{message});
        QCOMPARE(selection.spanish, kOldSpanish);
        QCOMPARE(selection.english, kOldEnglish);
    }

    void failedEnglishKeepsTheOldEnglishOnly() {
        Selection selection(1, 2, 10205);
        selection.select([](int id) {
            if (id >= 20000)
                throw SentenceNotFound(id);
            return LoadSentenceText(id);
        });
        QCOMPARE(selection.spanish, LoadSentenceText(10205));
        QCOMPARE(selection.english, kOldEnglish);
        QCOMPARE(selection.messageBox.shown, QStringList{"Parlavo|10205"});
    }

    void randomPickStaysInTheLesson_data() {
        QTest::addColumn<float>("draw");
        QTest::addColumn<int>("id");
        QTest::newRow("smallest") << 0.0f << 10501;
        QTest::newRow("middle") << 0.5f << 10518;
        QTest::newRow("largest") << kLargestDraw << 10534;
    }
    void randomPickStaysInTheLesson() {
        QFETCH(float, draw);
        QFETCH(int, id);
        Selection selection(0, 5, 10712);
        selection.random.values = {draw};
        QVERIFY(!selection.select());
        QCOMPARE(selection.randomId, id);
        QVERIFY(selection.shows(id));
        QCOMPARE(selection.state.guagen, 10712);
        QCOMPARE(selection.random.reseeds, 1);
    }

    void randomPickNeverFails() {
        for (int guage = 0; guage <= kChoosableLessons; ++guage) {
            for (float draw = 0.0f; draw < 1.0f; draw += 1.0f / 128) {
                Selection selection(0, guage, 0);
                selection.random.values = {draw, kLargestDraw - draw};
                selection.select();
                QCOMPARE(selection.messageBox.shown, QStringList());
            }
        }
    }

    void randomPickOverTheCourseDrawsLessonAndLine_data() {
        QTest::addColumn<float>("lineDraw");
        QTest::addColumn<float>("lessonDraw");
        QTest::addColumn<int>("id");
        QTest::newRow("first of all") << 0.0f << 0.0f << 10101;
        QTest::newRow("last of all") << kLargestDraw << kLargestDraw << 11734;
        QTest::newRow("same draw, different lesson") << 0.5f << 0.0f << 10118;
    }
    void randomPickOverTheCourseDrawsLessonAndLine() {
        QFETCH(float, lineDraw);
        QFETCH(float, lessonDraw);
        QFETCH(int, id);
        Selection selection(0, 0, 10101);
        selection.random.values = {lineDraw, lessonDraw};
        selection.select();
        QCOMPARE(selection.randomId, id);
        QCOMPARE(selection.random.reseeds, 2);
    }

    void randomPickOverTheCourseReachesEveryLesson() {
        std::mt19937 generator(20240);
        std::uniform_real_distribution<float> uniform(0.0f, 1.0f);
        QSet<int> lessons;
        for (int draw = 0; draw < 2000; ++draw) {
            Selection selection(0, 0, 10101);
            selection.random.values = {uniform(generator), uniform(generator)};
            selection.select();
            lessons << (selection.randomId - 10000) / 100;
        }
        QCOMPARE(lessons.size(), kChoosableLessons);
        QVERIFY(lessons.contains(1) && lessons.contains(kChoosableLessons));
    }

    void overflowBeforeTheTrapIsTheCallers_data() {
        QTest::addColumn<int>("guage");
        QTest::addColumn<int>("guagen");
        QTest::newRow("position far below") << 3 << -30000;
        QTest::newRow("lesson far above") << 400 << 10101;
    }
    void overflowBeforeTheTrapIsTheCallers() {
        QFETCH(int, guage);
        QFETCH(int, guagen);
        Selection selection(1, guage, guagen);
        QVERIFY_THROWS_EXCEPTION(OverflowError, selection.select());
        QCOMPARE(selection.messageBox.shown, QStringList());
    }

    void overflowAfterTheTrapEndsInOneMessage_data() {
        QTest::addColumn<int>("rd");
        QTest::addColumn<int>("guage");
        QTest::addColumn<int>("guagen");
        QTest::addColumn<QString>("message");
        QTest::newRow("random lesson far above") << 0 << 400 << 0 << QStringLiteral("Parlavo|0");
        QTest::newRow("course: position far below") << 1 << 0 << -30000 << QStringLiteral("Parlavo|-29999");
        QTest::newRow("course: position at the top") << 1 << 0 << 32767 << QStringLiteral("Parlavo|10101");
    }
    void overflowAfterTheTrapEndsInOneMessage() {
        QFETCH(int, rd);
        QFETCH(int, guage);
        QFETCH(int, guagen);
        QFETCH(QString, message);
        Selection selection(rd, guage, guagen);
        selection.select();
        QCOMPARE(selection.messageBox.shown, QStringList{message});
    }
};

QTEST_GUILESS_MAIN(TestSentenceSelector)
#include "test_sentence_selector.moc"
