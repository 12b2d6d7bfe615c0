#pragma once

// Collects every Qt log message into g_log while captureHandler is installed.
#include <QStringList>
#include <algorithm>

inline QStringList g_log;

inline void captureHandler(QtMsgType, const QMessageLogContext&, const QString& message)
{
    g_log.append(message);
}

// Number of captured lines that start with prefix.
inline int countLines(const QString& prefix)
{
    return int(std::count_if(g_log.cbegin(), g_log.cend(), [&](const QString& l) { return l.startsWith(prefix); }));
}
