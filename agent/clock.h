#pragma once

#include <QElapsedTimer>
#include <QtGlobal>

namespace parlavo {

// The bird's sense of time, so its timing can be driven by hand in tests.
class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since an arbitrary start; never goes backwards.
    virtual qint64 nowMs() const = 0;
};

class SteadyClock final : public Clock {
public:
    SteadyClock() { started_.start(); }
    qint64 nowMs() const override { return started_.elapsed(); }

private:
    QElapsedTimer started_;
};

} // namespace parlavo
