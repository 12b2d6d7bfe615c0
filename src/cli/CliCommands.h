#pragma once

#include <QStringList>

class DeviceConfigModel;

// One function per command; args holds the program name, the command and its arguments.
// Each returns the process exit code (cli::ExitCode).
namespace cli {

int runDevices(const QStringList& args);
int runInfo(const QStringList& args);
int runMonitor(const QStringList& args);
int runBackup(const QStringList& args);
int runApply(const QStringList& args);
int runFlash(const QStringList& args);
int runGames(const QStringList& args);
int runBind(const QStringList& args);
int runUnbind(const QStringList& args);
int runWatch(const QStringList& args);

// Per-pedal differences as lines such as "brake filter: 3 (expected 2)"; empty when equal.
QStringList configDifferences(const DeviceConfigModel& actual, const DeviceConfigModel& expected);

} // namespace cli
