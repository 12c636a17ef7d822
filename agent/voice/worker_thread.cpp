#include "agent/voice/worker_thread.h"

#include <QDeadlineTimer>
#include <QThread>

namespace parlavo {

namespace {

// Long enough for any job that is not stuck.
constexpr int kShutdownWaitMs = 2000;

} // namespace

WorkerThread::WorkerThread(const QString& name) : thread_(new QThread), context_(new QObject) {
    thread_->setObjectName(name);
    context_->moveToThread(thread_);
    thread_->start();
}

WorkerThread::~WorkerThread() {
    thread_->quit();
    if (!thread_->wait(QDeadlineTimer(kShutdownWaitMs)))
        return; // the thread and its context stay until the process ends
    delete context_;
    delete thread_;
}

} // namespace parlavo
