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
    // Start-up shows the splash and starts the pointer and colour timers only; where it puts the windows is checked on
    // the real program. A character that cannot be loaded or shown leaves a stand-in that quietly does nothing. The
    // intro then runs tick by tick; a side window that is open when it ends (its menu picture disabled) keeps playback
    // from starting, and its closing later must not start it either.
    void startAndIntro_data() {
        QTest::addColumn<QString>("characterFault");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<bool>("sideWindow");
        const QStringList shown = {"Show", "LanguageID:3082"};
        QTest::newRow("first run") << QString() << shown << false;
        QTest::newRow("side window open at the end") << QString() << shown << true;
        QTest::newRow("cannot load") << QStringLiteral("load") << QStringList() << false;
        QTest::newRow("cannot show") << QStringLiteral("show") << QStringList{"Show"} << false;
    }
    void startAndIntro() {
        QFETCH(QString, characterFault);
        QFETCH(QStringList, calls);
        QFETCH(bool, sideWindow);
        FakeWorld world;
        CaptionStrip& strip = world.strip;
        world.characters.available = characterFault != QLatin1String("load");
        world.characters.peedy.throwOnShow = characterFault == QLatin1String("show");
        strip.start();
        QVERIFY(strip.splash() && strip.splash()->isVisible());
        QVERIFY(strip.pointerTimer.isActive() && strip.colourStripTimer.isActive());
        QVERIFY(!strip.englishRiseTimer.isActive() && !strip.spanishEntryTimer.isActive() &&
                !strip.playbackTimer.isActive());
        QCOMPARE(strip.pointerTimer.interval(), 60);
        QCOMPARE(strip.colourStripTimer.interval(), 1500);
        QCOMPARE(world.characters.loads, QStringList{"Peedy|"});
        QCOMPARE(world.characters.peedy.calls, calls);
        QCOMPARE(strip.character == &world.characters.peedy, characterFault.isEmpty());
        strip.character->Speak(QStringLiteral("Hola"));
        QVERIFY(world.messageBox.shown.isEmpty());

        for (int tick = 1; tick <= 75; ++tick) {
            if (tick == 60)
                strip.setMenuPictureEnabled(!sideWindow);
            strip.onPointerTick();
            const QString at = QString::number(tick);
            QVERIFY2(strip.isVisible() == (tick >= 20), qPrintable(at));
            QVERIFY2((strip.splash() != nullptr) == (tick < 20), qPrintable(at));
            QCOMPARE(strip.spanishLine->text(), tick < 68 ? withLeadingSpaces(50 - tick, kWelcomeLine) : kBlankCaption);
            QVERIFY2(strip.playbackTimer.isActive() == (tick >= 68 && !sideWindow), qPrintable(at));
            if (tick >= 70)
                QCOMPARE(world.state.introCountdown, qint16(1));
        }
        strip.setMenuPictureEnabled(true);
        strip.onPointerTick();
        QCOMPARE(strip.playbackTimer.isActive(), !sideWindow);
    }

    void splashClickSkipsTheWait() {
        FakeWorld world;
        world.startAndTick(5);
        world.strip.splashClicked();
        QVERIFY(world.strip.isVisible() && !world.strip.splash());
        world.strip.onPointerTick();
        QCOMPARE(world.strip.spanishLine->text(), withLeadingSpaces(29, kWelcomeLine));
    }

    // The Spanish line comes in over 36 ticks; the English line rises 10 twips a tick and stops at exactly 60 twips,
    // also when a step overshoots it.
    void captionEffectsEndWhereTheyShould() {
        FakeWorld world;
        CaptionStrip& strip = world.strip;
        strip.spanishText = QStringLiteral("¡Hola! ¡Buenos días! ");
        strip.englishText = QStringLiteral("Hello. Good morning.");
        const auto run = [](QTimer& timer, const std::function<void()>& tick) {
            int ticks = 0;
            for (timer.start(); timer.isActive() && ticks < 50; ++ticks)
                tick();
            return ticks;
        };
        QStringList captions;
        const auto enter = [&] {
            strip.onSpanishEntryTick();
            captions << strip.spanishLine->text();
        };
        QCOMPARE(run(strip.spanishEntryTimer, enter), 36);
        QCOMPARE(captions.first(), withLeadingSpaces(36, strip.spanishText));
        QCOMPARE(captions.last(), withLeadingSpaces(1, strip.spanishText));
        QCOMPARE(strip.entryStep, qint16(0));

        QList<int> tops;
        const auto rise = [&] {
            strip.onEnglishRiseTick();
            tops << strip.englishTop();
        };
        QCOMPARE(run(strip.englishRiseTimer, rise), 35);
        QCOMPARE(tops.mid(32), (QList<int>{70, 60, 60}));
        QCOMPARE(strip.englishLine->text(), QStringLiteral(" Hello. Good morning."));
        strip.setEnglishTop(65);
        tops.clear();
        QCOMPARE(run(strip.englishRiseTimer, rise), 2);
        QCOMPARE(tops, (QList<int>{55, 60}));
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

    // A display cycle with the first-run settings. The character reads only while reading aloud is 1, and waves either
    // way; whatever it fails at, the lesson goes on.
    void playbackTimerDrivesTheCaption_data() {
        QTest::addColumn<qint16>("readAloud");
        QTest::addColumn<bool>("failing");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("reading aloud") << qint16(1) << false << QStringList{"Speak:Hola", "Play:Wave"};
        QTest::newRow("silent") << qint16(0) << false << QStringList{"Play:Wave"};
        QTest::newRow("anything but 1 is silent") << qint16(-1) << false << QStringList{"Play:Wave"};
        QTest::newRow("failing character") << qint16(1) << true << QStringList{"Speak:Hola", "Play:Wave"};
    }
    void playbackTimerDrivesTheCaption() {
        QFETCH(qint16, readAloud);
        QFETCH(bool, failing);
        QFETCH(QStringList, calls);
        FakeWorld world;
        CaptionStrip& strip = world.strip;
        strip.start();
        world.state.readAloud = readAloud;
        world.characters.peedy.calls.clear();
        world.characters.peedy.throwOnSpeak = world.characters.peedy.throwOnPlay = failing;
        strip.spanishText = QStringLiteral("Hola");
        const auto tick = [&](int count) {
            for (int i = 0; i < count; ++i)
                strip.onPlaybackTick();
        };
        tick(1);
        QVERIFY(strip.spanishEntryTimer.isActive());
        QCOMPARE(world.characters.peedy.calls, calls);
        tick(50);
        QCOMPARE(strip.spanishLine->text(), QStringLiteral(" "));
        QVERIFY(strip.englishRiseTimer.isActive());
        strip.setEnglishTop(200);
        tick(31);
        QCOMPARE(strip.englishLine->text(), QStringLiteral(" "));
        QCOMPARE(strip.englishTop(), CaptionStrip::kEnglishRestTop);
        QCOMPARE(world.state.cyclesShown, 1);
    }
};

QTEST_MAIN(TestCaptionStrip)
#include "test_caption_strip.moc"
