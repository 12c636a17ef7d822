#include "caption/caption_effects.h"
#include "caption/caption_label.h"
#include "tests/support/fake_services.h"

#include <QLabel>
#include <QTest>

using namespace parlavo;
using parlavo::test::FakeWorld;

class TestCaptionEffects : public QObject {
    Q_OBJECT

private slots:
    void introRunsTickByTick() {
        FakeWorld world;
        Form1& form1 = world.form1;
        form1.Form_Load();
        for (int tick = 1; tick <= 75; ++tick) {
            form1.Form1_Timer1_Timer();
            const QString text = form1.Label1->text();
            if (tick <= 19) {
                QVERIFY2(!form1.isVisible(), qPrintable(QString::number(tick)));
                QVERIFY(form1.splash());
                QCOMPARE(text, withLeadingSpaces(50 - tick, kWelcomeLine));
            } else if (tick <= 49) {
                QVERIFY(form1.isVisible());
                QVERIFY(!form1.splash());
                QCOMPARE(text, withLeadingSpaces(50 - tick, kWelcomeLine));
            } else if (tick <= 67) {
                QCOMPARE(text, kWelcomeLine);
                QVERIFY(!form1.Timer5.isActive());
            } else {
                QCOMPARE(text, kBlankCaption);
                QVERIFY(form1.Timer5.isActive());
            }
            if (tick >= 70)
                QCOMPARE(world.state.introcount, qint16(1));
        }
    }

    void introLeavesPlaybackAloneWhileASideWindowIsOpen() {
        FakeWorld world;
        world.startAndTick(67);
        world.form1.setImage1Enabled(false);
        for (int i = 0; i < 10; ++i)
            world.form1.Form1_Timer1_Timer();
        QVERIFY(!world.form1.Timer5.isActive());
        QCOMPARE(world.form1.Label1->text(), kBlankCaption);
        world.form1.setImage1Enabled(true);
        world.form1.Form1_Timer1_Timer();
        QVERIFY2(!world.form1.Timer5.isActive(), "the intro starts playback only at its end");
    }

    void splashClickSkipsTheWait() {
        FakeWorld world;
        world.startAndTick(5);
        world.form1.splashClicked();
        QVERIFY(world.form1.isVisible());
        QVERIFY(!world.form1.splash());
        world.form1.Form1_Timer1_Timer();
        QCOMPARE(world.form1.Label1->text(), withLeadingSpaces(29, kWelcomeLine));
    }

    void spanishEntryTakes36Ticks() {
        FakeWorld world;
        Form1& form1 = world.form1;
        form1.mstrSpanish = QStringLiteral("¡Hola! ¡Buenos días! ");
        form1.Timer4.start();
        form1.Form1_Timer4_Timer();
        QCOMPARE(form1.Label1->text(), withLeadingSpaces(36, form1.mstrSpanish));
        for (int tick = 2; tick <= 36; ++tick) {
            QVERIFY(form1.Timer4.isActive());
            form1.Form1_Timer4_Timer();
        }
        QCOMPARE(form1.Label1->text(), withLeadingSpaces(1, form1.mstrSpanish));
        QCOMPARE(form1.mintMarquee, qint16(0));
        QVERIFY(!form1.Timer4.isActive());
    }

    void englishRiseEndsAtExactly60_data() {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QList<int>>("lastTops");
        QTest::newRow("from rest") << 400 << 35 << QList<int>{70, 60, 60};
        QTest::newRow("from 65 overshoots once") << 65 << 2 << QList<int>{55, 60};
    }
    void englishRiseEndsAtExactly60() {
        QFETCH(int, start);
        QFETCH(int, ticks);
        QFETCH(QList<int>, lastTops);
        FakeWorld world;
        Form1& form1 = world.form1;
        form1.mstrEnglish = QStringLiteral("Hello. Good morning.");
        form1.setLabel2Top(start);
        form1.Timer3.start();
        QList<int> tops;
        int ran = 0;
        while (form1.Timer3.isActive()) {
            form1.Form1_Timer3_Timer();
            tops << form1.label2Top();
            ++ran;
        }
        QCOMPARE(ran, ticks);
        QCOMPARE(tops.mid(tops.size() - lastTops.size()), lastTops);
        QCOMPARE(form1.Label2->text(), QStringLiteral(" Hello. Good morning."));
    }

    void colourStripDrawsOnlyWhileCollapsed() {
        FakeWorld world;
        Form1& form1 = world.form1;
        world.form1.Form_Load();
        const QColor green(0, 255, 0), red(255, 0, 0);

        form1.Form1_Timer2_Timer();
        QVERIFY2(!form1.stripColour().isValid(), "an open strip only erases");
        QCOMPARE(form1.mintColor1, qint16(12));

        form1.setHeight(Form1::kCollapsedHeightTwips);
        form1.Form1_Timer2_Timer();
        QCOMPARE(form1.stripColour(), red);
        form1.Form1_Timer2_Timer();
        QCOMPARE(form1.stripColour(), green);

        form1.mbDragging = -1;
        form1.Form1_Timer2_Timer();
        QVERIFY(!form1.stripColour().isValid());
        QCOMPARE(form1.mintColor1, qint16(10));
    }
};

QTEST_MAIN(TestCaptionEffects)
#include "test_caption_effects.moc"
