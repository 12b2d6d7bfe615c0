#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

class QFile;

// Files the user names (or plants) may be FIFOs, devices or links to them: opening a FIFO
// blocks, reading /dev/zero never ends, and replacing a device node with a regular file
// destroys it. Only regular files (after following links) are read or replaced.
namespace FileSafety {

// No profile comes anywhere near this; a larger file is refused before it is read.
constexpr qint64 kMaxProfileFileBytes = 1024 * 1024;

enum class Status {
    Ok,
    Missing,
    NotRegular, // a directory, FIFO, socket or device (or a link to one)
    CannotOpen,
    TooLarge,
};

// True when path names a regular file, links followed. Never opens it.
bool isRegularFile(const QString& path);

// Opens a regular file for reading without blocking on anything else; *file is opened on the
// descriptor (and closes it).
Status openForReading(const QString& path, QFile* file);

// The whole file, if it is regular and holds at most maxBytes; never reads more than that.
Status readWhole(const QString& path, qint64 maxBytes, QByteArray* bytes);

// NotRegular when path is a FIFO, socket or device (links followed), which writing a new
// file in its place would destroy; otherwise Ok, and the write reports its own failures.
Status checkReplaceable(const QString& path);

// One line for the user about a refusal (translated); empty for Ok.
QString message(Status status, const QString& path);

} // namespace FileSafety
