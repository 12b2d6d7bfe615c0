#include "app/DebugLog.h"

#include <QDateTime>
#include <QFile>

#include <atomic>
#include <cstdio>

namespace {
// Process-wide log file; null when closed. Atomic because the update worker logs too.
std::atomic<FILE*> g_logFile{nullptr};
} // namespace

const char* debugLogLevel(QtMsgType type)
{
    switch (type) {
    case QtWarningMsg:
        return "WRN";
    case QtCriticalMsg:
        return "CRT";
    case QtFatalMsg:
        return "FTL";
    default:
        return "DBG";
    }
}

bool openDebugLog(const QString& path)
{
    FILE* file = std::fopen(QFile::encodeName(path).constData(), "w");
    if (!file)
        return false;
    FILE* previous = g_logFile.exchange(file);
    if (previous)
        std::fclose(previous);
    qInstallMessageHandler(debugLogHandler);
    return true;
}

void closeDebugLog()
{
    FILE* file = g_logFile.exchange(nullptr);
    if (file)
        std::fclose(file);
}

bool isDebugLogOpen()
{
    return g_logFile.load() != nullptr;
}

void debugLogHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    Q_UNUSED(context);
    FILE* file = g_logFile.load();
    if (!file)
        return;
    const QByteArray time = QDateTime::currentDateTime().toString(QStringLiteral("hh:mm:ss.zzz")).toLocal8Bit();
    const QByteArray text = message.toLocal8Bit();
    // One formatted write per line: stdio locks the stream for the call, so lines from
    // the update worker never interleave with the GUI thread's.
    std::fprintf(file, "[%s][%s] %s\n", time.constData(), debugLogLevel(type), text.constData());
    std::fflush(file);
}
