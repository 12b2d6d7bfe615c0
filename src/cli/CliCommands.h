#pragma once

#include <QStringList>

class DeviceConfigModel;

// One function per command; args holds the program name, the command and its arguments.
// Each returns the process exit code (cli::ExitCode).
namespace cli {

// The whole tool: picks the command from args and returns the process exit code.
int runCli(const QStringList& args);

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
int runHistory(const QStringList& args);
int runRestore(const QStringList& args);

class Session;
// Writes `config` to the pedals as one whole configuration, after keeping `before` (what
// they hold, as just read) in the configuration history under `action`; then waits for the
// restart, reads the configuration back and compares. `what` names the source in messages.
// Reports on standard error; returns ExitOk when the read-back matches, else ExitDevice.
int writeAndVerify(Session& session, const DeviceConfigModel& before, const DeviceConfigModel& config,
                   const QString& action, const QString& what);

// Per-pedal differences as lines such as "brake filter: 3 (expected 2)"; empty when equal.
QStringList configDifferences(const DeviceConfigModel& actual, const DeviceConfigModel& expected);

} // namespace cli
