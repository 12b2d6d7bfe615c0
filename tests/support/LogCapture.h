#pragma once

// Collects every Qt log message into g_log while captureHandler is installed.
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <utility>

inline QStringList g_log;

inline void captureHandler(QtMsgType, const QMessageLogContext&, const QString& message)
{
    g_log.append(message);
}

// Number of captured lines that start with prefix.
inline int countLines(const QString& prefix)
{
    int n = 0;
    for (const QString& line : std::as_const(g_log))
        n += line.startsWith(prefix) ? 1 : 0;
    return n;
}
