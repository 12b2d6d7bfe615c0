#include "app/FileSafety.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace FileSafety {

namespace {

bool statPath(const QString& path, struct stat* info)
{
    return !path.isEmpty() && ::stat(QFile::encodeName(path).constData(), info) == 0;
}

} // namespace

bool isRegularFile(const QString& path)
{
    struct stat info = {};
    return statPath(path, &info) && S_ISREG(info.st_mode);
}

Status openForReading(const QString& path, QFile* file)
{
    if (path.isEmpty())
        return Status::Missing;
    // O_NONBLOCK: a FIFO without a writer would otherwise hold the open forever. The type is
    // checked on the descriptor, so a file swapped in after a look at the path is caught too.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT || errno == ENOTDIR ? Status::Missing : Status::CannotOpen;
    struct stat info = {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return Status::NotRegular;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    if (!file->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return Status::CannotOpen;
    }
    return Status::Ok;
}

Status readWhole(const QString& path, qint64 maxBytes, QByteArray* bytes)
{
    bytes->clear();
    QFile file;
    const Status status = openForReading(path, &file);
    if (status != Status::Ok)
        return status;
    const qint64 size = file.size();
    if (size > maxBytes)
        return Status::TooLarge;
    // Sized by the file (a buffer of the limit for every profile would weigh on start-up); one
    // byte more shows a file that grew meanwhile, whose rest is read up to the limit.
    QByteArray data = file.read(size + 1);
    while (data.size() > size && data.size() <= maxBytes) {
        const QByteArray more = file.read(qMin<qint64>(64 * 1024, maxBytes + 1 - data.size()));
        if (more.isEmpty())
            break;
        data += more;
    }
    if (data.size() > maxBytes)
        return Status::TooLarge;
    if (file.error() != QFileDevice::NoError)
        return Status::CannotOpen;
    *bytes = data;
    return Status::Ok;
}

Status checkReplaceable(const QString& path)
{
    // Whatever cannot be looked at (absent, a dangling link, no permission) and a directory,
    // which no write replaces, are left to the write itself to report.
    struct stat info = {};
    if (!statPath(path, &info))
        return Status::Ok;
    return S_ISREG(info.st_mode) || S_ISDIR(info.st_mode) ? Status::Ok : Status::NotRegular;
}

QString message(Status status, const QString& path)
{
    switch (status) {
    case Status::Ok: return QString();
    case Status::NotRegular: return QCoreApplication::translate("Quilbex", "Not a regular file: %1").arg(path);
    case Status::TooLarge: return QCoreApplication::translate("Quilbex", "File is too large: %1").arg(path);
    case Status::Missing:
    case Status::CannotOpen: break;
    }
    return QCoreApplication::translate("Quilbex", "Cannot open file: %1").arg(path);
}

} // namespace FileSafety
