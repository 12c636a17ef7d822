#pragma once

#include <QtGlobal>

#include <cmath>
#include <stdexcept>

namespace parlavo {

// Settings, counters, lesson numbers and sentence ids are 16-bit signed values whose arithmetic
// must notice when a result leaves that range instead of wrapping round silently.
class OverflowError : public std::overflow_error {
public:
    OverflowError() : std::overflow_error("16-bit overflow") {}
};

// Converts a whole or fractional number to 16 bits, rounding halves to the even neighbour.
inline qint16 toInteger16(double value) {
    if (!std::isfinite(value))
        throw OverflowError();
    const double rounded = std::nearbyint(value); // default rounding mode: to nearest, ties to even
    if (rounded < -32768.0 || rounded > 32767.0)
        throw OverflowError();
    return static_cast<qint16>(rounded);
}

inline qint16 add16(int a, int b) {
    return toInteger16(static_cast<double>(a) + b);
}
inline qint16 sub16(int a, int b) {
    return toInteger16(static_cast<double>(a) - b);
}
inline qint16 mul16(int a, int b) {
    return toInteger16(static_cast<double>(a) * b);
}

} // namespace parlavo
