#pragma once

#include <cmath>

namespace parlavo {

// Window positions and sizes are kept in twips (1/1440 inch). Qt lays windows out in
// device-independent pixels at 96 per inch whatever the screen's scale, so one pixel is 15 twips.
inline constexpr double kTwipsPerPixel = 15.0;

// Rounds to the nearest whole number, halves to the even one.
inline long roundHalfEven(double value) {
    return std::lrint(value);
}

inline int twipsToPixels(double twips, double twipsPerPixel = kTwipsPerPixel) {
    return static_cast<int>(roundHalfEven(twips / twipsPerPixel));
}
inline double pixelsToTwips(int pixels, double twipsPerPixel = kTwipsPerPixel) {
    return pixels * twipsPerPixel;
}

} // namespace parlavo
