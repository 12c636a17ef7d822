#pragma once

#include "core/desktop_services.h"

#include <cstdint>
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

class SystemWallClock final : public WallClock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

} // namespace parlavo
