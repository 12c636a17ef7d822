#pragma once

#include "core/version_window.h"

namespace parlavo {

// The splash shown while the program starts; it goes when the intro reaches its window or when
// its picture is clicked, whichever comes first.
class Form4 : public VersionWindow {
    Q_OBJECT

public:
    using VersionWindow::VersionWindow;
};

} // namespace parlavo
