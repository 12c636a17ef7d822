// Plays display cycles on a real 100 ms precise timer and prints how long they took against their
// nominal length (etime 5 and ctime 3 make a cycle of 82 ticks, 8.2 s).
//   bench_cycle_length [CYCLES]   default 10, which takes about 82 s
#include "bench/lessons/selecting_view.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <cstdio>

using namespace parlavo;

namespace {

constexpr int kTickMilliseconds = 100;
constexpr int kTicksPerCycle = 82;

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int cycles = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 10;
    Settings settings = bench::firstRunSequencePlay({1, 1});
    bench::MiddleRandom random;
    OwnLessonShelf ownLessons{OwnLessonStore(QString())};
    LessonPlayback playback(settings, random, ownLessons);
    bench::SelectingView view;

    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(kTickMilliseconds);
    QElapsedTimer clock;
    qint64 ticks = 0;
    qint64 worstLateness = 0;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        ++ticks;
        worstLateness = std::max(worstLateness, clock.elapsed() - ticks * kTickMilliseconds);
        playback.tick(view);
        if (view.clearedEnglish == cycles) // with Spanish first, clearing the English ends a cycle
            app.quit();
    });
    clock.start();
    timer.start();
    app.exec();

    const double measured = clock.elapsed() / 1000.0;
    const double nominal = cycles * kTicksPerCycle * kTickMilliseconds / 1000.0;
    std::printf("%d cycles: measured %.3f s, nominal %.1f s, drift %+.3f s (%+.3f%%), worst tick %lld ms late\n",
                cycles, measured, nominal, measured - nominal, 100.0 * (measured - nominal) / nominal,
                static_cast<long long>(worstLateness));
    return 0;
}
