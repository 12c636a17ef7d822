#include "core/single_instance.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>
#include <QTimer>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace parlavo {

namespace {

// How long a later copy waits on a running copy that does not answer: one that is shutting down
// releases its lock within moments, one starting on a busy machine answers once its event loop runs.
constexpr int kSettleMs = 15000;

// Why `path` is not a folder that only this user can change, or the empty text when it is one.
QString privacyProblem(const QString& path) {
    const QByteArray native = QFile::encodeName(path);
    struct stat info = {};
    if (::lstat(native.constData(), &info) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    if (S_ISLNK(info.st_mode))
        return QStringLiteral("it is a symbolic link");
    if (!S_ISDIR(info.st_mode))
        return QStringLiteral("it is not a folder");
    if (info.st_uid != ::getuid())
        return QStringLiteral("it belongs to another user");
    if ((info.st_mode & (S_IWGRP | S_IWOTH)) != 0)
        return QStringLiteral("other users can write to it");
    if (::access(native.constData(), W_OK | X_OK) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    return {};
}

QString userName() {
    const struct passwd* entry = ::getpwuid(::getuid());
    return entry ? QString::fromLocal8Bit(entry->pw_name) : QString::number(::getuid());
}

QString lockErrorText(QLockFile::LockError error) {
    return error == QLockFile::PermissionError ? QStringLiteral("permission denied") : QStringLiteral("unknown error");
}

} // namespace

QString privateRuntimeFolder() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    QString reason = QStringLiteral("XDG_RUNTIME_DIR is not set");
    if (!runtime.isEmpty()) {
        const QString problem = privacyProblem(runtime);
        if (problem.isEmpty())
            return runtime;
        reason = QStringLiteral("the runtime folder %1 cannot be used (%2)").arg(runtime, problem);
    }
    // The folder Qt itself falls back to (and names in its own warning), so that one place holds what
    // this user's programs keep there. The temporary folder is shared by all users: anyone may have
    // made this name first. Whoever made it, the check afterwards decides whether it is ours alone.
    const QString fallback = QDir::tempPath() + QStringLiteral("/runtime-") + userName();
    ::mkdir(QFile::encodeName(fallback).constData(), 0700);
    const QString problem = privacyProblem(fallback);
    if (problem.isEmpty()) {
        std::fprintf(stderr, "parlavo: %s; the single-copy lock is kept in %s\n", qPrintable(reason),
                     qPrintable(fallback));
        return fallback;
    }
    std::fprintf(stderr, "parlavo: %s, and %s cannot be used either (%s); starting without the single-copy lock\n",
                 qPrintable(reason), qPrintable(fallback), qPrintable(problem));
    return {};
}

SingleInstance::SingleInstance(QObject* parent) : QObject(parent), mFolder(privateRuntimeFolder()) {
    connect(&mListener, &RequestListener::requested, this, &SingleInstance::activationRequested);
    // The event loop ends as soon as a shutdown has saved; everything after that is teardown.
    if (QCoreApplication* app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, &SingleInstance::stopListening);
}

SingleInstance::~SingleInstance() = default;

SingleInstance::Outcome SingleInstance::settle() {
    if (mFolder.isEmpty())
        return Outcome::Run;
    const QDeadlineTimer deadline(kSettleMs);
    for (;;) {
        if (becomePrimary())
            return Outcome::Run;
        if (mLock->error() != QLockFile::LockFailedError) {
            std::fprintf(stderr, "parlavo: could not take the single-copy lock %s (%s); starting anyway\n",
                         qPrintable(mLock->fileName()), qPrintable(lockErrorText(mLock->error())));
            return Outcome::Run;
        }
        if (activatePrimary(static_cast<int>(deadline.remainingTime())))
            return Outcome::AnotherCopyRuns;
        if (deadline.hasExpired())
            break;
        QThread::msleep(100);
    }
    qint64 pid = 0;
    QString host;
    QString application;
    mLock->getLockInfo(&pid, &host, &application);
    std::fprintf(stderr,
                 "parlavo: another copy (process %lld) holds %s but does not answer; not starting a second one\n",
                 static_cast<long long>(pid), qPrintable(mLock->fileName()));
    return Outcome::AnotherCopyMute;
}

bool SingleInstance::becomePrimary() {
    if (mFolder.isEmpty())
        return false;
    if (!mLock) {
        mLock = std::make_unique<QLockFile>(mFolder + QStringLiteral("/parlavo.lock"));
        mLock->setStaleLockTime(0); // only a lock whose process is gone counts as stale
    }
    if (!mLock->tryLock(0))
        return false;
    // A socket left by a crashed copy is replaced.
    const QString name = mFolder + QStringLiteral("/parlavo.socket");
    if (QString error; !mListener.listen(name, error))
        std::fprintf(stderr, "parlavo: cannot listen on %s (%s); a later copy cannot bring this one to the front\n",
                     qPrintable(name), qPrintable(error));
    return true;
}

// A running copy answers on the next turn of its event loop. A shutdown that began in the same turn (a termination
// signal is an event like this request) ends the loop first, so the asking copy, unanswered, waits for the lock and
// takes over instead of leaving nothing running.
bool SingleInstance::activatePrimary(int answerTimeoutMs) {
    return askOverSocket(mFolder + QStringLiteral("/parlavo.socket"), answerTimeoutMs);
}

void SingleInstance::stopListening() {
    mListener.close(); // later copies find nobody and wait for the lock
}

} // namespace parlavo
