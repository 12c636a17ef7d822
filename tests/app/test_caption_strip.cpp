#include "app/global_shortcuts.h"
#include "app/shutdown.h"
#include "app/splash_window.h"
#include "caption/caption_effects.h"
#include "caption/caption_label.h"
#include "tests/support/fake_services.h"

#include <QHelpEvent>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>
#include <QtGui/private/qguiapplication_p.h>

using namespace parlavo;
using namespace parlavo::test;

namespace {

// Takes what it is given, but says the first key is held elsewhere.
class FakeGlobalKeys final : public GlobalKeys {
public:
    QList<QKeySequence> taken;
    QList<QKeySequence> grab(const QList<QKeySequence>& keys) override { return (taken = keys).mid(0, 1); }
};

} // namespace

// The caption strip on fakes: start-up, the intro, the caption effects, playback and the session.
class TestCaptionStrip : public QObject {
    Q_OBJECT

private slots:
    // Start-up shows the bird and loads the settings (the first run writes them); the intro then runs tick by tick,
    // and a click on the splash skips the wait for the strip.
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
        QCOMPARE(world.bird.calls, QStringList{"show"});
        QCOMPARE(world.store.values.value("xxx"), QStringLiteral("1"));
        QCOMPARE(world.windows.geometry(&strip), QRect(827, 0, 477, 23));
        for (int tick = 1; tick <= 75; ++tick) {
            if (tick == splashClickedAt) {
                strip.splashClicked();
                tick += 15; // the intro goes on from where its 20th tick leaves it
            }
            strip.onPointerTick();
            const QString at = QString::number(tick);
            QVERIFY2(strip.isVisible() == (tick >= 20), qPrintable(at));
            QVERIFY2((strip.splash() != nullptr) == (tick < 20), qPrintable(at));
            QCOMPARE(strip.spanishCaption(), tick < 68 ? withLeadingSpaces(50 - tick, kWelcomeLine) : kBlankCaption);
            QVERIFY2(strip.isPlaying() == (tick >= 68), qPrintable(at));
        }
    }

    // The band along the lower edge shows, in rotating colours, only on a collapsed strip that is not dragged.
    void colourStripDrawsOnlyWhileCollapsed() {
        FakeWorld world;
        CaptionStrip& strip = world.strip;
        world.startAndTick(80);
        strip.onColourStripTick();
        QVERIFY(!strip.stripColour().isValid());
        world.settings.autoHide = true;
        strip.onPointerTick();
        strip.onColourStripTick();
        QCOMPARE(strip.stripColour(), QColor(255, 0, 0));
        strip.onColourStripTick();
        QCOMPARE(strip.stripColour(), QColor(0, 255, 0));
    }

    // A display cycle with the first-run settings, in sequence. The Spanish line comes in over 36 ticks of its own
    // timer and the English one rises over 35, both offered whole as tooltips; the bird reads the line only while
    // reading aloud is on, and waves either way. Hovering shows the tooltip of the line that is showing.
    void displayCycle_data() {
        QTest::addColumn<bool>("readAloud");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("reading aloud") << true << QStringList{"say:¡Hola! ¡Buenos días! ", "wave"};
        QTest::newRow("silent") << false << QStringList{"wave"};
    }
    void displayCycle() {
        QFETCH(bool, readAloud);
        QFETCH(QStringList, calls);
        FakeWorld world;
        world.store.values = {{"xxx", "1"}, {"rd", "1"}, {"guagen", "10101"}, {"voice", readAloud ? "1" : "0"}};
        CaptionStrip& strip = world.strip;
        world.startAndTick(80);
        world.bird.calls.clear();
        strip.onPlaybackTick();
        QCOMPARE(world.bird.calls, calls);
        QStringList captions;
        for (int tick = 0; tick < 36; ++tick) {
            strip.onSpanishEntryTick();
            captions << strip.spanishCaption();
        }
        QCOMPARE(captions.first(), withLeadingSpaces(36, strip.sentence().text.spanish));
        QCOMPARE(captions.last(), withLeadingSpaces(1, strip.sentence().text.spanish));
        for (int tick = 0; tick < 50; ++tick)
            strip.onPlaybackTick();
        QCOMPARE(strip.spanishCaption(), kBlankCaption);
        QList<int> tops;
        for (int tick = 0; tick < 35; ++tick) {
            strip.onEnglishRiseTick();
            tops << strip.englishTop();
        }
        QCOMPARE(tops.first(), 26);
        QCOMPARE(tops.mid(32), (QList<int>{5, 4, 4}));
        QCOMPARE(strip.englishCaption(), QStringLiteral(" Hello. Good morning."));
        QHelpEvent hover(QEvent::ToolTip, QPoint(20, 8), QPoint(20, 8));
        QCoreApplication::sendEvent(strip.childAt(20, 8), &hover);
        QCOMPARE(QToolTip::text(), QStringLiteral("Hello. Good morning."));
        for (int tick = 0; tick < 31; ++tick)
            strip.onPlaybackTick();
        QCOMPARE(strip.englishCaption(), kBlankCaption);
        QCOMPARE(strip.englishTop(), 27);
        QCOMPARE(world.settings.readingPosition, (ReadingPosition{1, 2}));
    }

    // A full-screen window holds the lesson; it all comes back as it was. Stepping aside in the intro's scroll keeps
    // the strip away and its playback unstarted until the return. A film, slides or a call held in front of the
    // desktop send it aside too, unless the user said otherwise.
    void stripStepsAsideForFullScreen() {
        FakeWorld world;
        world.startAndTick(25);
        const auto check = [&world] {
            for (int tick = 0; tick < CaptionStrip::kStepAsideCheckTicks; ++tick)
                world.strip.onPointerTick();
            return world.strip.steppedAside();
        };
        world.windows.active = ActiveWindow{true, false, true, {0, 0, 1920, 1080}};
        for (int tick = 25; tick < 90; ++tick)
            world.strip.onPointerTick();
        QVERIFY(world.strip.steppedAside() && !world.strip.isVisible() && !world.strip.isPlaying());
        QCOMPARE(world.bird.calls.last(), QStringLiteral("hide"));
        world.windows.active->fullScreen = false;
        QVERIFY(!check() && world.strip.isPlaying() && world.strip.isVisible());
        QCOMPARE(world.bird.calls.last(), QStringLiteral("show"));
        world.idleInhibition.isHeld = true;
        world.settings.stepAsideForFilms = false;
        QVERIFY(!check());
        world.settings.stepAsideForFilms = true;
        QVERIFY(check());
    }

    // A pause shrinks the strip to its line, sends the bird away, holds the lesson where it is and leaves nothing
    // ticking; its end is kept at once, and the clock's alarm brings everything back at that time, not before.
    // Pointing at the line opens an empty strip that says until when.
    void pauseHoldsTheLessonUntilItsEnd_data() {
        QTest::addColumn<int>("length");
        QTest::addColumn<QDateTime>("end");
        QTest::addColumn<QString>("notice");
        const QDate today(2026, 12, 7);
        QTest::newRow("half an hour") << int(PauseLength::HalfHour) << QDateTime(today, QTime(10, 30))
                                      << "Paused until 10:30";
        QTest::newRow("until tomorrow") << int(PauseLength::UntilMorning) << QDateTime(today.addDays(1), QTime(6, 0))
                                        << "Paused until 06:00 tomorrow";
    }
    void pauseHoldsTheLessonUntilItsEnd() {
        QFETCH(int, length);
        QFETCH(QDateTime, end);
        FakeWorld world;
        CaptionStrip& strip = world.strip;
        world.startAndTick(80);
        strip.onPlaybackTick();
        strip.onSpanishEntryTick();
        const QString shown = strip.spanishCaption();
        world.bird.calls.clear();
        strip.pause(PauseLength(length));
        QVERIFY(strip.isPaused() && strip.isIdle());
        QCOMPARE(world.bird.calls, QStringList{"hide"});
        QCOMPARE(world.windows.geometry(&strip).height(), 1);
        QCOMPARE(world.store.values.value("pauseuntil"), end.toUTC().toString(Qt::ISODate));
        strip.repeatSentence();
        QCOMPARE(world.bird.calls, QStringList{"hide"});

        world.windows.pointer = {900, 0};
        QEnterEvent enter(QPointF(1, 0), QPointF(1, 0), QPointF(900, 0));
        QCoreApplication::sendEvent(&strip, &enter);
        QCOMPARE(world.windows.geometry(&strip).height(), CaptionStrip::kOpenHeight);
        QTEST(strip.toolTip(), "notice");
        QVERIFY(!qobject_cast<CaptionLabel*>(strip.childAt(20, 8)));

        world.clock.time = end.addSecs(-1);
        emit world.clock.alarmRang();
        QVERIFY(strip.isPaused() && world.clock.alarm == end);
        world.clock.time = end;
        emit world.clock.alarmRang();
        QVERIFY(!strip.isPaused() && strip.isPlaying() && !world.clock.alarm.isValid());
        QCOMPARE(world.bird.calls.last(), QStringLiteral("show"));
        QCOMPARE(world.store.values.value("pauseuntil"), QString());
        QCOMPARE(strip.spanishCaption(), shown);
        QCOMPARE(world.windows.geometry(&strip).height(), CaptionStrip::kOpenHeight);
    }

    // A restart during a pause comes up paused, without the splash or the bird, and resumes at the stored time; a
    // pause that ended meanwhile, or an unreadable one, is forgotten. An end set further away than a day is cut to a
    // day.
    void restartDuringPause_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QDateTime>("resumesAt"); // invalid: not paused
        const QDateTime now(QDate(2026, 12, 7), QTime(10, 0));
        QTest::newRow("paused") << now.addSecs(600).toUTC().toString(Qt::ISODate) << now.addSecs(600);
        QTest::newRow("ended") << now.addSecs(-1).toUTC().toString(Qt::ISODate) << QDateTime();
        QTest::newRow("unreadable") << "soon" << QDateTime();
        QTest::newRow("a year away") << now.addYears(1).toUTC().toString(Qt::ISODate) << now.addDays(1);
    }
    void restartDuringPause() {
        QFETCH(QString, stored);
        QFETCH(QDateTime, resumesAt);
        FakeWorld world;
        world.store.values = {{"xxx", "1"}, {"pauseuntil", stored}};
        world.strip.start();
        QCOMPARE(world.strip.isPaused(), resumesAt.isValid());
        QCOMPARE(world.bird.calls, resumesAt.isValid() ? QStringList{"hide"} : QStringList{"show"});
        QCOMPARE(world.strip.splash() == nullptr, resumesAt.isValid());
        if (!resumesAt.isValid())
            return;
        QVERIFY(world.strip.isVisible() && world.strip.isIdle());
        world.clock.time = resumesAt;
        world.strip.onPauseEnd();
        QVERIFY(world.strip.isPlaying() && world.strip.isVisible());
    }

    // The settings' keys are taken at start and again when the dialog changes them, and so is the text size (the
    // captions, the balloon and the strip's height); a key held elsewhere is said once. The keys' commands, and the
    // sizes' drag, auto-hide and menu, are tried on the real program.
    void dialogChangesReachKeysAndTextSize() {
        FakeWorld world;
        FakeGlobalKeys keys;
        GlobalShortcuts shortcuts(world.strip, keys);
        QSignalSpy said(&shortcuts, &GlobalShortcuts::keyTaken);
        world.startAndTick(80);
        shortcuts.apply();
        world.settings.shortcuts[1] = QKeySequence(QStringLiteral("Meta+F9"));
        world.settings.textScale = 150;
        world.strip.announceSettingsChanged();
        QCOMPARE(keys.taken.value(1), QKeySequence(QStringLiteral("Meta+F9")));
        QCOMPARE(said.count(), 1);
        QCOMPARE(world.windows.geometry(&world.strip).height(), 35);
        QCOMPARE(world.strip.findChild<CaptionLabel*>()->font().pointSizeF(), 10.5 * 1.5);
        QCOMPARE(world.bird.calls.last(), QStringLiteral("text 150"));
    }

    // A checkpoint saves and the program runs on; the session's end saves once; Exit saves once.
    void sessionCheckpointSavesAndKeepsRunning() {
        FakeWorld world;
        world.strip.start();
        followSession(*qGuiApp, world.strip);
        const int syncs = world.store.syncs;
        auto* app = static_cast<QGuiApplicationPrivate*>(QObjectPrivate::get(qGuiApp));
        QTimer::singleShot(0, [app] { app->commitData(); });
        QTimer::singleShot(20, [] { QCoreApplication::exit(7); });
        QCOMPARE(QCoreApplication::exec(), 7);
        QCOMPARE(world.store.syncs, syncs + 2); // the checkpoint, and the end of the event loop
        QTimer::singleShot(0, [&world] { shutDown(world.strip); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QCOMPARE(world.store.syncs, syncs + 3);
        QCOMPARE(world.store.values.value("left"), QStringLiteral("12405"));
    }
};

QTEST_MAIN(TestCaptionStrip)
#include "test_caption_strip.moc"
