// flash: the firmware update, with the window's checks, messages and version comparison.

#include <QEventLoop>
#include <QFileInfo>
#include <QTextStream>
#include <QTimer>

#include <cstdio>

#include "app/Application.h"
#include "app/SharedRecords.h"
#include "cli/CliCommands.h"
#include "cli/CliSupport.h"
#include "coordination/DeviceConfigModel.h"
#include "firmware/FirmwareFile.h"
#include "firmware/FirmwareUpdateManager.h"

namespace cli {

namespace {

constexpr int kProgressBarWidth = 30;

QString progressLine(int percent, const QString& status)
{
    const int filled = qBound(0, percent, 100) * kProgressBarWidth / 100;
    return QStringLiteral("\r\x1b[2K[%1%2] %3 % %4")
        .arg(QString(filled, QLatin1Char('#')), QString(kProgressBarWidth - filled, QLatin1Char('-')))
        .arg(percent, 3)
        .arg(status);
}

bool askToContinue()
{
    errRaw(QStringLiteral("The firmware update is about to start.\n\nPlease keep the USB cable connected and "
                          "leave this application open until the update finishes.\n\nDo you want to continue? "
                          "[y/N] "));
    QTextStream in(stdin);
    const QString answer = in.readLine().trimmed().toLower();
    return answer == QLatin1String("y") || answer == QLatin1String("yes");
}

} // namespace

int runFlash(const QStringList& args)
{
    CommandLine cmd(QStringLiteral("flash"),
                    QStringLiteral("Installs the firmware file FILE.bin through the pedals' update mode, after "
                                   "checking the file and comparing its version (from the file name) with the "
                                   "pedals'. Asks before starting; --yes does not ask (required when standard "
                                   "input is not a terminal). Ctrl+C cancels at the next safe point."),
                    QStringLiteral("flash FILE.bin [--yes]"));
    const QCommandLineOption yesOption(QStringList{QStringLiteral("y"), QStringLiteral("yes")},
                                       QStringLiteral("Start without asking."));
    cmd.addOption(yesOption);
    int code = ExitOk;
    if (!cmd.parse(args, 1, &code))
        return code;
    const QString path = cmd.positionals().at(0);
    const bool yes = cmd.parser().isSet(yesOption);
    if (!yes && !stdinIsTerminal()) {
        err(QStringLiteral("quilbex-cli flash: standard input is not a terminal, so nobody can confirm; "
                           "add --yes to start the update."));
        return ExitUsage;
    }

    // The same check the update runs, before the pedals are touched.
    const FirmwareFileCheck check = checkFirmwareFile(path);
    if (!check.ok) {
        err(check.message);
        return ExitInvalidFile;
    }

    Session session(cmd.globals());
    if (!session.isValid())
        return ExitInvalidFile;
    installInterruptHandler();
    if (!session.connectThroughCoordinator())
        return ExitDevice;
    Application* app = session.app();

    const quint16 ver = app->config->ver;
    const bool deviceKnown = app->linkState->connected && ver != 0;
    const QString deviceVersion = deviceKnown ? formatFirmwareVersion(ver) : QString();
    const QString fileVersion = versionFromFileName(QFileInfo(path).fileName());
    err(QStringLiteral("Current firmware: %1").arg(deviceKnown ? deviceVersion : QStringLiteral("Unknown")));
    err(QStringLiteral("Selected file:    %1").arg(path));
    err(QStringLiteral("File version:     %1").arg(fileVersion.isEmpty() ? QStringLiteral("Unknown") : fileVersion));
    err(QStringLiteral("Status:           %1")
            .arg(versionComparisonText(deviceVersion, fileVersion, deviceKnown, !fileVersion.isEmpty())));

    if (!yes && !askToContinue()) {
        err(QStringLiteral("Update not started."));
        return ExitDevice;
    }

    FirmwareUpdateManager manager(app);
    const bool terminal = stderrIsTerminal();
    bool barShown = false;
    bool success = false;
    QString finalMessage;
    QEventLoop loop;

    QObject::connect(&manager, &FirmwareUpdateManager::logLine, &loop, [&](const QString& line) {
        if (barShown) {
            errRaw(QStringLiteral("\r\x1b[2K"));
            barShown = false;
        }
        err(line);
    });
    QObject::connect(&manager, &FirmwareUpdateManager::progressChanged, &loop, [&](int percent, const QString& status) {
        if (!terminal)
            return; // the log lines carry the percentage already
        errRaw(progressLine(percent, status));
        barShown = true;
    });
    QObject::connect(&manager, &FirmwareUpdateManager::finished, &loop, [&](bool ok, const QString& message) {
        success = ok;
        finalMessage = message;
        loop.quit();
    });

    // Ctrl+C asks the update to stop where that is safe; the worker decides when.
    QTimer interruptPoll;
    bool cancelRequested = false;
    QObject::connect(&interruptPoll, &QTimer::timeout, &loop, [&] {
        if (!interrupted() || cancelRequested)
            return;
        cancelRequested = true;
        manager.cancel();
        if (barShown) {
            errRaw(QStringLiteral("\n"));
            barShown = false;
        }
        err(QStringLiteral("Cancel requested. The update will stop as soon as the current step is safe to end."));
    });
    interruptPoll.start(100);

    // finished may come straight from startUpgrade (a failed check), before exec.
    bool done = false;
    QObject::connect(&manager, &FirmwareUpdateManager::finished, &loop, [&] { done = true; });
    manager.startUpgrade(path);
    if (!done)
        loop.exec();
    interruptPoll.stop();
    if (barShown)
        errRaw(QStringLiteral("\n"));
    // Let the manager release its worker before the objects go away.
    while (manager.hasWorker())
        pump(20);

    if (!success) {
        err(finalMessage);
        return ExitDevice;
    }
    QString text = finalMessage;
    if (text.isEmpty()) {
        text = app->config->ver != 0
            ? QStringLiteral("Your pedals have been updated successfully.\n\nCurrent firmware version: %1")
                  .arg(formatFirmwareVersion(app->config->ver))
            : QStringLiteral("Your pedals have been updated successfully.");
    }
    out(text);
    return ExitOk;
}

} // namespace cli
