#include "caption/caption_label.h"
#include "lessons/sentence_catalogue.h"
#include "tests/support/fake_services.h"

#include <QLabel>
#include <QTest>

using namespace parlavo;
using parlavo::test::FakeWorld;

class TestStripPlayback : public QObject {
    Q_OBJECT

private slots:
    void onlySequencePlayShowsTheTextsAsTooltips_data() {
        QTest::addColumn<qint16>("inSequence");
        QTest::addColumn<bool>("tooltips");
        QTest::newRow("in sequence") << qint16(1) << true;
        QTest::newRow("at random") << qint16(0) << false;
    }
    void onlySequencePlayShowsTheTextsAsTooltips() {
        QFETCH(qint16, inSequence);
        QFETCH(bool, tooltips);
        FakeWorld world;
        world.state.inSequence = inSequence;
        world.state.lesson = 2;
        world.state.readingPosition = 10205;
        world.strip.chooseNextSentence();
        QVERIFY(!world.strip.spanishText.isEmpty());
        QCOMPARE(world.strip.spanishLine->toolTip() == world.strip.spanishText, tooltips);
        QCOMPARE(world.strip.englishLine->toolTip() == world.strip.englishText, tooltips);
    }

    void positionFarOutsideTheLessonsKeepsTheSentence() {
        FakeWorld world;
        world.state.inSequence = 1;
        world.state.lesson = 3;
        world.state.readingPosition = -32768; // its lesson part overflows 16 bits
        world.strip.spanishText = QStringLiteral("kept");
        world.strip.chooseNextSentence();
        QCOMPARE(world.strip.spanishText, QStringLiteral("kept"));
        QVERIFY(world.messageBox.shown.isEmpty());
    }

    // The character reads only while reading aloud is 1, and waves either way; whatever it fails at,
    // the lesson goes on.
    void characterReadsOnlyWhenAskedButAlwaysWaves_data() {
        QTest::addColumn<qint16>("readAloud");
        QTest::addColumn<bool>("failing");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("reading aloud") << qint16(1) << false << QStringList{"Speak:Hola", "Play:Wave"};
        QTest::newRow("silent") << qint16(0) << false << QStringList{"Play:Wave"};
        QTest::newRow("anything but 1 is silent") << qint16(-1) << false << QStringList{"Play:Wave"};
        QTest::newRow("failing character") << qint16(1) << true << QStringList{"Speak:Hola", "Play:Wave"};
    }
    void characterReadsOnlyWhenAskedButAlwaysWaves() {
        QFETCH(qint16, readAloud);
        QFETCH(bool, failing);
        QFETCH(QStringList, calls);
        test::FakeCharacter character;
        character.throwOnSpeak = failing;
        character.throwOnPlay = failing;
        readAloudAndWave(character, QStringLiteral("Hola"), readAloud);
        QCOMPARE(character.calls, calls);
    }

    void playbackTimerDrivesTheCaption() {
        FakeWorld world;
        world.state.languageOrder = 1;
        world.state.timesPerSentence = 2;
        world.state.spanishSeconds = 5;
        world.state.englishSeconds = 3;
        world.state.readAloud = 1;
        world.strip.character = &world.characters.peedy;
        world.strip.spanishText = sentenceText(10101);
        const auto tick = [&](int count) {
            for (int i = 0; i < count; ++i)
                world.strip.onPlaybackTick();
        };

        tick(1);
        QVERIFY(world.strip.spanishEntryTimer.isActive());
        QCOMPARE(world.characters.peedy.calls, (QStringList{"Speak:" + sentenceText(10101), "Play:Wave"}));
        tick(50);
        QCOMPARE(world.strip.spanishLine->text(), QStringLiteral(" "));
        QVERIFY(world.strip.englishRiseTimer.isActive());
        world.strip.setEnglishTop(200);
        tick(31);
        QCOMPARE(world.strip.englishLine->text(), QStringLiteral(" "));
        QCOMPARE(world.strip.englishTop(), CaptionStrip::kEnglishRestTop);
        QCOMPARE(world.state.cyclesShown, 1);
    }
};

QTEST_MAIN(TestStripPlayback)
#include "test_strip_playback.moc"
