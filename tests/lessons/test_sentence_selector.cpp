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

    Selection(qint16 inSequence, qint16 chosenLesson, qint16 position) {
        state.inSequence = inSequence;
        state.lesson = chosenLesson;
        state.readingPosition = position;
    }
    bool select(SentenceLookup lookup = sentenceText) {
        return SentenceSelector(state, random, messageBox, std::move(lookup)).selectInto({spanish, english, randomId});
    }
    bool shows(int id) const { return spanish == sentenceText(id) && english == sentenceText(id + kEnglishOffset); }
};

} // namespace

class TestSentenceSelector : public QObject {
    Q_OBJECT

private slots:
    // In sequence (rd 1) the reading position moves on; at random each draw follows a reseed, the line's
    // and then, over the whole course (lesson 0), the lesson's. Only sequence play shows tooltips.
    void selectionShowsTheNextSentence_data() {
        QTest::addColumn<int>("inSequence");
        QTest::addColumn<int>("chosenLesson");
        QTest::addColumn<int>("position");
        QTest::addColumn<QList<float>>("draws");
        QTest::addColumn<int>("shown");
        QTest::addColumn<int>("after");
        const QList<float> none;
        QTest::newRow("last line of the lesson") << 1 << 3 << 10334 << none << 10334 << 10335;
        QTest::newRow("lesson starts over") << 1 << 3 << 10335 << none << 10301 << 10302;
        QTest::newRow("any nonzero play mode reads in sequence") << -1 << 3 << 10302 << none << 10302 << 10303;
        QTest::newRow("position in another lesson") << 1 << 3 << 10512 << none << 10301 << 10302;
        QTest::newRow("line 0 of the lesson") << 1 << 10 << 11000 << none << 11001 << 11002;
        QTest::newRow("position far off") << 1 << 17 << 30000 << none << 11701 << 11702;
        QTest::newRow("course: next lesson") << 1 << 0 << 10135 << none << 10201 << 10202;
        QTest::newRow("course: line 0") << 1 << 0 << 11000 << none << 11001 << 11002;
        QTest::newRow("course: last line") << 1 << 0 << 11934 << none << 11934 << 11935;
        QTest::newRow("course starts over") << 1 << 0 << 11935 << none << 10101 << 10102;
        QTest::newRow("course: position far off") << 1 << 0 << 30000 << none << 10101 << 10102;
        QTest::newRow("random: smallest") << 0 << 5 << 10712 << QList<float>{0.0f} << 10501 << 10712;
        QTest::newRow("random: middle") << 0 << 5 << 10712 << QList<float>{0.5f} << 10518 << 10712;
        QTest::newRow("random: largest") << 0 << 5 << 10712 << QList<float>{kLargestDraw} << 10534 << 10712;
        QTest::newRow("random course: first") << 0 << 0 << 10712 << QList<float>{0.0f, 0.0f} << 10101 << 10712;
        QTest::newRow("random course: last")
            << 0 << 0 << 10712 << QList<float>{kLargestDraw, kLargestDraw} << 11734 << 10712;
        QTest::newRow("random course: lesson 1") << 0 << 0 << 10712 << QList<float>{0.5f, 0.0f} << 10118 << 10712;
    }
    void selectionShowsTheNextSentence() {
        QFETCH(int, inSequence);
        QFETCH(int, chosenLesson);
        QFETCH(int, position);
        QFETCH(QList<float>, draws);
        QFETCH(int, shown);
        QFETCH(int, after);
        Selection selection(inSequence, chosenLesson, position);
        selection.random.values = draws;
        QCOMPARE(selection.select(), inSequence != 0);
        QVERIFY(selection.shows(shown));
        QCOMPARE(selection.state.readingPosition, after);
        QCOMPARE(selection.randomId, inSequence == 0 ? shown : 0);
        QCOMPARE(selection.random.reseeds, draws.size());
        QCOMPARE(selection.messageBox.shown, QStringList());
    }

    // A 16-bit overflow before the error trap is set is the caller's. After it, an overflow or a position
    // without text costs that step only: one message names the id, and texts not replaced stay.
    void positionOutsideTheLessons_data() {
        QTest::addColumn<int>("inSequence");
        QTest::addColumn<int>("chosenLesson");
        QTest::addColumn<int>("position");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<bool>("keepsTexts");
        QTest::newRow("lesson: position far below") << 1 << 3 << -30000 << QStringList() << true;
        QTest::newRow("lesson far above") << 1 << 400 << 10101 << QStringList() << true;
        QTest::newRow("course: before lesson 1") << 1 << 0 << 5000 << QStringList{"Parlavo|5001"} << true;
        QTest::newRow("course: position far below") << 1 << 0 << -30000 << QStringList{"Parlavo|-29999"} << true;
        QTest::newRow("course: position at the top") << 1 << 0 << 32767 << QStringList{"Parlavo|10101"} << false;
        QTest::newRow("lesson that does not exist") << 1 << 25 << 10101 << QStringList{"Parlavo|12501"} << true;
        QTest::newRow("random: lesson far above") << 0 << 400 << 10712 << QStringList{"Parlavo|0"} << false;
    }
    void positionOutsideTheLessons() {
        QFETCH(int, inSequence);
        QFETCH(int, chosenLesson);
        QFETCH(int, position);
        QFETCH(QStringList, messages);
        QFETCH(bool, keepsTexts);
        Selection selection(inSequence, chosenLesson, position);
        if (messages.isEmpty())
            QVERIFY_THROWS_EXCEPTION(OverflowError, selection.select());
        else
            selection.select();
        QCOMPARE(selection.messageBox.shown, messages);
        if (keepsTexts) {
            QCOMPARE(selection.spanish, kOldSpanish);
            QCOMPARE(selection.english, kOldEnglish);
        }
    }

    void failedEnglishKeepsTheOldEnglishOnly() {
        Selection selection(1, 2, 10205);
        selection.select([](int id) {
            if (id >= 20000)
                throw SentenceNotFound(id);
            return sentenceText(id);
        });
        QCOMPARE(selection.spanish, sentenceText(10205));
        QCOMPARE(selection.english, kOldEnglish);
        QCOMPARE(selection.messageBox.shown, QStringList{"Parlavo|10205"});
    }

    void randomPickStaysInItsLessonsAndNeverFails() {
        std::mt19937 generator(20240);
        std::uniform_real_distribution<float> uniform(0.0f, 1.0f);
        QSet<int> everyLesson;
        for (int lesson = 1; lesson <= kChoosableLessons; ++lesson)
            everyLesson << lesson;
        for (int chosenLesson = 0; chosenLesson <= kChoosableLessons; ++chosenLesson) {
            QSet<int> lessons;
            for (int draw = 0; draw < 1000; ++draw) {
                Selection selection(0, chosenLesson, 0);
                selection.random.values = {uniform(generator), uniform(generator)};
                selection.select();
                QCOMPARE(selection.messageBox.shown, QStringList());
                lessons << (selection.randomId - 10000) / 100;
            }
            QCOMPARE(lessons, chosenLesson == 0 ? everyLesson : QSet<int>{chosenLesson});
        }
    }
};

QTEST_GUILESS_MAIN(TestSentenceSelector)
#include "test_sentence_selector.moc"
