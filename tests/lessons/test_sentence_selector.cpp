#include "core/integer16.h"
#include "lessons/sentence_selector.h"
#include "tests/support/fake_services.h"

#include <QTest>

#include <cmath>

using namespace parlavo;

namespace {

const float kLargestDraw = std::nextafter(1.0f, 0.0f);
const QString kOldSpanish = QStringLiteral("old Spanish");
const QString kOldEnglish = QStringLiteral("old English");

// A selector over the real lessons, with the caption window's current texts and random id beside it.
struct Selection {
    SharedState state;
    test::FakeRandomSource random;
    test::FakeMessageBox messageBox;
    QString spanish = kOldSpanish;
    QString english = kOldEnglish;
    qint16 randomId = 0;

    Selection(int inSequence, int chosenLesson, int position) {
        state.inSequence = static_cast<qint16>(inSequence);
        state.lesson = static_cast<qint16>(chosenLesson);
        state.readingPosition = static_cast<qint16>(position);
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
    // In sequence (rd nonzero) the reading position moves on; at random each draw follows a reseed, the line's and
    // then, over the whole course (lesson 0), the lesson's. A 16-bit overflow before the error trap is set is the
    // caller's; after it, an overflow or a position without text costs that step only: one message names the id, and
    // texts not replaced stay. `shown` 0: the old texts stay; -1: not looked at.
    void selectionShowsTheNextSentence_data() {
        QTest::addColumn<int>("inSequence");
        QTest::addColumn<int>("chosenLesson");
        QTest::addColumn<int>("position");
        QTest::addColumn<QList<float>>("draws");
        QTest::addColumn<int>("shown");
        QTest::addColumn<int>("after");
        QTest::addColumn<QString>("message"); // the id named, or "overflow" for the caller's error
        const auto row = [](const char* name, int rd, int lesson, int position, QList<float> draws, int shown,
                            int after, const char* message = "") {
            QTest::newRow(name) << rd << lesson << position << draws << shown << after << QString(message);
        };
        row("last line of the lesson", 1, 3, 10334, {}, 10334, 10335);
        row("lesson starts over", 1, 3, 10335, {}, 10301, 10302);
        row("any nonzero play mode reads in sequence", -1, 3, 10302, {}, 10302, 10303);
        row("position in another lesson", 1, 3, 10512, {}, 10301, 10302);
        row("line 0 of the lesson", 1, 10, 11000, {}, 11001, 11002);
        row("course: next lesson", 1, 0, 10135, {}, 10201, 10202);
        row("course: line 0", 1, 0, 11000, {}, 11001, 11002);
        row("course: last line", 1, 0, 11934, {}, 11934, 11935);
        row("course starts over", 1, 0, 11935, {}, 10101, 10102);
        row("random: smallest", 0, 5, 10712, {0.0f}, 10501, 10712);
        row("random: largest", 0, 5, 10712, {kLargestDraw}, 10534, 10712);
        row("random course: first", 0, 0, 10712, {0.0f, 0.0f}, 10101, 10712);
        row("random course: last", 0, 0, 10712, {kLargestDraw, kLargestDraw}, 11734, 10712);
        row("random course: lesson 1", 0, 0, 10712, {0.5f, 0.0f}, 10118, 10712);
        row("lesson: position far below", 1, 3, -30000, {}, 0, -30000, "overflow");
        row("lesson far above", 1, 400, 10101, {}, 0, 10101, "overflow");
        row("course: before lesson 1", 1, 0, 5000, {}, 0, 5002, "5001");
        row("course: position far below", 1, 0, -30000, {}, 0, -29998, "-29999");
        row("course: position at the top", 1, 0, 32767, {}, 10101, 10102, "10101");
        row("lesson that does not exist", 1, 25, 10101, {}, 0, 12502, "12501");
        row("random: lesson far above", 0, 400, 10712, {}, -1, 10712, "0");
    }
    void selectionShowsTheNextSentence() {
        QFETCH(int, inSequence);
        QFETCH(int, chosenLesson);
        QFETCH(int, position);
        QFETCH(QList<float>, draws);
        QFETCH(int, shown);
        QFETCH(int, after);
        QFETCH(QString, message);
        Selection selection(inSequence, chosenLesson, position);
        selection.random.values = draws;
        if (message == QLatin1String("overflow"))
            QVERIFY_THROWS_EXCEPTION(OverflowError, selection.select());
        else
            QCOMPARE(selection.select(), inSequence != 0);
        const bool named = !message.isEmpty() && message != QLatin1String("overflow");
        QCOMPARE(selection.messageBox.shown, named ? QStringList{"Parlavo|" + message} : QStringList());
        if (shown >= 0)
            QVERIFY(shown ? selection.shows(shown)
                          : selection.spanish == kOldSpanish && selection.english == kOldEnglish);
        QCOMPARE(selection.state.readingPosition, after);
        QCOMPARE(selection.randomId, inSequence == 0 ? qMax(shown, 0) : 0);
        QCOMPARE(selection.random.reseeds, inSequence != 0 ? 0 : chosenLesson == 0 ? 2 : 1);
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
};

QTEST_GUILESS_MAIN(TestSentenceSelector)
#include "test_sentence_selector.moc"
