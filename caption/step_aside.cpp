#include "caption/step_aside.h"

namespace parlavo {

bool stepsAside(const std::optional<ActiveWindow>& active, const PixelRect& stripScreen) {
    if (!active || !active->exists || active->ours || !active->fullScreen)
        return false;
    const PixelRect& r = active->rect;
    return rectContains(stripScreen, {r.left + r.width() / 2, r.top + r.height() / 2});
}

} // namespace parlavo
