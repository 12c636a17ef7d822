#pragma once

#include "lessons/review_play.h"

#include <QString>

namespace parlavo {

// Writes every answer in the progress database at `databasePath` as CSV to the file `target`, or to standard
// output for "-". Needs no display. Returns the exit status for the command line; failures are told on standard
// error, and a file is either written whole or left as it was.
int exportProgress(const QString& target, const QString& databasePath, const ReviewSentences& sentences);

} // namespace parlavo
