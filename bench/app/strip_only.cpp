// The program without its speaking bird: the caption strip with its intro, playback and auto-hide on
// real timers, for measuring what the strip itself costs while it runs.
#include "bench/app/strip_without_bird.h"
#include "core/running_cost.h"

#include <QApplication>

using namespace parlavo;

int main(int argc, char* argv[]) {
    keepRunningCostLow();
    QApplication app(argc, argv);
    StripWithoutBird program;
    program.strip.start();
    return QApplication::exec();
}
