#pragma once

#include "lessons/review_play.h"

#include <QWidget>

namespace parlavo {

// The progress window as the menu sees it. The window itself lives in a module of its own, loaded the first time
// it is opened, so that the chart library and the graphics libraries under it stay out of the running program
// until then.
class ProgressView : public QWidget {
public:
    // Works the figures out afresh and shows the window in front.
    virtual void showCurrent() = 0;
    // Writes the CSV to `path`; false when it could not be written whole.
    virtual bool exportTo(const QString& path) = 0;
};

// The module's one entry point, by this name.
using MakeProgressView = ProgressView* (*)(LearnerProgress& progress, const ReviewSentences& sentences);
inline constexpr char kMakeProgressView[] = "parlavoMakeProgressView";

// Loads the module (beside the program in a build, in libexec/parlavo beside the program's bin folder once
// installed) and makes the window; null, with a line on standard error, when it cannot be loaded.
ProgressView* loadProgressView(LearnerProgress& progress, const ReviewSentences& sentences);

} // namespace parlavo
