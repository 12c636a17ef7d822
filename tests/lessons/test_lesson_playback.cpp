#include "lessons/lesson_playback.h"
#include "tests/support/fake_services.h"

#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace parlavo;

Q_DECLARE_METATYPE(parlavo::ReadingPosition)

namespace {

// Records what the cycle asks for as "what@tick", ticks counted from 1, and the ticks of new sentences.
class RecordingView final : public PlaybackView {
public:
    QStringList events;
    QList<int> nextAt;
    int tick = 0;

    void showSentence(const Sentence&) override { nextAt << tick; }
    void startSpanishEntry() override { record("spanish"); }
    void startEnglishRise() override { record("english"); }
    void blankSpanish() override { record("blankSpanish"); }
    void clearEnglish() override { record("clearEnglish"); }
    void speak() override { record("speak"); }

    void run(LessonPlayback& playback, int ticks) {
        for (int i = 0; i < ticks; ++i) {
            ++tick;
            playback.tick(*this);
        }
    }

private:
    void record(const char* what) { events << QStringLiteral("%1@%2").arg(QLatin1String(what)).arg(tick); }
};

} // namespace

class TestLessonPlayback : public QObject {
    Q_OBJECT

private slots:
    // In sequence the reading position moves on, starting over or going on to the next lesson after the last line
    // and from line 0; at random each draw follows a reseed, the line's and then, over the whole course (lesson 0),
    // the lesson's, and the position stays.
    void nextSentence_data() {
        QTest::addColumn<bool>("inSequence");
        QTest::addColumn<int>("lesson");
        QTest::addColumn<ReadingPosition>("position");
        QTest::addColumn<QList<float>>("draws");
        QTest::addColumn<ReadingPosition>("shown");
        const float largest = std::nextafter(1.0f, 0.0f);
        const auto row = [](const char* name, bool rd, int lesson, ReadingPosition at, QList<float> draws,
                            ReadingPosition shown) {
            QTest::newRow(name) << rd << lesson << at << draws << shown;
        };
        row("last line of the lesson", true, 3, {3, 34}, {}, {3, 34});
        row("lesson starts over", true, 3, {3, 35}, {}, {3, 1});
        row("position in another lesson", true, 3, {5, 12}, {}, {3, 1});
        row("line 0 of the lesson", true, 10, {10, 0}, {}, {10, 1});
        row("course: next lesson", true, 0, {1, 35}, {}, {2, 1});
        row("course: last line", true, 0, {19, 34}, {}, {19, 34});
        row("course starts over", true, 0, {19, 35}, {}, {1, 1});
        row("random: smallest", false, 5, {7, 12}, {0.0f}, {5, 1});
        row("random: largest", false, 5, {7, 12}, {largest}, {5, 34});
        row("random course: first", false, 0, {7, 12}, {0.0f, 0.0f}, {1, 1});
        row("random course: lesson 1", false, 0, {7, 12}, {0.5f, 0.0f}, {1, 18});
    }
    void nextSentence() {
        QFETCH(bool, inSequence);
        QFETCH(int, lesson);
        QFETCH(ReadingPosition, position);
        QFETCH(QList<float>, draws);
        QFETCH(ReadingPosition, shown);
        Settings settings;
        settings.inSequence = inSequence;
        settings.lesson = lesson;
        settings.readingPosition = position;
        test::FakeRandomSource random;
        random.values = draws;
        OwnLessonShelf none{OwnLessonStore(QString())};
        const Sentence sentence = LessonPlayback(settings, random, none).next();
        QCOMPARE(sentence.position, shown);
        QCOMPARE(sentence.text.spanish, lessonLine(shown).spanish);
        QCOMPARE(sentence.readInSequence, inSequence);
        const ReadingPosition after = inSequence ? ReadingPosition{shown.lesson, shown.line + 1} : position;
        QCOMPARE(settings.readingPosition, after);
        QCOMPARE(random.reseeds, inSequence ? 0 : lesson == 0 ? 2 : 1);
    }

    // A display cycle lasts etime + ctime seconds and two ticks; a new sentence comes after n of them.
    void cycleShowsBothLanguagesThenMovesOn_data() {
        QTest::addColumn<bool>("spanishFirst");
        QTest::addColumn<QList<int>>("timings"); // n, etime, ctime
        QTest::addColumn<QString>("firstCycle");
        QTest::addColumn<QList<int>>("nextAt");
        const char* spanishFirst = "spanish@1 speak@1 blankSpanish@51 english@51 clearEnglish@82";
        QTest::newRow("first-run settings") << true << QList<int>{2, 5, 3} << spanishFirst << QList<int>{165, 329, 493};
        QTest::newRow("English first") << false << QList<int>{2, 5, 3}
                                       << "english@1 clearEnglish@31 spanish@31 speak@31 blankSpanish@82"
                                       << QList<int>{165, 329, 493};
        QTest::newRow("n = 1") << true << QList<int>{1, 5, 3} << spanishFirst
                               << QList<int>{83, 165, 247, 329, 411, 493};
    }
    void cycleShowsBothLanguagesThenMovesOn() {
        QFETCH(bool, spanishFirst);
        QFETCH(QList<int>, timings);
        QFETCH(QString, firstCycle);
        QFETCH(QList<int>, nextAt);
        Settings settings;
        settings.languageOrder = spanishFirst ? LanguageOrder::SpanishFirst : LanguageOrder::EnglishFirst;
        settings.timesPerSentence = timings[0];
        settings.spanishSeconds = timings[1];
        settings.englishSeconds = timings[2];
        test::FakeRandomSource random;
        OwnLessonShelf none{OwnLessonStore(QString())};
        LessonPlayback playback(settings, random, none);
        RecordingView view;
        view.run(playback, 10 * (settings.spanishSeconds + settings.englishSeconds) + 2);
        QCOMPARE(view.events.join(u' '), firstCycle);
        view.run(playback, 500 - view.tick);
        QCOMPARE(view.nextAt, nextAt);
    }

    // A chosen own lesson plays in its own places, from 1, starting over after its last and from anywhere outside
    // it; one that cannot be read leaves the built-in lessons playing.
    void ownLessonPlaysInItsPlaces_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("inSequence");
        QTest::addColumn<int>("place");
        QTest::addColumn<float>("draw");
        QTest::addColumn<int>("shown"); // 0: a built-in line
        QTest::addColumn<int>("placeAfter");
        QTest::newRow("in sequence") << "Mine" << true << 2 << 0.0f << 2 << 3;
        QTest::newRow("after the last") << "Mine" << true << 4 << 0.0f << 1 << 2;
        QTest::newRow("never read") << "Mine" << true << 0 << 0.0f << 1 << 2;
        QTest::newRow("at random") << "Mine" << false << 2 << 0.9f << 3 << 2;
        QTest::newRow("removed since") << "Gone" << true << 2 << 0.0f << 0 << 2;
    }
    void ownLessonPlaysInItsPlaces() {
        QFETCH(QString, name);
        QFETCH(float, draw);
        QTemporaryDir folder;
        OwnLessonStore store(folder.path());
        QString error;
        OwnLesson mine;
        for (const char* number : {"Uno", "Dos", "Tres"})
            mine.append(number, "-");
        QVERIFY(store.save("Mine", mine, &error));
        OwnLessonShelf shelf(store);
        Settings settings;
        QFETCH(bool, inSequence);
        settings.inSequence = inSequence;
        settings.ownLesson.name = name;
        QFETCH(int, place);
        settings.ownLesson.place = place;
        test::FakeRandomSource random;
        random.values = {draw};
        const Sentence sentence = LessonPlayback(settings, random, shelf).next();
        QTEST(sentence.ownPlace, "shown");
        if (sentence.ownPlace != 0)
            QCOMPARE(sentence.text.spanish, QStringList({"Uno", "Dos", "Tres"}).at(sentence.ownPlace - 1));
        QTEST(settings.ownLesson.place, "placeAfter");
    }
};

QTEST_GUILESS_MAIN(TestLessonPlayback)
#include "test_lesson_playback.moc"
