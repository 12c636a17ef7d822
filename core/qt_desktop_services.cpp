#include "core/qt_desktop_services.h"

#include <QDesktopServices>

#include <chrono>
#include <cstdint>

namespace parlavo {

bool QtShell::open(const QUrl& target) {
    return QDesktopServices::openUrl(target);
}

// Two reseeds in a row can read the same clock value; the counter keeps their series apart.
void ClockRandomSource::reseedFromClock() {
    const auto now = static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
    const std::uint64_t mixed = now ^ (++mReseeds * 0x9e3779b97f4a7c15ull);
    mEngine.seed(static_cast<std::mt19937::result_type>(mixed ^ (mixed >> 32)));
}

float ClockRandomSource::next() {
    // generate_canonical can return exactly 1.0 through rounding; keep the promise 0 <= r < 1.
    const float r = std::generate_canonical<float, 24>(mEngine);
    return r < 1.0f ? r : 0.0f;
}

} // namespace parlavo
