#pragma once

#include "progress/learner_progress.h"

namespace parlavo {

// Tells the user in a small window of its own, which does not hold up the strip, and on standard error.
class WindowProgressMessages final : public ProgressMessages {
public:
    void tell(const QString& text) override;
};

} // namespace parlavo
