#pragma once

#include "core/desktop_services.h"

#include <QSocketNotifier>
#include <QTimer>

#include <cstdint>
#include <memory>
#include <random>

namespace parlavo {

class QtShell final : public Shell {
public:
    bool open(const QUrl& target) override;
};

// Reseeds from the clock at every request, so random selections never form a reproducible series.
class ClockRandomSource final : public RandomSource {
public:
    void reseedFromClock() override;
    float next() override;

private:
    std::mt19937 mEngine{std::random_device{}()};
    std::uint64_t mReseeds = 0;
};

// The alarm is a timer on the real-time clock, which counts on while the machine sleeps and rings on waking when its
// time has passed; Qt's timers follow a clock that stops during suspend, and would end a pause as late as the
// machine slept. Where no such timer can be had, a Qt timer stands in.
class SystemWallClock final : public WallClock {
public:
    SystemWallClock();
    ~SystemWallClock() override;
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    void setAlarm(const QDateTime& when) override;

private:
    int mTimerFd;
    std::unique_ptr<QSocketNotifier> mRinging;
    QTimer mStandIn;
};

} // namespace parlavo
