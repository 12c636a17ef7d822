#pragma once

#include "agent/speaker.h"

#include <QString>

#include <deque>
#include <optional>

namespace parlavo {

// One thing the bird was asked to perform after everything asked before it.
struct Request {
    enum class Kind { Speak, Wave };
    Kind kind = Kind::Speak;
    QString text; // the line to speak
    Speaker speaker = Speaker::Bird;

    bool operator==(const Request&) const = default;
};

// The bird's to-do list. A new line makes every request still waiting obsolete, so the voice is never more
// than one line behind the captions; a hidden bird takes no requests at all, so it costs nothing.
// The list starts hidden: nothing is performed before the bird has been shown.
class RequestQueue {
public:
    // False when the request was refused because the bird is hidden.
    bool add(Request request);
    // The next request to perform, when none is being performed and one is waiting.
    std::optional<Request> startNext();
    // The request being performed has ended; the next one may start.
    void finishCurrent();
    // Hiding forgets every request, including the one being performed.
    void setHidden(bool hidden);
    // Forgets every request, including the one being performed, and goes on taking new ones.
    void clear();

    bool hidden() const { return hidden_; }
    bool performing() const { return performing_; }
    std::size_t waitingCount() const { return waiting_.size(); }

private:
    std::deque<Request> waiting_;
    bool performing_ = false;
    bool hidden_ = true;
};

} // namespace parlavo
