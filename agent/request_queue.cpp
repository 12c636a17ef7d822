#include "agent/request_queue.h"

namespace parlavo {

bool RequestQueue::add(Request request) {
    if (hidden_)
        return false;
    if (request.kind == Request::Kind::Speak)
        waiting_.clear();
    waiting_.push_back(std::move(request));
    return true;
}

std::optional<Request> RequestQueue::startNext() {
    if (performing_ || waiting_.empty())
        return std::nullopt;
    Request next = std::move(waiting_.front());
    waiting_.pop_front();
    performing_ = true;
    return next;
}

void RequestQueue::finishCurrent() {
    performing_ = false;
}

void RequestQueue::setHidden(bool hidden) {
    hidden_ = hidden;
    if (hidden) {
        waiting_.clear();
        performing_ = false;
    }
}

void RequestQueue::clear() {
    waiting_.clear();
    performing_ = false;
}

} // namespace parlavo
