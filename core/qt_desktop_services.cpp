#include "core/qt_desktop_services.h"

#include <QDesktopServices>

#include <sys/timerfd.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>

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

SystemWallClock::SystemWallClock() : mTimerFd(timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC)) {
    mStandIn.setSingleShot(true);
    connect(&mStandIn, &QTimer::timeout, this, &WallClock::alarmRang);
    if (mTimerFd < 0) {
        std::perror("parlavo: no real-time timer; a pause may end late after the computer sleeps");
        return;
    }
    mRinging = std::make_unique<QSocketNotifier>(mTimerFd, QSocketNotifier::Read);
    connect(mRinging.get(), &QSocketNotifier::activated, this, [this] {
        std::uint64_t expirations = 0;
        if (read(mTimerFd, &expirations, sizeof expirations) == sizeof expirations)
            emit alarmRang();
    });
}

SystemWallClock::~SystemWallClock() {
    if (mTimerFd >= 0)
        close(mTimerFd);
}

void SystemWallClock::setAlarm(const QDateTime& when) {
    if (mTimerFd < 0) {
        if (when.isValid())
            mStandIn.start(static_cast<int>(std::clamp<qint64>(now().msecsTo(when), 0, INT32_MAX)));
        else
            mStandIn.stop();
        return;
    }
    // A zero time disarms the timer: a time at or before the epoch, long past, is asked as its first millisecond.
    const qint64 ms = when.isValid() ? std::max<qint64>(when.toMSecsSinceEpoch(), 1) : 0;
    itimerspec at{};
    at.it_value = {static_cast<time_t>(ms / 1000), static_cast<long>(ms % 1000 * 1000000)};
    timerfd_settime(mTimerFd, TFD_TIMER_ABSTIME, &at, nullptr);
}

} // namespace parlavo
