#include "app/splash_window.h"
#include "caption/caption_effects.h"
#include "caption/caption_label.h"
#include "tests/support/fake_services.h"

#include <QHelpEvent>
#include <QTest>
#include <QToolTip>

#include <functional>

using namespace parlavo;
using namespace parlavo::test;

// The caption strip on fakes: start-up, the intro, the caption effects and playback.
class TestCaptionStrip : public QObject {
    Q_OBJECT

private slots:
    // Start-up shows the bird and starts the pointer and colour timers; what it shows, and where, is checked on the
    // real program. The intro then runs tick by tick; a click on the splash skips the wait for the strip. Playback
    // waiting for a side window open at the intro's end is tried with the menu.
    void startAndIntro_data() {
        QTest::addColumn<int>("splashClickedAt"); // a tick; 0: never
        QTest::newRow("first run") << 0;
        QTest::newRow("splash clicked") << 6;
    }
    void startAndIntro() {
        QFETCH(int, splashClickedAt);
        FakeWorld world;
        CaptionStrip& strip = world.strip;
        strip.start();
        QVERIFY(strip.pointerTimer.isActive() && strip.colourStripTimer.isActive());
        QCOMPARE(strip.pointerTimer.interval(), 60);
        QCOMPARE(strip.colourStripTimer.interval(), 1500);
        QCOMPARE(world.bird.calls, QStringList{"show"});
        QVERIFY(world.messageBox.shown.isEmpty());

        for (int tick = 1; tick <= 75; ++tick) {
            if (tick == splashClickedAt) {
                strip.splashClicked();
                tick += 15; // the intro goes on from where its 20th tick leaves it
            }
            strip.onPointerTick();
            const QString at = QString::number(tick);
            QVERIFY2(strip.isVisible() == (tick >= 20), qPrintable(at));
            QVERIFY2((strip.splash() != nullptr) == (tick < 20), qPrintable(at));
            QCOMPARE(strip.spanishLine->text(), tick < 68 ? withLeadingSpaces(50 - tick, kWelcomeLine) : kBlankCaption);
            QVERIFY2(strip.playbackTimer.isActive() == (tick >= 68), qPrintable(at));
            if (tick >= 70)
                QCOMPARE(world.state.introCountdown, qint16(1));
        }
    }

    // Each tick draws the colour of the first slot and rotates the slots, but only on a collapsed strip that is not
    // being dragged.
    void colourStripDrawsOnlyWhileCollapsed() {
        FakeWorld world;
        CaptionStrip& strip = world.strip;
        strip.start();
        strip.onColourStripTick();
        QVERIFY(!strip.stripColour().isValid());
        QCOMPARE(strip.stripColours.first, qint16(12));

        strip.setHeightTwips(CaptionStrip::kCollapsedHeightTwips);
        strip.onColourStripTick();
        QCOMPARE(strip.stripColour(), QColor(255, 0, 0));
        strip.onColourStripTick();
        QCOMPARE(strip.stripColour(), QColor(0, 255, 0));

        strip.dragging = true;
        strip.onColourStripTick();
        QVERIFY(!strip.stripColour().isValid());
        QCOMPARE(strip.stripColours.first, qint16(10));
    }

    // Only sequence play puts the texts in the tooltips; a position so far off that its lesson overflows 16 bits keeps
    // the sentence and says nothing. The Spanish line lies over the English one; hovering shows the tooltip of the line
    // that is showing.
    void nextSentenceAndItsTooltips_data() {
        QTest::addColumn<qint16>("inSequence");
        QTest::addColumn<qint16>("position");
        QTest::addColumn<bool>("changes");
        QTest::addColumn<bool>("tooltips");
        QTest::newRow("in sequence") << qint16(1) << qint16(10205) << true << true;
        QTest::newRow("at random") << qint16(0) << qint16(10205) << true << false;
        QTest::newRow("position far off") << qint16(1) << qint16(-32768) << false << false;
    }
    void nextSentenceAndItsTooltips() {
        QFETCH(qint16, inSequence);
        QFETCH(qint16, position);
        QFETCH(bool, changes);
        QFETCH(bool, tooltips);
        FakeWorld world;
        CaptionStrip& strip = world.strip;
        world.state.inSequence = inSequence;
        world.state.lesson = 2;
        world.state.readingPosition = position;
        strip.spanishText = strip.englishText = QStringLiteral("kept");
        strip.spanishLine->setToolTip(QStringLiteral("old tip"));
        strip.englishLine->setToolTip(QStringLiteral("old tip"));
        strip.chooseNextSentence();
        QCOMPARE(strip.spanishText != QStringLiteral("kept"), changes);
        QCOMPARE(strip.englishText != QStringLiteral("kept"), changes);
        QVERIFY(world.messageBox.shown.isEmpty());
        for (const bool englishShowing : {false, true}) {
            strip.spanishLine->setText(englishShowing ? QStringLiteral(" ") : strip.spanishText);
            QHelpEvent hover(QEvent::ToolTip, QPoint(20, 8), QPoint(20, 8));
            QCoreApplication::sendEvent(strip.spanishLine, &hover);
            const QString shown = englishShowing ? strip.englishText : strip.spanishText;
            QCOMPARE(QToolTip::text(), tooltips ? shown : QStringLiteral("old tip"));
        }
    }

    // A display cycle with the first-run settings. The Spanish line comes in over 36 ticks of its own timer; the
    // English line rises 10 twips a tick and stops at exactly 60 twips, also when a step overshoots it. The bird
    // reads only while reading aloud is 1, and waves either way.
    void displayCycle_data() {
        QTest::addColumn<qint16>("readAloud");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("reading aloud") << qint16(1) << QStringList{"say:Hola", "wave"};
        QTest::newRow("silent") << qint16(0) << QStringList{"wave"};
        QTest::newRow("anything but 1 is silent") << qint16(-1) << QStringList{"wave"};
    }
    void displayCycle() {
        QFETCH(qint16, readAloud);
        QFETCH(QStringList, calls);
        FakeWorld world;
        CaptionStrip& strip = world.strip;
        strip.start();
        world.state.readAloud = readAloud;
        world.bird.calls.clear();
        strip.spanishText = QStringLiteral("Hola");
        strip.englishText = QStringLiteral("Hello.");
        const auto tick = [&](int count) {
            for (int i = 0; i < count; ++i)
                strip.onPlaybackTick();
        };
        // Runs an effect's timer until it stops by itself, for at most 50 ticks; tells how many it took.
        const auto run = [](QTimer& timer, const std::function<void()>& step) {
            int ticks = 0;
            for (; timer.isActive() && ticks < 50; ++ticks)
                step();
            return ticks;
        };
        tick(1);
        QCOMPARE(world.bird.calls, calls);
        QStringList captions;
        const auto enter = [&] {
            strip.onSpanishEntryTick();
            captions << strip.spanishLine->text();
        };
        QCOMPARE(run(strip.spanishEntryTimer, enter), 36);
        QCOMPARE(captions.first(), withLeadingSpaces(36, strip.spanishText));
        QCOMPARE(captions.last(), withLeadingSpaces(1, strip.spanishText));
        QCOMPARE(strip.entryStep, qint16(0));
        tick(50);
        QCOMPARE(strip.spanishLine->text(), QStringLiteral(" "));

        QList<int> tops;
        const auto rise = [&] {
            strip.onEnglishRiseTick();
            tops << strip.englishTop();
        };
        QCOMPARE(run(strip.englishRiseTimer, rise), 35);
        QCOMPARE(tops.mid(32), (QList<int>{70, 60, 60}));
        QCOMPARE(strip.englishLine->text(), QStringLiteral(" Hello."));
        strip.setEnglishTop(65);
        tops.clear();
        strip.englishRiseTimer.start();
        QCOMPARE(run(strip.englishRiseTimer, rise), 2);
        QCOMPARE(tops, (QList<int>{55, 60}));
        tick(31);
        QCOMPARE(strip.englishLine->text(), QStringLiteral(" "));
        QCOMPARE(strip.englishTop(), CaptionStrip::kEnglishRestTop);
        QCOMPARE(world.state.cyclesShown, 1);
    }
};

QTEST_MAIN(TestCaptionStrip)
#include "test_caption_strip.moc"
