#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <memory>

class Application;
class DeviceConfigModel;

namespace cli {

// Process exit codes; scripts rely on them.
enum ExitCode : int {
    ExitOk = 0,
    ExitDevice = 1,      // pedals not found, or the pedals / the update failed
    ExitUsage = 2,       // wrong arguments
    ExitInvalidFile = 3, // a file that cannot be read, parsed or written
};

// Results go to standard output, messages to standard error, one line each.
void out(const QString& line);
void err(const QString& line);
// Without a line feed, flushed (progress bars, prompts).
void outRaw(const QString& text);
void errRaw(const QString& text);

// A result or a state that could not be written (standard output failing, a --sim-state
// file not saved): the command must not end with success.
void noteWriteFailure();
bool writeFailed();
// Each invocation starts with nothing failed (several may run in one process).
void resetWriteFailures();
// The command's exit code, turned into ExitInvalidFile when it claims success although a
// write failed (standard output is flushed and checked here, with a message on stderr).
int finalExitCode(int code);

bool stdinIsTerminal();
bool stdoutIsTerminal();
bool stderrIsTerminal();

// Installed before anything logs: diagnostics go to standard error only with --verbose,
// warnings always.
void installMessageHandler();
void setVerbose(bool verbose);

// Set by SIGINT/SIGTERM once installInterruptHandler() ran; polled by long-running commands.
void installInterruptHandler();
bool interrupted();

// Options every command accepts.
struct GlobalOptions
{
    bool simulate = false;
    QString simState; // file holding the virtual pedals' flash between invocations
    bool verbose = false;
};

// One command's parser: the options every command has plus the command's own.
class CommandLine
{
public:
    CommandLine(const QString& command, const QString& description, const QString& syntax);

    void addOption(const QCommandLineOption& option) { m_parser.addOption(option); }
    void addPositional(const QString& name, const QString& description, const QString& syntax = QString())
    {
        m_parser.addPositionalArgument(name, description, syntax);
    }

    // Parses args (program name first). On --help prints the help and sets *exitCode to 0;
    // on an error prints it and sets ExitUsage. True when the command should run.
    bool parse(const QStringList& args, int expectedPositionals, int* exitCode);

    const QCommandLineParser& parser() const { return m_parser; }
    QStringList positionals() const; // without the command name
    GlobalOptions globals() const;
    QString helpText() const;

private:
    QString m_command;
    QString m_syntax;
    QCommandLineParser m_parser;
    QCommandLineOption m_simulate;
    QCommandLineOption m_simState;
    QCommandLineOption m_verbose;
    QCommandLineOption m_help;
};

// The application objects for one command, on the real or the virtual pedals. The
// coordinator's timers are stopped at once: commands decide when the device is touched.
class Session
{
public:
    // Loads the --sim-state file first; when that fails, prints why and the session is not
    // valid (the command then ends with ExitInvalidFile).
    explicit Session(const GlobalOptions& options);
    ~Session();

    bool isValid() const { return m_app != nullptr; }
    Application* app() const { return m_app.get(); }

    // Finds and opens the pedals and reads their configuration into *config (without the
    // window's defaults for uncalibrated pedals: this is what the pedals hold). On failure
    // prints why and returns false.
    bool connectAndRead(DeviceConfigModel* config);
    // Finds the pedals and lets the coordinator connect (it then polls telemetry).
    bool connectThroughCoordinator();
    // After a successful configuration write: waits until the pedals have restarted and
    // reads their configuration again. Prints why on failure.
    bool waitForRestartAndRead(DeviceConfigModel* config, int timeoutMs);

    // Saves the virtual pedals' flash to the --sim-state file, if any. Also done by the
    // destructor; false (with a message) when the file cannot be written.
    bool saveSimState();

private:
    bool openFoundDevice(const QString& path);
    void reportOpenFailure(const QString& path) const;
    bool readConfig(DeviceConfigModel* config);

    GlobalOptions m_options;
    std::unique_ptr<Application> m_app;
    bool m_simStateSaved = false;
    // How long to wait for the pedals to drop off the bus after a write before assuming
    // the restart was missed.
    static constexpr int kRestartDropWaitMs = 3000;
};

// Processes events for ms milliseconds (the virtual pedals and the coordinator run on timers).
void pump(int ms);

// Lower-case pedal names by host index, as in profile files.
QString pedalKey(int hostIndex);
// Capitalised names for people.
QString pedalTitle(int hostIndex);

} // namespace cli
