// Runs playback ticks that choose a sentence, with callgrind collecting only during the measured tick.
//   bench_selecting_tick cold   the first such tick of a run, which also reads the lesson file
//   bench_selecting_tick warm   a later one
//   bench_selecting_tick own    a later one in an own lesson of 100,000 sentences (read before the measured tick)
// Meant to run under callgrind_tick.sh; on its own it only exercises the code.
#include "bench/lessons/selecting_view.h"

#include <QTemporaryDir>

#include <valgrind/callgrind.h>

#include <cstdio>
#include <cstring>

using namespace parlavo;

namespace {

// Plays up to the tick that hands out the next sentence, and measures only that one.
void selectingTick(LessonPlayback& playback, bench::SelectingView& view, bool measured) {
    while (playback.cyclesShown() < 2)
        playback.tick(view);
    if (measured)
        CALLGRIND_TOGGLE_COLLECT;
    playback.tick(view);
    if (measured)
        CALLGRIND_TOGGLE_COLLECT;
}

} // namespace

int main(int argc, char** argv) {
    const bool own = argc > 1 && std::strcmp(argv[1], "own") == 0;
    const bool warm = own || (argc > 1 && std::strcmp(argv[1], "warm") == 0);
    Settings settings = bench::firstRunSequencePlay({1, 34});
    bench::MiddleRandom random;
    const QTemporaryDir folder;
    OwnLessonStore store(folder.path());
    if (own) {
        OwnLesson large;
        for (int place = 1; place <= 100000; ++place)
            large.append(QStringLiteral("Frase número %1").arg(place), QStringLiteral("Sentence number %1").arg(place));
        QString error;
        if (!store.save(QStringLiteral("large"), large, &error))
            return std::fprintf(stderr, "%s\n", qPrintable(error)), 1;
        settings.ownLesson = {QStringLiteral("large"), 50000};
    }
    OwnLessonShelf ownLessons{std::move(store)};
    LessonPlayback playback(settings, random, ownLessons);
    bench::SelectingView view;
    if (warm)
        selectingTick(playback, view, false);
    selectingTick(playback, view, true);
    std::printf("%s tick showed \"%s\"\n", own ? "own" : warm ? "warm" : "cold", qPrintable(view.spanish));
    return 0;
}
