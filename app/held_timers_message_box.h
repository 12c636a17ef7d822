#pragma once

#include "core/desktop_services.h"

#include <QTimer>

#include <initializer_list>
#include <vector>

namespace parlavo {

// Shows messages with the given timers held. A message box runs an event loop of its own; a timer that
// fired inside it would start a second box over the first, or act on a sentence choice that is only
// half done when the box returns.
class HeldTimersMessageBox final : public MessageBox {
public:
    HeldTimersMessageBox(MessageBox& box, std::initializer_list<QTimer*> timers) : mBox(box), mTimers(timers) {}

    void show(const QString& caption, const QString& text) override {
        std::vector<QTimer*> held;
        for (QTimer* timer : mTimers) {
            if (timer->isActive()) {
                timer->stop();
                held.push_back(timer);
            }
        }
        mBox.show(caption, text);
        for (QTimer* timer : held)
            timer->start();
    }

private:
    MessageBox& mBox;
    std::vector<QTimer*> mTimers;
};

} // namespace parlavo
