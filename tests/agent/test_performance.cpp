#include "agent/agent_control.h"
#include "agent/sink_speech_output.h"

#include <QTest>

using namespace parlavo;

namespace {

// Fakes that log what the bird's parts are asked to do: the voice ("render Hola", "cancel", "voice en"), the sound
// ("sound Hola", "stop") and the stage ("appear", "balloon Hola", "word Hola" or "word -" for none, "beak open" when
// it opens wide, "beak shut", "balloon shut", "wave", "disappear").
class ManualClock final : public Clock {
public:
    qint64 now = 0;
    qint64 nowMs() const override { return now; }
};

class FakeVoice final : public Voice {
public:
    explicit FakeVoice(QStringList& log) : log(log) {}
    void render(quint64 ticket, const QString& line) override {
        lastTicket = ticket;
        lastLine = line;
        log.append("render " + line);
    }
    void cancel() override { log.append("cancel"); }
    void setVoiceName(const QString& name) override { log.append("voice " + name); }

    QStringList& log;
    quint64 lastTicket = 0;
    QString lastLine;
};

// Plays by the clock, as a sound device would, until it stalls.
class FakeOutput final : public SpeechOutput {
public:
    FakeOutput(QStringList& log, const ManualClock& clock) : log(log), clock(clock) {}
    void start(const Utterance& utterance) override {
        log.append("sound " + utterance.line);
        startedMs = clock.now;
    }
    void stop() override { log.append("stop"); }
    qint64 playedMs() const override { return stalledAtMs >= 0 ? stalledAtMs : clock.now - startedMs; }

    QStringList& log;
    const ManualClock& clock;
    qint64 startedMs = 0;
    qint64 stalledAtMs = -1;
};

class FakeStage final : public Stage {
public:
    explicit FakeStage(QStringList& log) : log(log) {}
    void appear() override { log.append("appear"); }
    void disappear() override { log.append("disappear"); }
    void wave() override { log.append("wave"); }
    void setBeakOpening(qreal opening) override {
        const bool open = opening > 0.5 || (beakOpen && opening > 0.0);
        if (open != beakOpen)
            log.append(open ? "beak open" : "beak shut");
        beakOpen = open;
    }
    void showBalloon(const QString& shown) override {
        line = shown;
        log.append("balloon " + shown);
    }
    void highlightWord(qsizetype start, qsizetype length) override {
        log.append("word " + (length > 0 ? line.mid(start, length) : "-"));
    }
    void closeBalloon() override { log.append("balloon shut"); }

    QStringList& log;
    QString line;
    bool beakOpen = false;
};

struct Rig {
    QStringList log;
    ManualClock* clock = nullptr;
    FakeVoice* voice = nullptr;
    FakeOutput* output = nullptr;

    CharacterParts parts() {
        CharacterParts parts;
        clock = new ManualClock;
        voice = new FakeVoice(log);
        output = new FakeOutput(log, *clock);
        parts.clock.reset(clock);
        parts.voice.reset(voice);
        parts.output.reset(output);
        parts.stage = std::make_unique<FakeStage>(log);
        return parts;
    }

    // Steps, separated by "; ": the bird's own calls ("show", "hide", "speak Hola", "play Wave", "language 1033");
    // "answer" (the voice renders its latest line as the silent voice does: a word every 428 ms, the beak wide open
    // 100 ms into each), "answer loudly" (the same with samples), "answer nothing"; "stall" (the sound stops moving);
    // "at 500" (the clock moves to 500 ms and the bird catches up; logs "@500"); "idle?" (logs "idle" when nothing
    // is under way and no timer runs, else "busy").
    void run(BirdCharacter& bird, const QString& steps) {
        Performance& performance = bird.performance();
        for (const QString& step : steps.split("; ")) {
            const QString verb = step.section(' ', 0, 0);
            const QString rest = step.section(' ', 1);
            if (verb == "show")
                bird.Show();
            else if (verb == "hide")
                bird.Hide();
            else if (verb == "speak")
                bird.Speak(rest);
            else if (verb == "play")
                bird.Play(rest);
            else if (verb == "language")
                bird.setLanguageID(rest.toInt());
            else if (verb == "stall")
                output->stalledAtMs = output->playedMs();
            else if (verb == "idle?")
                log.append(performance.isIdle() && performance.nextAdvanceMs() < 0 ? "idle" : "busy");
            else if (verb == "at") {
                clock->now = rest.toLongLong();
                log.append("@" + rest);
                performance.advance();
            } else if (verb == "answer") {
                Utterance answer = rest == "nothing" ? Utterance{} : silentUtterance(voice->lastLine);
                if (rest == "loudly") {
                    answer.sampleRate = 22050;
                    answer.pcm = QByteArray(answer.durationMs * 22050 / 1000 * 2, '\x20');
                }
                emit voice->rendered(voice->lastTicket, answer);
            } else
                QFAIL(qPrintable("unknown step " + step));
        }
    }
};

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
            << "show; speak uno; play Wave; play Wave; answer; at 428; at 1927; at 1928; at 3428; idle?"
            << "appear; render uno; balloon uno; sound uno; word uno; @428; word -; wave; @1927; balloon shut; "
               "@1928; wave; @3428; idle";
        QTest::newRow("a new line drops what waits; the line under way finishes; gestures wait behind lines")
            << "show; speak uno; play Wave; speak dos; speak tres; play Wave; answer; at 428; answer; at 856"
            << "appear; render uno; balloon uno; sound uno; word uno; @428; word -; render tres; balloon tres; "
               "sound tres; word tres; @856; word -; wave";
        QTest::newRow("hidden, requests cost nothing")
            << "speak antes; play Wave; show; hide; speak después; play Wave; idle?"
            << "appear; balloon shut; disappear; idle";
        QTest::newRow("hiding stops the sound and forgets what waits")
            << "show; speak uno; play Wave; answer; at 100; hide; show; play Wave; at 1600; idle?"
            << "appear; render uno; balloon uno; sound uno; word uno; @100; beak open; stop; beak shut; "
               "balloon shut; disappear; appear; wave; @1600; idle";
        QTest::newRow("hiding cancels the rendering; its late result is ignored")
            << "show; speak dos; hide; show; answer; idle?"
            << "appear; render dos; cancel; balloon shut; disappear; appear; idle";
        QTest::newRow("unknown gestures are ignored, the known one in any case")
            << "show; play Dance; play; idle?; play wave"
            << "appear; idle; wave";
        QTest::newRow("nothing to say: no voice, no balloon")
            << "show; speak; speak \t\n ; speak 😀; answer nothing; play Wave"
            << "appear; render 😀; wave";
        QTest::newRow("a stalled sound device is given up three seconds after the line's end")
            << "show; speak uno dos; answer; at 100; stall; at 3855; at 3856"
            << "appear; render uno dos; balloon uno dos; sound uno dos; word uno; @100; beak open; @3855; @3856; "
               "beak shut; word -";

        QTest::newRow("Spain keeps its voice, the others switch") // the bird starts with the voice for 3082
            << "language 3082; language 2058; language 1033; language 2057; language 1034"
            << "voice es-419; voice en-us; voice en; voice es";
        QTest::newRow("other ids keep the voice, as does the same voice again")
            << "language 1033; language 1031; language 0; language 1033; language 3082"
            << "voice en-us; voice es";
    }

    void performsAsAsked() {
        QFETCH(QString, steps);
        QFETCH(QString, log);
        Rig rig;
        BirdCharacter bird(rig.parts());
        rig.run(bird, steps);
        QCOMPARE(rig.log.join("; "), log);
    }

    // Without a sound device the beak and the balloon still follow the speech, by the clock, and standard error
    // gets one line however many lines are spoken.
    void speaksMutedWithoutASoundDevice() {
        QTest::failOnWarning(QRegularExpression("."));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no sound output"));
        Rig rig;
        CharacterParts parts = rig.parts();
        parts.output = std::make_unique<SinkSpeechOutput>(*rig.clock, [] { return QAudioDevice(); });
        rig.output = nullptr;
        BirdCharacter bird(std::move(parts));
        rig.run(bird, "show; speak Buenos días; answer loudly; at 100; at 856; speak Hasta luego; answer loudly; "
                      "at 956; at 1712; at 2712; idle?");
        QCOMPARE(rig.log.join("; "), "appear; render Buenos días; balloon Buenos días; word Buenos; @100; beak open; "
                                     "@856; beak shut; word -; render Hasta luego; balloon Hasta luego; word Hasta; "
                                     "@956; beak open; @1712; beak shut; word -; @2712; balloon shut; idle");
    }

    void loadsOnlyTheBird() {
        Rig rig;
        int made = 0;
        AgentCharacters characters([&] {
            ++made;
            return rig.parts();
        });
        QVERIFY_THROWS_EXCEPTION(CharacterError, characters("Peedy")); // not loaded yet
        for (const QString name : {"Merlin", ""})
            QVERIFY_THROWS_EXCEPTION(CharacterError, characters.Load(name, QString()));
        characters.Load("Peedy", QString());
        characters.Load("PEEDY", "any key");
        QCOMPARE(made, 1);
        QCOMPARE(&characters("peedy"), &characters("Peedy"));
        QVERIFY_THROWS_EXCEPTION(CharacterError, characters("Merlin"));
    }
};

QTEST_GUILESS_MAIN(PerformanceTest)
#include "test_performance.moc"
