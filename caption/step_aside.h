#pragma once

#include "core/window_system.h"

namespace parlavo {

// Whether the strip, the bird and its balloon step aside for a film, slides or a game: the active
// window is in full screen on the strip's screen. A window of this program, no active window, a
// window on another screen, or a window manager that does not say leaves everything as it is.
bool stepsAside(const std::optional<ActiveWindow>& active, const PixelRect& stripScreen);

} // namespace parlavo
