#include "app/DebugLog.h"

#include <QDateTime>
#include <QFile>

#include <cstdio>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// Process-wide log file; null when closed. The update worker logs too, and the file is
// closed at the end of main while that worker may still be writing: the lock keeps a
// line from going to a file that is being closed.
FILE* g_logFile = nullptr;
std::mutex g_logMutex;
} // namespace

const char* debugLogLevel(QtMsgType type)
{
    switch (type) {
    case QtWarningMsg: return "WRN";
    case QtCriticalMsg: return "CRT";
    case QtFatalMsg: return "FTL";
    default: return "DBG";
    }
}

bool openDebugLog(const QString& path)
{
    // Not through a symbolic link, nor into a file with a second name (a planted link would
    // have its target truncated), and only into a regular file: O_NONBLOCK keeps a FIFO from
    // holding the start-up. Truncated only once checked. Otherwise run without.
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    struct stat info = {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_nlink > 1 || ::ftruncate(fd, 0) != 0) {
        ::close(fd);
        return false;
    }
    FILE* file = ::fdopen(fd, "w");
    if (!file) {
        ::close(fd);
        return false;
    }
    {
        const std::lock_guard<std::mutex> lock(g_logMutex);
        if (g_logFile)
            std::fclose(g_logFile);
        g_logFile = file;
    }
    qInstallMessageHandler(debugLogHandler);
    return true;
}

void closeDebugLog()
{
    const std::lock_guard<std::mutex> lock(g_logMutex);
    if (g_logFile)
        std::fclose(g_logFile);
    g_logFile = nullptr;
}

bool isDebugLogOpen()
{
    const std::lock_guard<std::mutex> lock(g_logMutex);
    return g_logFile != nullptr;
}

void debugLogHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    Q_UNUSED(context);
    const QByteArray time = QDateTime::currentDateTime().toString(QStringLiteral("hh:mm:ss.zzz")).toLocal8Bit();
    const QByteArray text = message.toLocal8Bit();
    // One formatted write per line, flushed at once.
    const std::lock_guard<std::mutex> lock(g_logMutex);
    if (!g_logFile)
        return;
    FILE* file = g_logFile;
    std::fprintf(file, "[%s][%s] %s\n", time.constData(), debugLogLevel(type), text.constData());
    std::fflush(file);
}
