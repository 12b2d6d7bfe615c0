#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

// The window holds this lock for as long as it runs, so that quilbex-cli watch knows to
// leave the pedals to it: the two never both write.
namespace WindowLock {

// "quilbex-control.lock" in the user's runtime folder (the application data folder where
// there is none).
QString path();
// Takes the lock; null when it cannot be had (another window holds it).
std::unique_ptr<QLockFile> acquire();
// True while a running window (another process) holds the lock.
bool heldByWindow();

} // namespace WindowLock
