#pragma once

#include "core/local_request.h"

#include <QLockFile>
#include <QObject>

#include <memory>

namespace parlavo {

// Decides which copy of the program runs. The first copy holds a lock file in a folder private to
// this user and listens on a socket beside it; a later copy asks it to come to the front and ends
// once it has answered. The lock, not the socket, decides who is first: a crashed copy leaves its
// socket file behind, while its lock is taken over as stale.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    enum class Outcome {
        Run,             // this copy runs (and, when the lock could be used, it is the only one)
        AnotherCopyRuns, // the running copy answered and came to the front
        AnotherCopyMute, // a live copy holds the lock but never answered
    };

    explicit SingleInstance(QObject* parent = nullptr);
    ~SingleInstance() override;

    // The whole start-up decision. A copy that is shutting down does not answer; this one then waits
    // for its lock. When no private folder or no lock can be had, this copy runs after one warning:
    // nobody else can keep it from starting.
    Outcome settle();

    // True when this copy took the lock; it then listens for later copies.
    bool becomePrimary();
    // Asks the running copy to show itself; true once it answered that it did.
    bool activatePrimary(int answerTimeoutMs = 3000);
    // From now on later copies get no answer and wait for the lock instead. Also run when the
    // event loop ends.
    void stopListening();

signals:
    void activationRequested();

private:
    QString mFolder;
    std::unique_ptr<QLockFile> mLock;
    RequestListener mListener;
};

// The folder for the lock and the socket: $XDG_RUNTIME_DIR when it belongs to this user and no one
// else can write to it, else a private folder made for this user in the temporary folder. Empty
// when neither can be had. Explains on standard error when it does not use $XDG_RUNTIME_DIR.
QString privateRuntimeFolder();

} // namespace parlavo
