#include "caption/caption_label.h"
#include "menu/strip_menu.h"
#include "tests/settings/dialog_world.h"
#include "tests/support/fake_bird_parts.h"

#include <QTest>
#include <QTimer>

using namespace parlavo;
using namespace parlavo::test;

namespace {

// The real program's strip, menu and bird, on fake parts; lesson 1 in sequence, Spanish first, one cycle a sentence.
struct BirdWorld {
    Settings settings;
    FakeSettingsStore store;
    FakeWindowSystem windows;
    FakeRandomSource random;
    FakeIdleInhibition idleInhibition;
    FakeWallClock clock;
    SpeakingBird bird{fakeBirdParts()};
    CaptionStrip strip{settings, {store, windows, bird, random, idleInhibition, clock}};
    FakeShell shell;
    RecordingAutostart autostart{store};
    StripMenu menu{strip, shell, store, autostart};

    explicit BirdWorld(const QString& stored) {
        for (const QString& entry : QStringList{"xxx=1", "rd=1", "guagen=10101", "n=1", stored}) // else the defaults
            store.values.insert(entry.section('=', 0, 0), entry.section('=', 1));
        strip.start();
    }
};

// What shows and where reading stands.
QStringList cycleState(const CaptionStrip& strip) {
    const ReadingPosition& at = strip.settings().readingPosition;
    return {strip.sentence().text.spanish,     strip.spanishCaption(),   strip.englishCaption(),
            QString::number(at.lesson),        QString::number(at.line), QString::number(strip.englishTop()),
            QString::number(strip.isPlaying())};
}

} // namespace

class TestRepeatSentence : public QObject {
    Q_OBJECT

private slots:
    // Steps, after the stored "sspeed": "tick N" (playback ticks), "repeat" (the menu command; the cycle must stand
    // still through it), "answer" (the voice renders its oldest line as the silent voice does, a word every 428 ms),
    // "at MS" (the clock moves and the bird catches up), "hide" (the read-aloud command), "mute" (reading aloud off).
    void birdSaysTheLineAgain_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("log");
        QTest::newRow("the lesson's lines in their speakers' voices, at the stored rate")
            << "sspeed=; tick 1; answer; at 1500; at 3000; tick 90; answer"
            << "appear; rate 150; voice es+f3; render ¡Hola!; balloon woman ¡Hola!; wave; balloon shut; "
               "voice es+m3; render ¡Buenos; balloon man ¡Buenos";
        QTest::newRow("a rate out of range is clamped on loading") << "sspeed=400"
                                                                   << "appear; rate 300";
        QTest::newRow("mid-line: cut off and said again at once")
            << "sspeed=80; tick 30; answer; at 500; repeat; answer"
            << "appear; rate 80; voice es+f3; render ¡Hola!; balloon woman ¡Hola!; stop; balloon shut; "
               "render ¡Hola!; balloon woman ¡Hola!";
        QTest::newRow("in the English phase: the Spanish line, the gesture cut short")
            << "sspeed=150; tick 1; answer; at 1500; tick 60; repeat; answer"
            << "appear; rate 150; voice es+f3; render ¡Hola!; balloon woman ¡Hola!; wave; balloon shut; "
               "render ¡Hola!; balloon woman ¡Hola!";
        QTest::newRow("hidden: out for that line only, not for the lesson's, and gone after its balloon")
            << "sspeed=150; hide; repeat; tick 1; answer; at 1500; tick 1; at 2600; tick 90"
            << "appear; rate 150; balloon shut; disappear; appear; voice es+f3; render ¡Hola!; "
               "balloon woman ¡Hola!; balloon shut; balloon shut; disappear";
        QTest::newRow("reading aloud off: said all the same, and the bird stays")
            << "sspeed=150; mute; repeat; answer; at 1500; at 2600; tick 1"
            << "appear; rate 150; voice es+f3; render ¡Hola!; balloon woman ¡Hola!; balloon shut; wave";
    }

    void birdSaysTheLineAgain() {
        QFETCH(QString, steps);
        QFETCH(QString, log);
        BirdWorld world(steps.section("; ", 0, 0));
        for (const QString& step : steps.section("; ", 1).split("; ", Qt::SkipEmptyParts)) {
            const QString verb = step.section(' ', 0, 0);
            const int count = step.section(' ', 1).toInt();
            if (verb == "tick") {
                for (int i = 0; i < count; ++i)
                    world.strip.onPlaybackTick();
            } else if (verb == "repeat") {
                const QStringList before = cycleState(world.strip);
                world.menu.repeatCommand->trigger();
                QCOMPARE(cycleState(world.strip), before);
            } else if (verb == "answer") {
                answerOldest(silentUtterance);
            } else if (verb == "at") {
                partsLog.now = count;
                world.bird.performance().advance();
            } else if (verb == "hide") {
                world.strip.setBirdShown(false);
            } else if (verb == "mute") {
                world.settings.readAloud = false;
            } else {
                QFAIL(qPrintable(step));
            }
        }
        // Lines cut to their first word; words, beak and sound follow them as test_agent_performance checks.
        QStringList said;
        for (const QString& call : partsLog.calls)
            if (!QRegularExpression("^(word|beak|sound|mute) ").match(call).hasMatch())
                said << call.section(' ', 0, call.startsWith("balloon ") ? 2 : 1);
        QCOMPARE(said.join("; "), log);
    }
};

QTEST_MAIN(TestRepeatSentence)
#include "test_repeat_sentence.moc"
