#pragma once

namespace parlavo {

// The strip is kept on the screen up to the right edge of its menu picture, so the menu, and with
// it Exit, stays reachable: its left edge ends in [0, screen width - 7110] twips.
inline constexpr float kKeepOnScreenWidthTwips = 7110.0f;

inline double clampLeftTwips(double leftTwips, int screenWidthTwips) {
    if (!(leftTwips > 0))
        leftTwips = 0;
    if (static_cast<float>(leftTwips) + kKeepOnScreenWidthTwips > static_cast<float>(screenWidthTwips))
        leftTwips = screenWidthTwips - kKeepOnScreenWidthTwips;
    return leftTwips;
}

} // namespace parlavo
