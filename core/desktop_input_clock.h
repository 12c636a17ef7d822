#pragma once

#include <QObject>

#include <optional>

namespace parlavo {

// When the user last gave any input anywhere (the pointer over native windows included), as GNOME's compositor
// tells it through its idle monitor over D-Bus. On GNOME's Wayland session the X server hears nothing at all when
// the pointer moves from one of our windows onto a native one, so input that X did not see is the one sign that
// the pointer has gone. Elsewhere nothing is known. Answers come back asynchronously: each question is answered
// with what the compositor last said, and a new question goes out at most a few times a second.
class DesktopInputClock final : public QObject {
    Q_OBJECT

public:
    DesktopInputClock();

    // On the steady clock of steadyNowMs(); nothing where the desktop does not say.
    std::optional<qint64> lastInputMs();

private:
    void ask();

    bool mAvailable = false;
    bool mAsking = false;
    qint64 mAskedAtMs = 0;
    std::optional<qint64> mLastInputMs;
};

} // namespace parlavo
