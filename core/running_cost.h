#pragma once

namespace parlavo {

// Settings for a process that runs all day beside the user's work. Call first thing in main, before the
// application object and any thread exist.
void keepRunningCostLow();

} // namespace parlavo
