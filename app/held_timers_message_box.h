#pragma once

#include "core/desktop_services.h"

#include <QTimer>

#include <initializer_list>
#include <vector>

namespace parlavo {

// Stops those of the timers that run and returns them, for startAll() to let go again later.
template <typename Timers> std::vector<QTimer*> stopRunning(const Timers& timers) {
    std::vector<QTimer*> held;
    for (QTimer* timer : timers) {
        if (timer->isActive()) {
            timer->stop();
            held.push_back(timer);
        }
    }
    return held;
}

inline void startAll(const std::vector<QTimer*>& timers) {
    for (QTimer* timer : timers)
        timer->start();
}

// Shows messages with the given timers held. A message box runs an event loop of its own; a timer that
// fired inside it would start a second box over the first, or act on a sentence choice that is only
// half done when the box returns.
class HeldTimersMessageBox final : public MessageBox {
public:
    HeldTimersMessageBox(MessageBox& box, std::initializer_list<QTimer*> timers) : mBox(box), mTimers(timers) {}

    void show(const QString& caption, const QString& text) override {
        const std::vector<QTimer*> held = stopRunning(mTimers);
        mBox.show(caption, text);
        startAll(held);
    }

private:
    MessageBox& mBox;
    std::vector<QTimer*> mTimers;
};

} // namespace parlavo
