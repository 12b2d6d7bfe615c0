#include "cli/CliSupport.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <unistd.h>

#include "app/Application.h"
#include "coordination/DeviceConfigModel.h"
#include "coordination/SessionCoordinator.h"
#include "device/IHidTransport.h"
#include "device/IQuilbexProtocol.h"
#include "cli/CliSimState.h"

namespace cli {

namespace {

std::atomic<bool> g_verbose{false};
volatile std::sig_atomic_t g_interrupted = 0;

std::atomic<bool> g_writeFailed{false};
std::atomic<bool> g_stdoutFailed{false};
std::atomic<int> g_stdoutErrno{0};

void writeTo(FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit();
    const bool written = std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream) == size_t(bytes.size());
    const bool flushed = std::fflush(stream) == 0;
    // A result that never arrived (a full disk, /dev/full, a closed pipe) is remembered, so
    // the command cannot end with success. A failing stderr has nobody left to tell.
    if (stream == stdout && !(written && flushed) && !g_stdoutFailed.exchange(true)) {
        g_stdoutErrno.store(errno);
        noteWriteFailure();
    }
}

void messageHandler(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if ((type == QtDebugMsg || type == QtInfoMsg) && !g_verbose.load())
        return;
    writeTo(stderr, message + QLatin1Char('\n'));
    if (type == QtFatalMsg)
        std::abort();
}

void onSignal(int)
{
    g_interrupted = 1;
}

} // namespace

void out(const QString& line)
{
    writeTo(stdout, line + QLatin1Char('\n'));
}
void err(const QString& line)
{
    writeTo(stderr, line + QLatin1Char('\n'));
}
void outRaw(const QString& text)
{
    writeTo(stdout, text);
}
void errRaw(const QString& text)
{
    writeTo(stderr, text);
}

void noteWriteFailure()
{
    g_writeFailed.store(true);
}

bool writeFailed()
{
    return g_writeFailed.load();
}

void resetWriteFailures()
{
    g_writeFailed.store(false);
    g_stdoutFailed.store(false);
    g_stdoutErrno.store(0);
    std::clearerr(stdout);
}

int finalExitCode(int code)
{
    if (!g_stdoutFailed.load() && (std::fflush(stdout) != 0 || std::ferror(stdout))) {
        g_stdoutFailed.store(true);
        g_stdoutErrno.store(errno);
        noteWriteFailure();
    }
    if (g_stdoutFailed.load())
        err(QStringLiteral("Cannot write to standard output: %1.")
                .arg(QString::fromLocal8Bit(std::strerror(g_stdoutErrno.load()))));
    return code == ExitOk && writeFailed() ? ExitInvalidFile : code;
}

bool stdinIsTerminal()
{
    return ::isatty(STDIN_FILENO) == 1;
}
bool stdoutIsTerminal()
{
    return ::isatty(STDOUT_FILENO) == 1;
}
bool stderrIsTerminal()
{
    return ::isatty(STDERR_FILENO) == 1;
}

void installMessageHandler()
{
    qInstallMessageHandler(messageHandler);
}
void setVerbose(bool verbose)
{
    g_verbose.store(verbose);
}

void installInterruptHandler()
{
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

bool interrupted()
{
    return g_interrupted != 0;
}

// ---- CommandLine ----

CommandLine::CommandLine(const QString& command, const QString& description, const QString& syntax)
    : m_command(command), m_syntax(syntax),
      m_simulate(QStringLiteral("simulate"),
                 QStringLiteral("Use the built-in virtual pedals instead of real hardware.")),
      m_simState(QStringLiteral("sim-state"),
                 QStringLiteral("With --simulate: load the virtual pedals' flash from <file> at start and save "
                                "it there at exit (default: $QUILBEX_SIM_STATE)."),
                 QStringLiteral("file")),
      m_verbose(QStringLiteral("verbose"), QStringLiteral("Write the diagnostic log to standard error.")),
      m_help(QStringList{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help."))
{
    m_parser.setApplicationDescription(description);
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    m_parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    m_parser.addPositionalArgument(command, QString(), syntax);
    m_parser.addOption(m_simulate);
    m_parser.addOption(m_simState);
    m_parser.addOption(m_verbose);
    m_parser.addOption(m_help);
}

QString CommandLine::helpText() const
{
    // The parser's own text with our usage line, minus the empty description line of the
    // command name.
    QString text = m_parser.helpText();
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.first().startsWith(QLatin1String("Usage:")))
        lines.first() = QStringLiteral("Usage: quilbex-cli %1 [options]").arg(m_syntax);
    QStringList kept;
    bool inArguments = false;
    for (const QString& line : lines) {
        if (line.startsWith(QLatin1String("Arguments:")))
            inArguments = true;
        if (inArguments && line.trimmed() == m_command)
            continue;
        kept << line;
    }
    while (!kept.isEmpty() && (kept.last().trimmed().isEmpty() || kept.last() == QLatin1String("Arguments:")))
        kept.removeLast();
    return kept.join(QLatin1Char('\n'));
}

bool CommandLine::parse(const QStringList& args, int expectedPositionals, int* exitCode)
{
    if (!m_parser.parse(args)) {
        err(QStringLiteral("quilbex-cli %1: %2").arg(m_command, m_parser.errorText()));
        err(QStringLiteral("Try 'quilbex-cli %1 --help'.").arg(m_command));
        *exitCode = ExitUsage;
        return false;
    }
    if (m_parser.isSet(m_help)) {
        out(helpText());
        *exitCode = ExitOk;
        return false;
    }
    const QStringList rest = positionals();
    if (expectedPositionals >= 0 && rest.size() != expectedPositionals) {
        if (rest.size() < expectedPositionals)
            err(QStringLiteral("quilbex-cli %1: missing argument.").arg(m_command));
        else
            err(QStringLiteral("quilbex-cli %1: unexpected argument '%2'.")
                    .arg(m_command, rest.value(expectedPositionals)));
        err(QStringLiteral("Try 'quilbex-cli %1 --help'.").arg(m_command));
        *exitCode = ExitUsage;
        return false;
    }
    const GlobalOptions g = globals();
    if (m_parser.isSet(m_simState) && !g.simulate) {
        err(QStringLiteral("quilbex-cli %1: --sim-state needs --simulate.").arg(m_command));
        *exitCode = ExitUsage;
        return false;
    }
    setVerbose(g.verbose);
    return true;
}

QStringList CommandLine::positionals() const
{
    QStringList rest = m_parser.positionalArguments();
    if (!rest.isEmpty())
        rest.removeFirst();
    return rest;
}

GlobalOptions CommandLine::globals() const
{
    GlobalOptions g;
    g.simulate = m_parser.isSet(m_simulate);
    g.verbose = m_parser.isSet(m_verbose);
    if (m_parser.isSet(m_simState))
        g.simState = m_parser.value(m_simState);
    else if (g.simulate)
        g.simState = qEnvironmentVariable("QUILBEX_SIM_STATE");
    return g;
}

// ---- Session ----

Session::Session(const GlobalOptions& options) : m_options(options)
{
    Application::TransportFactory factory = Application::hidapiTransportFactory();
    if (options.simulate) {
        std::optional<ConfigBlock::Bytes> flash;
        QString error;
        if (!loadSimulatedFlash(options.simState, &flash, &error)) {
            err(QStringLiteral("Could not load the virtual pedals' state from %1: %2").arg(options.simState, error));
            m_simStateSaved = true; // never overwrite a file we could not read
            return;
        }
        factory = simulatedTransportFactory(flash);
    }
    m_app = std::make_unique<Application>(factory);
    if (SessionCoordinator* c = m_app->sessionCoordinator()) {
        c->scanTimer()->stop();
        c->pollTimer()->stop();
    }
}

Session::~Session()
{
    if (!m_simStateSaved)
        saveSimState();
}

bool Session::saveSimState()
{
    m_simStateSaved = true;
    if (!m_app || !m_options.simulate || m_options.simState.isEmpty())
        return true;
    QString error;
    if (!saveSimulatedFlash(m_app->transport.get(), m_options.simState, &error)) {
        err(QStringLiteral("Could not save the virtual pedals' state to %1: %2").arg(m_options.simState, error));
        noteWriteFailure();
        return false;
    }
    return true;
}

bool Session::openFoundDevice(const QString& path)
{
    if (m_app->transport->open(path))
        return true;
    reportOpenFailure(path);
    return false;
}

void Session::reportOpenFailure(const QString& path) const
{
    if (m_app->transport->lastOpenError() == IHidTransport::OpenError::PermissionDenied) {
        err(QStringLiteral("The pedals were found at %1 but may not be opened (permission denied).").arg(path));
        err(QStringLiteral("Install the udev rule 70-quilbex-pedals.rules, reload udev and re-plug the pedals "
                           "(see \"Linux device permissions\" in the README)."));
    } else {
        err(QStringLiteral("The pedals were found at %1 but could not be opened.").arg(path));
    }
}

bool Session::readConfig(DeviceConfigModel* config)
{
    // A reply can be crowded out by the telemetry stream; a couple of tries costs little.
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (m_app->protocol->readFullConfig(config))
            return true;
        pump(20);
    }
    return false;
}

bool Session::connectAndRead(DeviceConfigModel* config)
{
    IHidTransport* t = m_app->transport.get();
    const QString path = t ? t->findDevice() : QString();
    if (path.isEmpty()) {
        err(QStringLiteral("Pedals not found. Connect them with USB and try again."));
        return false;
    }
    if (!openFoundDevice(path))
        return false;
    if (!readConfig(config)) {
        err(QStringLiteral("Could not read the configuration from the pedals."));
        return false;
    }
    return true;
}

bool Session::connectThroughCoordinator()
{
    IHidTransport* t = m_app->transport.get();
    const QString path = t ? t->findDevice() : QString();
    if (path.isEmpty()) {
        err(QStringLiteral("Pedals not found. Connect them with USB and try again."));
        return false;
    }
    if (!m_app->coordinator->probeUsbConnectOnce()) {
        reportOpenFailure(path);
        return false;
    }
    return true;
}

bool Session::waitForRestartAndRead(DeviceConfigModel* config, int timeoutMs)
{
    IHidTransport* t = m_app->transport.get();
    t->close();
    QElapsedTimer clock;
    clock.start();
    // The pedals drop off the bus to restart; a read before that would still see the old
    // session, so first wait (briefly) for them to go away.
    while (clock.elapsed() < qMin(timeoutMs, kRestartDropWaitMs) && !t->findDevice().isEmpty())
        pump(20);
    while (clock.elapsed() < timeoutMs) {
        const QString path = t->findDevice();
        if (!path.isEmpty() && t->open(path)) {
            if (readConfig(config))
                return true;
            t->close();
        }
        pump(50);
    }
    err(QStringLiteral("The pedals did not come back after the restart. Unplug the USB cable, plug it back in, "
                       "and check the configuration with 'quilbex-cli info'."));
    return false;
}

void pump(int ms)
{
    QDeadlineTimer deadline(ms);
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        if (!deadline.hasExpired())
            QThread::msleep(qMin<qint64>(5, deadline.remainingTime()));
    } while (!deadline.hasExpired());
}

QString pedalKey(int hostIndex)
{
    switch (hostIndex) {
    case 0: return QStringLiteral("throttle");
    case 1: return QStringLiteral("brake");
    case 2: return QStringLiteral("clutch");
    default: return QString();
    }
}

QString pedalTitle(int hostIndex)
{
    switch (hostIndex) {
    case 0: return QStringLiteral("Throttle");
    case 1: return QStringLiteral("Brake");
    case 2: return QStringLiteral("Clutch");
    default: return QString();
    }
}

} // namespace cli
