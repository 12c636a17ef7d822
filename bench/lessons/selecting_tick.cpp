// Runs playback ticks that choose a sentence, with callgrind collecting only during the measured tick.
//   bench_selecting_tick cold   the first such tick of a run, which also reads the lesson file
//   bench_selecting_tick warm   a later one
// Meant to run under callgrind_tick.sh; on its own it only exercises the code.
#include "bench/lessons/selecting_view.h"

#include <valgrind/callgrind.h>

#include <cstdio>
#include <cstring>

using namespace parlavo;

namespace {

void selectingTick(SharedState& state, bench::SelectingView& view, bool measured) {
    state.cyclesShown = state.timesPerSentence;
    state.cyclePhase = 4;
    if (measured)
        CALLGRIND_TOGGLE_COLLECT;
    playbackTick(state, view);
    if (measured)
        CALLGRIND_TOGGLE_COLLECT;
}

} // namespace

int main(int argc, char** argv) {
    const bool warm = argc > 1 && std::strcmp(argv[1], "warm") == 0;
    SharedState state = bench::firstRunSequencePlay(10134);
    bench::SelectingView view(state);
    if (warm)
        selectingTick(state, view, false);
    selectingTick(state, view, true);
    std::printf("%s tick showed \"%s\"\n", warm ? "warm" : "cold", qPrintable(view.spanish));
    return 0;
}
