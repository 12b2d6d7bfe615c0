// history and restore, and the write-restart-verify path every writing command shares.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "app/Application.h"
#include "cli/CliCommands.h"
#include "cli/CliSupport.h"
#include "coordination/ConfigHistory.h"
#include "coordination/DeviceConfigModel.h"
#include "device/IQuilbexProtocol.h"

namespace cli {

namespace {

// A restart of the pedals after a write takes about a second; allow for slow USB re-enumeration.
constexpr int kRestartTimeoutMs = 15000;

QString blockHex(const ConfigBlock::Bytes& block)
{
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(block.data()), ConfigBlock::kSize).toHex());
}

} // namespace

int writeAndVerify(Session& session, const DeviceConfigModel& before, const DeviceConfigModel& config,
                   const QString& action, const QString& what)
{
    // Ctrl+C must not cut the two-chunk write in half; it is honoured before it only.
    installInterruptHandler();
    if (interrupted()) {
        err(QStringLiteral("Canceled; nothing was written."));
        return ExitDevice;
    }
    // What the pedals hold now, so that this write can be undone ('quilbex-cli restore').
    if (ConfigHistory* history = session.app()->history.get()) {
        QString error;
        const int id = history->record(before, action, &error);
        if (id > 0)
            err(QStringLiteral("Kept the pedals' current configuration in the history as entry %1.").arg(id));
        else
            err(QStringLiteral("Warning: the pedals' current configuration could not be kept in the history: %1")
                    .arg(error));
    }
    err(QStringLiteral("Writing %1 to the pedals…").arg(what));
    if (!session.app()->protocol->writeFullConfig(&config)) {
        err(QStringLiteral("The pedals did not accept the configuration. Nothing was changed, or the pedals "
                           "kept part of it; check with 'quilbex-cli info'."));
        return ExitDevice;
    }
    err(QStringLiteral("Waiting for the pedals to restart…"));
    DeviceConfigModel readBack;
    if (!session.waitForRestartAndRead(&readBack, kRestartTimeoutMs))
        return ExitDevice;
    const QStringList diffs = configDifferences(readBack, config);
    if (!diffs.isEmpty()) {
        err(QStringLiteral("Verification failed: the pedals hold a different configuration:"));
        for (const QString& d : diffs)
            err(QStringLiteral("  ") + d);
        return ExitDevice;
    }
    return ExitOk;
}

int runHistory(const QStringList& args)
{
    CommandLine cmd(QStringLiteral("history"),
                    QStringLiteral("Lists the configuration history, newest first: before every write to the "
                                   "pedals (window or command line), the configuration they held is kept, the "
                                   "newest 50. 'restore ID' writes one back. With --simulate, the virtual "
                                   "pedals' own history."),
                    QStringLiteral("history [--json]"));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Print one JSON object."));
    cmd.addOption(json);
    int code = ExitOk;
    if (!cmd.parse(args, 0, &code))
        return code;

    const ConfigHistory history(ConfigHistory::defaultFilePath(cmd.globals().simulate));
    QList<ConfigHistoryEntry> entries;
    QString error;
    if (!history.entries(&entries, &error)) {
        err(error);
        return ExitInvalidFile;
    }
    if (cmd.parser().isSet(json)) {
        QJsonArray array;
        for (const ConfigHistoryEntry& e : std::as_const(entries)) {
            QJsonObject o;
            o.insert(QStringLiteral("id"), e.id);
            o.insert(QStringLiteral("time"), e.time.toUTC().toString(Qt::ISODateWithMs));
            o.insert(QStringLiteral("firmwareVersion"), e.firmwareVersion);
            o.insert(QStringLiteral("action"), e.action);
            o.insert(QStringLiteral("block"), blockHex(e.block));
            array.append(o);
        }
        QJsonObject root;
        root.insert(QStringLiteral("file"), history.filePath());
        root.insert(QStringLiteral("entries"), array);
        outRaw(QString::fromUtf8(QJsonDocument(root).toJson(QJsonDocument::Indented)));
        return ExitOk;
    }
    if (entries.isEmpty()) {
        err(QStringLiteral("The configuration history is empty (%1).").arg(history.filePath()));
        return ExitOk;
    }
    out(QStringLiteral("%1  %2  %3  %4")
            .arg(QStringLiteral("ID").rightJustified(4), QStringLiteral("Time").leftJustified(19),
                 QStringLiteral("Firmware").leftJustified(8), QStringLiteral("Before")));
    for (const ConfigHistoryEntry& e : std::as_const(entries)) {
        out(QStringLiteral("%1  %2  %3  %4")
                .arg(QString::number(e.id).rightJustified(4),
                     e.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                     e.firmwareVersion.leftJustified(8), e.action));
    }
    return ExitOk;
}

int runRestore(const QStringList& args)
{
    CommandLine cmd(QStringLiteral("restore"),
                    QStringLiteral("Writes the configuration history entry ID (see 'quilbex-cli history'), or the "
                                   "newest one with 'latest', back to the pedals, waits for them to restart, "
                                   "reads the configuration back and verifies it. What the pedals hold before is "
                                   "kept in the history too, so a restore can be undone."),
                    QStringLiteral("restore ID|latest"));
    int code = ExitOk;
    if (!cmd.parse(args, 1, &code))
        return code;
    const QString which = cmd.positionals().at(0);

    const ConfigHistory history(ConfigHistory::defaultFilePath(cmd.globals().simulate));
    QList<ConfigHistoryEntry> entries;
    QString error;
    if (!history.entries(&entries, &error)) {
        err(error);
        return ExitInvalidFile;
    }
    const std::optional<ConfigHistoryEntry> entry = history.find(which, &error);
    if (!entry) {
        err(QStringLiteral("quilbex-cli restore: %1").arg(error));
        return ExitUsage;
    }

    Session session(cmd.globals());
    if (!session.isValid())
        return ExitInvalidFile;
    DeviceConfigModel before;
    if (!session.connectAndRead(&before))
        return ExitDevice;
    // The entry's settings; the version word stays the one the pedals report now.
    DeviceConfigModel config;
    ConfigBlock::decode(entry->block, &config);
    config.ver = before.ver;
    const int result = writeAndVerify(session, before, config, QString::fromLatin1(HistoryAction::kRestore),
                                      QStringLiteral("history entry %1").arg(entry->id));
    if (result != ExitOk)
        return result;
    out(QStringLiteral("Restored history entry %1 to the pedals; the configuration read back matches.").arg(entry->id));
    return ExitOk;
}

} // namespace cli
