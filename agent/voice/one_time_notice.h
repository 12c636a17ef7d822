#pragma once

#include <QDebug>

#include <atomic>

namespace parlavo {

// A warning worth one line on standard error per process, however often its cause comes up.
class OneTimeNotice {
public:
    explicit OneTimeNotice(const char* text = "") : text_(text) {}

    void show() {
        if (!shown_.exchange(true))
            qWarning("%s", text_);
    }
    // For a warning whose words depend on its cause: only the first cause is told.
    void show(const QString& text) {
        if (!shown_.exchange(true))
            qWarning("%s", qPrintable(text));
    }

private:
    const char* text_;
    std::atomic<bool> shown_{false};
};

} // namespace parlavo
