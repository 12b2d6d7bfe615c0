#include "app/WindowLock.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace WindowLock {

namespace {
// A lock is stale only when its process is gone: the window holds it for hours.
std::unique_ptr<QLockFile> makeLock()
{
    auto lock = std::make_unique<QLockFile>(path());
    lock->setStaleLockTime(0);
    return lock;
}
} // namespace

QString path()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(dir);
    return dir + QStringLiteral("/quilbex-control.lock");
}

std::unique_ptr<QLockFile> acquire()
{
    auto lock = makeLock();
    // A watcher may be testing the lock at this very moment; it lets go at once.
    if (!lock->tryLock(1000))
        return nullptr;
    return lock;
}

bool heldByWindow()
{
    auto lock = makeLock();
    if (lock->tryLock(0)) {
        lock->unlock();
        return false;
    }
    return lock->error() == QLockFile::LockFailedError;
}

} // namespace WindowLock
