#pragma once

#include <QString>
#include <QtGlobal>

// The debug log: every Qt message as "[hh:mm:ss.zzz][LVL] message", flushed per line.

// Opens (truncating) the log file and installs debugLogHandler. False when the file
// cannot be created; then nothing is installed and Qt's default output stays.
bool openDebugLog(const QString& path = QStringLiteral("quilbex_debug.log"));
// Closes the file; later messages are dropped. Does not uninstall the handler.
void closeDebugLog();
bool isDebugLogOpen();

void debugLogHandler(QtMsgType type, const QMessageLogContext& context, const QString& message);

// Three-letter level of a message type: DBG, WRN, CRT or FTL.
const char* debugLogLevel(QtMsgType type);
