#pragma once

#include "core/window_system.h"

namespace parlavo {

// Reads the active window and its full-screen state from the window manager's root-window
// properties. Nothing when the program does not run on X11 or the window manager does not announce
// an active window.
std::optional<ActiveWindow> readX11ActiveWindow();

} // namespace parlavo
