// Prints what the speaking bird costs: how long a line takes from Speak to its first samples reaching the sound
// device, the processor time it takes while idle and while speaking a line every 8 s, and the memory it adds.
// Asserts nothing. Meant to run on a real display with a sound server, for example:
//   scripts/with-x11 scripts/with-pulse build/ci/bench/agent/parlavo_agent_bench --idle 60 --speaking 64

#include "agent/speaking_bird.h"
#include "agent/voice/speech_output.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>

using namespace parlavo;

namespace {

const QStringList kLines{
    "¿Cómo estás? ¡Muy bien, gracias!",     "Me gustaría un café con leche, por favor.",
    "¿Dónde está la estación de tren?",     "Hoy hace un día estupendo para pasear por el parque.",
    "Mañana vamos a cenar con mis padres.",
};

double processorSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// A field of /proc/self/status in kB, such as "VmRSS" or "VmHWM".
long memoryKb(const char* field) {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(line.indexOf(':') + 1).trimmed().split(' ').first().toLong();
    }
    return -1;
}

void waitMs(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Runs the event loop until the performance has nothing left to do, or the deadline passes.
void waitUntilDone(Performance& performance, int deadlineMs) {
    QElapsedTimer waited;
    waited.start();
    while ((!performance.isIdle() || performance.nextAdvanceMs() >= 0) && waited.elapsed() < deadlineMs)
        waitMs(50);
}

void printCost(const char* what, double cpuSeconds, double wallSeconds) {
    const double perMinute = cpuSeconds / wallSeconds * 60.0;
    std::printf("%-34s %7.3f CPU s per minute = %6.3f %% of one core (over %.0f s)\n", what, perMinute,
                perMinute / 60.0 * 100.0, wallSeconds);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCommandLineParser options;
    options.addOptions({{"idle", "Seconds to measure while idle.", "seconds", "60"},
                        {"speaking", "Seconds to measure while speaking a line every 8 s.", "seconds", "64"}});
    options.process(app);
    const int idleSeconds = options.value("idle").toInt();
    const int speakingSeconds = options.value("speaking").toInt();

    const long rssBeforeKb = memoryKb("VmRSS");
    BirdParts parts = makeBirdParts();
    SpeechOutput& output = *parts.output;
    SpeakingBird bird(std::move(parts));
    Performance& performance = bird.performance();
    bird.show();
    waitMs(1000);

    // Speak to first samples, line by line.
    QElapsedTimer sinceSpeak;
    qint64 latencyMs = -1;
    QObject::connect(&output, &SpeechOutput::soundStarted, [&] { latencyMs = sinceSpeak.elapsed(); });
    QList<qint64> latencies;
    for (const QString& line : kLines) {
        latencyMs = -1;
        sinceSpeak.start();
        bird.say(line, Speaker::Bird);
        waitUntilDone(performance, 20000);
        latencies.append(latencyMs);
    }
    std::printf("Speak to first samples handed to the sink, ms:");
    for (qint64 ms : latencies)
        std::printf(" %lld", static_cast<long long>(ms));
    std::sort(latencies.begin(), latencies.end());
    std::printf("  (median %lld)\n", static_cast<long long>(latencies[latencies.size() / 2]));
    if (latencies.first() < 0)
        std::printf("  (-1: no sound device, so no samples were handed over)\n");

    double cpu = processorSeconds();
    QElapsedTimer wall;
    wall.start();
    waitMs(idleSeconds * 1000);
    printCost("idle:", processorSeconds() - cpu, wall.elapsed() / 1000.0);

    cpu = processorSeconds();
    wall.start();
    for (int line = 0; wall.elapsed() < speakingSeconds * 1000; ++line) {
        bird.say(kLines[line % kLines.size()], Speaker::Bird);
        bird.wave();
        waitMs(8000);
    }
    printCost("speaking a line every 8 s:", processorSeconds() - cpu, wall.elapsed() / 1000.0);

    std::printf("peak memory added by the bird: %.1f MB (peak RSS %.1f MB, before %.1f MB)\n",
                (memoryKb("VmHWM") - rssBeforeKb) / 1024.0, memoryKb("VmHWM") / 1024.0, rssBeforeKb / 1024.0);
    return 0;
}
