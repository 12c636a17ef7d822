#pragma once

#include "app/version_window.h"

namespace parlavo {

// The splash shown while the program starts; it goes when the intro reaches its window or when
// its picture is clicked, whichever comes first.
class SplashWindow : public VersionWindow {
    Q_OBJECT

public:
    using VersionWindow::VersionWindow;
};

} // namespace parlavo
