#pragma once

#include <QMetaObject>
#include <QObject>
#include <QString>

#include <utility>

class QThread;

namespace parlavo {

// A thread of its own for calls into a library that can get stuck there (the speech library, the sound system).
// Jobs run on it one after another, in the order posted. At the end it is given a moment to finish the job under
// way; a thread still stuck then is left behind, with whatever its jobs hold, rather than waited for.
class WorkerThread {
public:
    explicit WorkerThread(const QString& name);
    ~WorkerThread();
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;

    template <typename Job> void post(Job&& job) const { QMetaObject::invokeMethod(context_, std::forward<Job>(job)); }

private:
    QThread* thread_;
    QObject* context_; // lives on thread_; the jobs run in its name
};

} // namespace parlavo
