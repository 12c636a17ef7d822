#include "caption/caption_effects.h"
#include "caption/caption_label.h"
#include "tests/support/fake_services.h"

#include <QLabel>
#include <QTest>

using namespace parlavo;
using parlavo::test::FakeWorld;

class TestStripAnimation : public QObject {
    Q_OBJECT

private slots:
    void introRunsTickByTick() {
        FakeWorld world;
        CaptionStrip& strip = world.strip;
        strip.start();
        for (int tick = 1; tick <= 75; ++tick) {
            strip.onPointerTick();
            const QString text = strip.spanishLine->text();
            if (tick <= 19) {
                QVERIFY2(!strip.isVisible(), qPrintable(QString::number(tick)));
                QVERIFY(strip.splash());
                QCOMPARE(text, withLeadingSpaces(50 - tick, kWelcomeLine));
            } else if (tick <= 49) {
                QVERIFY(strip.isVisible());
                QVERIFY(!strip.splash());
                QCOMPARE(text, withLeadingSpaces(50 - tick, kWelcomeLine));
            } else if (tick <= 67) {
                QCOMPARE(text, kWelcomeLine);
                QVERIFY(!strip.playbackTimer.isActive());
            } else {
                QCOMPARE(text, kBlankCaption);
                QVERIFY(strip.playbackTimer.isActive());
            }
            if (tick >= 70)
                QCOMPARE(world.state.introCountdown, qint16(1));
        }
    }

    void introLeavesPlaybackAloneWhileASideWindowIsOpen() {
        FakeWorld world;
        world.startAndTick(67);
        world.strip.setMenuPictureEnabled(false);
        for (int i = 0; i < 10; ++i)
            world.strip.onPointerTick();
        QVERIFY(!world.strip.playbackTimer.isActive());
        QCOMPARE(world.strip.spanishLine->text(), kBlankCaption);
        world.strip.setMenuPictureEnabled(true);
        world.strip.onPointerTick();
        QVERIFY2(!world.strip.playbackTimer.isActive(), "the intro starts playback only at its end");
    }

    void splashClickSkipsTheWait() {
        FakeWorld world;
        world.startAndTick(5);
        world.strip.splashClicked();
        QVERIFY(world.strip.isVisible());
        QVERIFY(!world.strip.splash());
        world.strip.onPointerTick();
        QCOMPARE(world.strip.spanishLine->text(), withLeadingSpaces(29, kWelcomeLine));
    }

    void spanishEntryTakes36Ticks() {
        FakeWorld world;
        CaptionStrip& strip = world.strip;
        strip.spanishText = QStringLiteral("¡Hola! ¡Buenos días! ");
        strip.spanishEntryTimer.start();
        strip.onSpanishEntryTick();
        QCOMPARE(strip.spanishLine->text(), withLeadingSpaces(36, strip.spanishText));
        for (int tick = 2; tick <= 36; ++tick) {
            QVERIFY(strip.spanishEntryTimer.isActive());
            strip.onSpanishEntryTick();
        }
        QCOMPARE(strip.spanishLine->text(), withLeadingSpaces(1, strip.spanishText));
        QCOMPARE(strip.entryStep, qint16(0));
        QVERIFY(!strip.spanishEntryTimer.isActive());
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
        CaptionStrip& strip = world.strip;
        strip.englishText = QStringLiteral("Hello. Good morning.");
        strip.setEnglishTop(start);
        strip.englishRiseTimer.start();
        QList<int> tops;
        int ran = 0;
        while (strip.englishRiseTimer.isActive()) {
            strip.onEnglishRiseTick();
            tops << strip.englishTop();
            ++ran;
        }
        QCOMPARE(ran, ticks);
        QCOMPARE(tops.mid(tops.size() - lastTops.size()), lastTops);
        QCOMPARE(strip.englishLine->text(), QStringLiteral(" Hello. Good morning."));
    }

    void colourStripDrawsOnlyWhileCollapsed() {
        FakeWorld world;
        CaptionStrip& strip = world.strip;
        world.strip.start();
        const QColor green(0, 255, 0), red(255, 0, 0);

        strip.onColourStripTick();
        QVERIFY2(!strip.stripColour().isValid(), "an open strip only erases");
        QCOMPARE(strip.stripColours.first, qint16(12));

        strip.setHeightTwips(CaptionStrip::kCollapsedHeightTwips);
        strip.onColourStripTick();
        QCOMPARE(strip.stripColour(), red);
        strip.onColourStripTick();
        QCOMPARE(strip.stripColour(), green);

        strip.dragging = true;
        strip.onColourStripTick();
        QVERIFY(!strip.stripColour().isValid());
        QCOMPARE(strip.stripColours.first, qint16(10));
    }
};

QTEST_MAIN(TestStripAnimation)
#include "test_strip_animation.moc"
