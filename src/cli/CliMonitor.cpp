// monitor: live raw and output readings of the three pedals.

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <cmath>

#include "app/Application.h"
#include "cli/CliCommands.h"
#include "cli/CliSupport.h"
#include "coordination/DeviceConfigModel.h"
#include "coordination/InputTrace.h"
#include "coordination/SessionCoordinator.h"
#include "curves/CurveMath.h"

namespace cli {

namespace {

constexpr int kPrintIntervalMs = 100; // 10 Hz
constexpr int kBarWidth = 30;

QString bar(double percent)
{
    const int filled = int(std::lround(qBound(0.0, percent, 100.0) * kBarWidth / 100.0));
    return QString(filled, QChar(u'█')) + QString(kBarWidth - filled, QChar(u'·'));
}

QString terminalLine(const PedalRuntimeState& r, int i)
{
    const double percent = axisToPercent(r.out[size_t(i)]);
    return QStringLiteral("%1 raw %2  out %3  %4 %5 %")
        .arg(pedalTitle(i).leftJustified(9))
        .arg(r.raw[size_t(i)], 5)
        .arg(r.out[size_t(i)], 6)
        .arg(bar(percent))
        .arg(percent, 5, 'f', 1);
}

QString plainLine(const PedalRuntimeState& r, double seconds)
{
    QString line = QStringLiteral("%1").arg(seconds, 0, 'f', 1);
    for (int i = 0; i < 3; ++i)
        line += QStringLiteral(" %1 raw=%2 out=%3").arg(pedalKey(i)).arg(r.raw[size_t(i)]).arg(r.out[size_t(i)]);
    return line;
}

} // namespace

int runMonitor(const QStringList& args)
{
    CommandLine cmd(QStringLiteral("monitor"),
                    QStringLiteral("Shows the live raw ADC reading and the output value of the three pedals: on "
                                   "a terminal as bars redrawn in place, otherwise one line per reading at 10 Hz "
                                   "(seconds, then raw and output of throttle, brake and clutch). Runs until "
                                   "Ctrl+C, or for N seconds. --csv also writes every reading (each poll) to "
                                   "FILE as CSV, as the window's trace recording does."),
                    QStringLiteral("monitor [--seconds N] [--csv FILE]"));
    const QCommandLineOption secondsOption(QStringLiteral("seconds"), QStringLiteral("Stop after N seconds."),
                                           QStringLiteral("N"));
    cmd.addOption(secondsOption);
    const QCommandLineOption csvOption(QStringLiteral("csv"),
                                       QStringLiteral("Also write every reading to FILE (CSV, replaced)."),
                                       QStringLiteral("FILE"));
    cmd.addOption(csvOption);
    int code = ExitOk;
    if (!cmd.parse(args, 0, &code))
        return code;

    double seconds = 0;
    if (cmd.parser().isSet(secondsOption)) {
        bool ok = false;
        seconds = cmd.parser().value(secondsOption).toDouble(&ok);
        if (!ok || !(seconds > 0) || seconds > 1e6) {
            err(QStringLiteral("quilbex-cli monitor: --seconds needs a positive number."));
            return ExitUsage;
        }
    }

    const QString csvPath = cmd.parser().value(csvOption);
    if (cmd.parser().isSet(csvOption) && csvPath.isEmpty()) {
        err(QStringLiteral("quilbex-cli monitor: --csv needs a file name."));
        return ExitUsage;
    }

    Session session(cmd.globals());
    if (!session.isValid())
        return ExitInvalidFile;
    installInterruptHandler();
    if (!session.connectThroughCoordinator())
        return ExitDevice;

    // Opened once the pedals answer, so a missing device does not replace the file.
    TraceCsvWriter csv;
    QString csvError;
    if (!csvPath.isEmpty() && !csv.open(csvPath, true, &csvError)) {
        err(QStringLiteral("%1: %2").arg(csvPath, csvError));
        return ExitInvalidFile;
    }

    Application* app = session.app();
    const bool terminal = stdoutIsTerminal();
    bool haveReading = false;
    bool drawn = false;
    int result = ExitOk;
    QEventLoop loop;
    QElapsedTimer clock;
    clock.start();

    QObject::connect(app->runtime.get(), &PedalRuntimeState::dataChanged, &loop, [&] {
        haveReading = true;
        if (!csv.isOpen())
            return;
        const PedalRuntimeState& r = *app->runtime;
        if (!csv.write(TraceReading{clock.elapsed(), r.raw, r.out}, &csvError)) {
            if (terminal && drawn)
                outRaw(QStringLiteral("\n"));
            err(QStringLiteral("%1: %2").arg(csvPath, csvError));
            result = ExitInvalidFile;
            loop.quit();
        }
    });
    const QMetaObject::Connection lost = QObject::connect(
        app->coordinator.get(), &SessionCoordinator::deviceConnectedChanged, &loop, [&](bool connected) {
            if (connected)
                return;
            if (terminal && drawn)
                outRaw(QStringLiteral("\n"));
            err(QStringLiteral("Lost the connection to the pedals."));
            result = ExitDevice;
            loop.quit();
        });

    QTimer tick;
    tick.setInterval(kPrintIntervalMs);
    QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
        const double elapsed = clock.elapsed() / 1000.0;
        // Nobody reads readings that cannot be written; stop rather than run on.
        if (interrupted() || writeFailed() || (seconds > 0 && elapsed >= seconds)) {
            loop.quit();
            return;
        }
        if (!haveReading)
            return;
        const PedalRuntimeState& r = *app->runtime;
        if (terminal) {
            // Three lines, redrawn in place: back up over the previous frame first.
            QString frame = drawn ? QStringLiteral("\x1b[3F") : QString();
            for (int i = 0; i < 3; ++i)
                frame += QStringLiteral("\x1b[2K") + terminalLine(r, i) + QLatin1Char('\n');
            outRaw(frame);
            drawn = true;
        } else {
            out(plainLine(r, elapsed));
        }
    });
    tick.start();
    if (terminal)
        err(QStringLiteral("Press Ctrl+C to stop."));
    loop.exec();
    tick.stop();
    QObject::disconnect(lost);
    app->coordinator->requestDisconnect();
    app->coordinator->scanTimer()->stop();
    if (result == ExitOk && !haveReading) {
        err(QStringLiteral("The pedals sent no readings."));
        result = ExitDevice;
    }
    if (csv.isOpen() && !csv.close(&csvError)) {
        err(QStringLiteral("%1: %2").arg(csvPath, csvError));
        if (result == ExitOk)
            result = ExitInvalidFile;
    }
    return result;
}

} // namespace cli
