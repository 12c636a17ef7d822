#include "agent/voice/sink_speech_output.h"
#include "tests/support/fake_bird_parts.h"

#include <QTest>

using namespace parlavo;
using namespace parlavo::test;

namespace {

// Steps, separated by "; ": the bird's calls ("show", "hide", "speak Hola", "wave"); "answer" (the voice renders the
// oldest line as the silent voice does: a word every 428 ms), "answer nothing"; "stall" (the sound stops); "at 500"
// (the clock moves, logs "@500"); "idle?" ("idle" when nothing is under way and no timer runs); "expect WARNING" (once
// per process, with the first row that earns it); "muted" first: no sound device.
QString perform(const QString& steps) {
    BirdParts parts = fakeBirdParts();
    QStringList& calls = partsLog.calls;
    if (steps.startsWith("muted")) // the real sound output, with no device to be had
        parts.output = std::make_unique<SinkSpeechOutput>(*parts.clock, [] { return false; });
    SpeakingBird bird(std::move(parts));
    for (const QString& step : steps.split("; ")) {
        const QString verb = step.section(' ', 0, 0);
        const QString rest = step.section(' ', 1);
        if (verb == "show")
            bird.show();
        else if (verb == "hide")
            bird.hide();
        else if (verb == "speak")
            bird.say(rest, Speaker::Bird);
        else if (verb == "wave")
            bird.wave();
        else if (verb == "stall")
            partsLog.stalledAtMs = partsLog.now - partsLog.soundStartedMs;
        else if (verb == "idle?")
            calls << (bird.performance().isIdle() && bird.performance().nextAdvanceMs() < 0 ? "idle" : "busy");
        else if (verb == "at") {
            partsLog.now = rest.toLongLong();
            calls << "@" + rest;
            bird.performance().advance();
        } else if (verb == "answer") {
            answerOldest([&](const QString& line) {
                Utterance answer = rest == "nothing" ? Utterance{} : silentUtterance(line);
                answer.sampleRate = 22050; // with samples for the sound device, should there be one
                answer.pcm = QByteArray(answer.durationMs * 22050 / 1000 * 2, '\x20');
                return answer;
            });
        } else if (verb == "expect") {
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(rest));
        } else if (verb != "muted")
            return "unknown step " + step;
    }
    return calls.join("; ");
}

} // namespace

class PerformanceTest : public QObject {
    Q_OBJECT
private slots:
    void performsAsAsked_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("log");
        QTest::newRow("a line: balloon, sound, beak and words in step; the balloon goes a second after")
            << "show; speak Hola amigo mío; answer; at 100; at 428; at 1283; at 1284; at 2283; at 2284; idle?"
            << "appear; render Hola amigo mío; balloon Hola amigo mío; sound Hola amigo mío; word Hola; @100; "
               "beak open; @428; word amigo; @1283; word mío; @1284; beak shut; word -; @2283; @2284; balloon shut; "
               "idle";
        QTest::newRow("one after another, each wave for its time")
            << "show; speak uno; wave; wave; answer; at 428; at 1927; at 1928; at 3428; idle?"
            << "appear; render uno; balloon uno; sound uno; word uno; @428; word -; wave; @1927; balloon shut; "
               "@1928; wave; @3428; idle";
        QTest::newRow("a new line drops what waits; the line under way finishes; gestures wait behind lines")
            << "show; speak uno; wave; speak dos; speak tres; wave; answer; at 428; answer; at 856"
            << "appear; render uno; balloon uno; sound uno; word uno; @428; word -; render tres; balloon tres; "
               "sound tres; word tres; @856; word -; wave";
        QTest::newRow("hidden, requests cost nothing; hiding cancels the rendering, its late result is ignored")
            << "speak antes; wave; show; speak dos; hide; speak después; wave; show; idle?; speak tres; "
               "answer; answer"
            << "appear; render dos; cancel; balloon shut; disappear; appear; idle; render tres; balloon tres; "
               "sound tres; word tres";
        QTest::newRow("hiding stops the sound and forgets what waits")
            << "show; speak uno; wave; answer; at 100; hide; show; wave; at 1600; idle?"
            << "appear; render uno; balloon uno; sound uno; word uno; @100; beak open; stop; beak shut; "
               "balloon shut; disappear; appear; wave; @1600; idle";
        QTest::newRow("nothing to say: nothing done") << "show; speak; speak \t\n ; speak 😀; answer nothing; idle?"
                                                      << "appear; render 😀; idle";
        QTest::newRow("a stalled sound device is given up three seconds after the line's end")
            << "show; speak uno dos; answer; at 100; stall; at 3855; at 3856"
            << "appear; render uno dos; balloon uno dos; sound uno dos; word uno; @100; beak open; @3855; @3856; "
               "beak shut; word -";
        // Without a sound device the beak and the balloon still follow the speech by the clock.
        QTest::newRow("muted")
            << "muted; expect no sound output; show; speak Buenos días; answer; at 100; at 856; speak Hasta luego; "
               "answer; "
               "at 956; at 1712; at 2712; idle?"
            << "appear; render Buenos días; balloon Buenos días; word Buenos; @100; beak open; @856; beak shut; "
               "word -; render Hasta luego; balloon Hasta luego; word Hasta; @956; beak open; @1712; beak shut; "
               "word -; @2712; balloon shut; idle";
        // The voice has five seconds to render a line.
        QTest::newRow("voice too slow: line dropped; later lines silent, one at a time, while it is stuck")
            << "expect the voice did not answer in time; show; speak uno; at 5000; speak dos; speak tres; at 5500"
            << "appear; render uno; @5000; balloon dos; mute dos; word dos; @5500; word -; balloon tres; mute tres; "
               "word tres";
        QTest::newRow("voice answers too late: line not spoken, but the voice is back for the next one")
            << "show; speak uno; at 5000; answer; speak dos; answer"
            << "appear; render uno; @5000; render dos; balloon dos; sound dos; word dos";
    }

    void performsAsAsked() {
        QFETCH(QString, steps);
        QFETCH(QString, log);
        QTest::failOnWarning(QRegularExpression("."));
        QCOMPARE(perform(steps), log);
    }
};

QTEST_GUILESS_MAIN(PerformanceTest)
#include "test_performance.moc"
