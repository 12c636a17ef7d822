#include "app/splash_window.h"
#include "caption/caption_effects.h"
#include "caption/caption_label.h"
#include "tests/support/fake_services.h"

#include <QTest>

using namespace parlavo;
using namespace parlavo::test;

// The caption strip on fakes: start-up, the intro, the caption effects and playback.
class TestCaptionStrip : public QObject {
    Q_OBJECT

private slots:
    // Without a stored left edge it is half the screen less 2000 twips; the strip sits at the top edge, 7155 x 340
    // twips, and the splash's corner 1000 twips left of and 1800 above the screen's centre.
    void startPlacesEverything_data() {
        QTest::addColumn<QString>("storedLeft");
        QTest::addColumn<int>("writes");
        QTest::addColumn<int>("left");
        QTest::newRow("first run") << QString() << 16 << 827;
        QTest::newRow("stored left edge") << QStringLiteral("3000") << 0 << 200;
    }
    void startPlacesEverything() {
        QFETCH(QString, storedLeft);
        QFETCH(int, writes);
        QFETCH(int, left);
        FakeWorld world;
        CaptionStrip& strip = world.strip;
        if (!storedLeft.isEmpty())
            world.store.values = {{"xxx", "1"}, {"left", storedLeft}};
        strip.start();
        QCOMPARE(world.store.writes.size(), writes);
        QCOMPARE(world.windows.geometry(&strip), QRect(left, 0, 477, 23));
        QCOMPARE(toQRect(strip.recordedRect), QRect(left, 0, 477, 23));
        QCOMPARE(world.windows.topmostCalls, 1);
        QVERIFY(strip.splash() && strip.splash()->isVisible());
        QCOMPARE(world.windows.geometry(strip.splash()), QRect(893, 420, 210, 280));

        QVERIFY(strip.pointerTimer.isActive() && strip.colourStripTimer.isActive());
        QVERIFY(!strip.englishRiseTimer.isActive() && !strip.spanishEntryTimer.isActive() &&
                !strip.playbackTimer.isActive());
        QCOMPARE(strip.pointerTimer.interval(), 60);
        QCOMPARE(strip.colourStripTimer.interval(), 1500);
        QCOMPARE(world.characters.loads, QStringList{"Peedy|"});
        QCOMPARE(world.characters.peedy.calls, QStringList({"Show", "LanguageID:3082"}));
        QCOMPARE(strip.character, &world.characters.peedy);
    }

    void missingCharacterLeavesAQuietStandIn_data() {
        QTest::addColumn<bool>("available");
        QTest::newRow("cannot load") << false;
        QTest::newRow("cannot show") << true;
    }
    void missingCharacterLeavesAQuietStandIn() {
        QFETCH(bool, available);
        FakeWorld world;
        world.characters.available = available;
        world.characters.peedy.throwOnShow = true;
        world.strip.start();
        QVERIFY(world.strip.character && world.strip.character != &world.characters.peedy);
        world.strip.character->Speak(QStringLiteral("Hola"));
        world.strip.character->Hide();
        QVERIFY(world.messageBox.shown.isEmpty());
        QVERIFY(world.strip.pointerTimer.isActive());
    }

    // A side window that is open when the intro ends (its menu picture disabled) keeps playback from starting, and its
    // closing later must not start it either.
    void introRunsTickByTick_data() {
        QTest::addColumn<bool>("sideWindow");
        QTest::newRow("nothing else open") << false;
        QTest::newRow("side window open at the end") << true;
    }
    void introRunsTickByTick() {
        QFETCH(bool, sideWindow);
        FakeWorld world;
        CaptionStrip& strip = world.strip;
        strip.start();
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

    void spanishEntryTakes36Ticks() {
        FakeWorld world;
        CaptionStrip& strip = world.strip;
        strip.spanishText = QStringLiteral("¡Hola! ¡Buenos días! ");
        strip.spanishEntryTimer.start();
        QStringList captions;
        while (strip.spanishEntryTimer.isActive() && captions.size() < 50) {
            strip.onSpanishEntryTick();
            captions << strip.spanishLine->text();
        }
        QCOMPARE(captions.size(), 36);
        QCOMPARE(captions.first(), withLeadingSpaces(36, strip.spanishText));
        QCOMPARE(captions.last(), withLeadingSpaces(1, strip.spanishText));
        QCOMPARE(strip.entryStep, qint16(0));
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
        while (strip.englishRiseTimer.isActive() && tops.size() < 50) {
            strip.onEnglishRiseTick();
            tops << strip.englishTop();
        }
        QCOMPARE(tops.size(), ticks);
        QCOMPARE(tops.mid(ticks - lastTops.size()), lastTops);
        QCOMPARE(strip.englishLine->text(), QStringLiteral(" Hello. Good morning."));
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
    // the sentence and says nothing.
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
        QCOMPARE(strip.spanishLine->toolTip(), tooltips ? strip.spanishText : QStringLiteral("old tip"));
        QCOMPARE(strip.englishLine->toolTip(), tooltips ? strip.englishText : QStringLiteral("old tip"));
        QVERIFY(world.messageBox.shown.isEmpty());
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
        world.state.languageOrder = 1;
        world.state.timesPerSentence = 2;
        world.state.spanishSeconds = 5;
        world.state.englishSeconds = 3;
        world.state.readAloud = readAloud;
        world.characters.peedy.throwOnSpeak = world.characters.peedy.throwOnPlay = failing;
        strip.character = &world.characters.peedy;
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
