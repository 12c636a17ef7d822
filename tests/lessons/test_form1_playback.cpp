#include "caption/caption_label.h"
#include "lessons/sentence_catalogue.h"
#include "tests/support/fake_services.h"

#include <QLabel>
#include <QTest>

using namespace parlavo;
using parlavo::test::FakeWorld;

class TestForm1Playback : public QObject {
    Q_OBJECT

private slots:
    void onlySequencePlayShowsTheTextsAsTooltips_data() {
        QTest::addColumn<qint16>("rd");
        QTest::addColumn<bool>("tooltips");
        QTest::newRow("in sequence") << qint16(1) << true;
        QTest::newRow("at random") << qint16(0) << false;
    }
    void onlySequencePlayShowsTheTextsAsTooltips() {
        QFETCH(qint16, rd);
        QFETCH(bool, tooltips);
        FakeWorld world;
        world.state.rd = rd;
        world.state.guage = 2;
        world.state.guagen = 10205;
        world.form1.NextSentence();
        QVERIFY(!world.form1.mstrSpanish.isEmpty());
        QCOMPARE(world.form1.Label1->toolTip() == world.form1.mstrSpanish, tooltips);
        QCOMPARE(world.form1.Label2->toolTip() == world.form1.mstrEnglish, tooltips);
    }

    void positionFarOutsideTheLessonsKeepsTheSentence() {
        FakeWorld world;
        world.state.rd = 1;
        world.state.guage = 3;
        world.state.guagen = -32768; // its lesson part overflows 16 bits
        world.form1.mstrSpanish = QStringLiteral("kept");
        world.form1.NextSentence();
        QCOMPARE(world.form1.mstrSpanish, QStringLiteral("kept"));
        QVERIFY(world.messageBox.shown.isEmpty());
    }

    void playbackTimerDrivesTheCaption() {
        FakeWorld world;
        world.state.ce = 1;
        world.state.n = 2;
        world.state.etime = 5;
        world.state.ctime = 3;
        world.state.voice = 1;
        world.form1.mobjAgent = &world.characters.peedy;
        world.form1.mstrSpanish = LoadSentenceText(10101);
        const auto tick = [&](int count) {
            for (int i = 0; i < count; ++i)
                world.form1.Form1_Timer5_Timer();
        };

        tick(1);
        QVERIFY(world.form1.Timer4.isActive());
        QCOMPARE(world.characters.peedy.calls, (QStringList{"Speak:" + LoadSentenceText(10101), "Play:Wave"}));
        tick(50);
        QCOMPARE(world.form1.Label1->text(), QStringLiteral(" "));
        QVERIFY(world.form1.Timer3.isActive());
        world.form1.setLabel2Top(200);
        tick(31);
        QCOMPARE(world.form1.Label2->text(), QStringLiteral(" "));
        QCOMPARE(world.form1.label2Top(), Form1::kLabel2RestTop);
        QCOMPARE(world.state.cyclecount, 1);
    }
};

QTEST_MAIN(TestForm1Playback)
#include "test_form1_playback.moc"
