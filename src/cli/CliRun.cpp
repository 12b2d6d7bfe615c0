// quilbex-cli's commands and its top-level help, behind one entry point.

#include <QCoreApplication>
#include <QStringList>

#include "cli/CliCommands.h"
#include "cli/CliSupport.h"

namespace {

struct Command
{
    const char* name;
    const char* summary;
    int (*run)(const QStringList&);
};

const Command kCommands[] = {
    {"devices", "List the HID interfaces of the pedals and the one the tool would use.", cli::runDevices},
    {"info", "Show the firmware version and each pedal's stored configuration.", cli::runInfo},
    {"monitor", "Show the live raw and output readings of the three pedals.", cli::runMonitor},
    {"backup", "Save the pedals' configuration as a profile file.", cli::runBackup},
    {"apply", "Write a profile file to the pedals and verify it.", cli::runApply},
    {"flash", "Install a firmware file (.bin).", cli::runFlash},
    {"games", "List the game executables bound to each profile and which are running.", cli::runGames},
    {"bind", "Bind a game executable to a profile.", cli::runBind},
    {"unbind", "Remove a game executable's binding from a profile.", cli::runUnbind},
    {"watch", "Apply the bound profile whenever a game starts, until interrupted.", cli::runWatch},
    {"history", "List the configurations the pedals held before each write.", cli::runHistory},
    {"restore", "Write a configuration from the history back to the pedals.", cli::runRestore},
};

QString usage()
{
    QStringList lines;
    lines << QStringLiteral("Usage: quilbex-cli <command> [options] [arguments]") << QString()
          << QStringLiteral("Command-line tool for the Quilbex Pedals.") << QString() << QStringLiteral("Commands:");
    for (const Command& c : kCommands)
        lines << QStringLiteral("  %1%2").arg(QString::fromLatin1(c.name).leftJustified(10),
                                              QString::fromLatin1(c.summary));
    lines << QString() << QStringLiteral("Options of every command:")
          << QStringLiteral("  --simulate         use the built-in virtual pedals instead of real hardware")
          << QStringLiteral("  --sim-state <file> with --simulate: keep the virtual pedals' flash in <file>")
          << QStringLiteral("  --verbose          write the diagnostic log to standard error")
          << QStringLiteral("  -h, --help         help of the command") << QString()
          << QStringLiteral("Exit codes: 0 success, 1 pedals not found or a device failure, 2 wrong usage,")
          << QStringLiteral("3 an invalid file.") << QString()
          << QStringLiteral("'quilbex-cli <command> --help' describes one command.");
    return lines.join(QLatin1Char('\n'));
}

} // namespace

int cli::runCli(const QStringList& args)
{
    cli::resetWriteFailures();
    // The command is the first argument that is not an option; options may precede it.
    QString command;
    for (int i = 1; i < args.size(); ++i) {
        const QString& a = args.at(i);
        if (a == QLatin1String("--sim-state")) {
            ++i; // its value
            continue;
        }
        if (!a.startsWith(QLatin1Char('-'))) {
            command = a;
            break;
        }
    }

    if (command.isEmpty()) {
        if (args.contains(QStringLiteral("--version"))) {
            cli::out(QStringLiteral("quilbex-cli %1").arg(QCoreApplication::applicationVersion()));
            return cli::finalExitCode(cli::ExitOk);
        }
        if (args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"))) {
            cli::out(usage());
            return cli::finalExitCode(cli::ExitOk);
        }
        cli::err(usage());
        return cli::ExitUsage;
    }
    if (command == QLatin1String("help")) {
        cli::out(usage());
        return cli::finalExitCode(cli::ExitOk);
    }
    for (const Command& c : kCommands) {
        if (command == QLatin1String(c.name))
            return cli::finalExitCode(c.run(args));
    }
    cli::err(QStringLiteral("quilbex-cli: unknown command '%1'.").arg(command));
    cli::err(QStringLiteral("Try 'quilbex-cli --help'."));
    return cli::ExitUsage;
}
