// games, bind, unbind and watch: game-aware profiles without the window.

#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <memory>

#include "app/Application.h"
#include "app/WindowLock.h"
#include "cli/CliCommands.h"
#include "cli/CliSupport.h"
#include "coordination/DeviceConfigModel.h"
#include "coordination/ConfigHistory.h"
#include "coordination/GameSwitcher.h"
#include "coordination/GameWatcher.h"
#include "device/IHidTransport.h"
#include "device/IQuilbexProtocol.h"
#include "profiles/CurveProfileJsonStore.h"
#include "profiles/GameBindings.h"

namespace cli {

namespace {

using Store = CurveProfileJsonStore;

// A switch that could not be carried out (pedals absent, window running) is tried again
// this often.
constexpr int kRetryMs = GameWatcher::kScanIntervalMs;

// The profiles directory, with the built-in profiles as the window would create them.
bool profilesDirectory(QString* dir)
{
    *dir = Store::defaultProfilesDirectory();
    QString error;
    if (!Store::ensureDefaultProfiles(*dir, &error)) {
        err(error);
        return false;
    }
    return true;
}

// A profile by file name (with or without ".json") or by display name; exact matches
// first, then matches ignoring case. Prints why and returns false when none or several fit.
bool resolveProfile(const QString& dir, const QString& given, ProfileEntry* found)
{
    const QList<ProfileEntry> entries = Store::listProfiles(dir);
    for (const Qt::CaseSensitivity cs : {Qt::CaseSensitive, Qt::CaseInsensitive}) {
        QList<ProfileEntry> matches;
        for (const ProfileEntry& e : entries) {
            const QString file = QFileInfo(e.filePath).fileName();
            if (file.compare(given, cs) == 0 || QFileInfo(file).completeBaseName().compare(given, cs) == 0
                || e.displayName.compare(given, cs) == 0)
                matches << e;
        }
        if (matches.size() == 1) {
            *found = matches.first();
            return true;
        }
        if (matches.size() > 1) {
            err(QStringLiteral("'%1' names more than one profile; give the file name instead:").arg(given));
            for (const ProfileEntry& e : matches)
                err(QStringLiteral("  %1").arg(QFileInfo(e.filePath).fileName()));
            return false;
        }
    }
    err(QStringLiteral("No profile named '%1'. 'quilbex-cli games' lists the profiles.").arg(given));
    return false;
}

QString fileOf(const ProfileEntry& entry)
{
    return QFileInfo(entry.filePath).fileName();
}

// bind and unbind share their arguments.
int editBinding(const QStringList& args, bool binding)
{
    const QString name = binding ? QStringLiteral("bind") : QStringLiteral("unbind");
    CommandLine cmd(name,
                    binding ? QStringLiteral("Binds the game executable EXE (a file name such as acs.exe) to PROFILE "
                                             "(its name or file name): the profile is applied when the game starts. "
                                             "An executable belongs to one profile; a binding elsewhere moves here.")
                            : QStringLiteral("Removes the binding of the game executable EXE from PROFILE (its name "
                                             "or file name). Exit code 2 when EXE was not bound to it."),
                    name + QStringLiteral(" PROFILE EXE"));
    int code = ExitOk;
    if (!cmd.parse(args, 2, &code))
        return code;
    QString dir;
    ProfileEntry profile;
    if (!profilesDirectory(&dir) || !resolveProfile(dir, cmd.positionals().at(0), &profile))
        return ExitInvalidFile;
    const QString exe = cmd.positionals().at(1);
    if (binding) {
        QString error;
        QString previous;
        if (!GameBindings::bind(fileOf(profile), exe, &previous, &error)) {
            err(QStringLiteral("quilbex-cli bind: %1").arg(error));
            return ExitUsage;
        }
        const QString clean = GameBindings::cleanExecutableName(exe, nullptr);
        if (!previous.isEmpty())
            out(QStringLiteral("%1 was bound to %2; it now switches to %3.").arg(clean, previous, fileOf(profile)));
        else
            out(QStringLiteral("%1 is bound to %2.").arg(clean, fileOf(profile)));
        return ExitOk;
    }
    if (!GameBindings::unbind(fileOf(profile), exe)) {
        err(QStringLiteral("quilbex-cli unbind: %1 is not bound to %2.").arg(exe.trimmed(), fileOf(profile)));
        return ExitUsage;
    }
    out(QStringLiteral("%1 is no longer bound to %2.").arg(exe.trimmed(), fileOf(profile)));
    return ExitOk;
}

// Carries out the switcher's requests on the pedals for `watch`: read what they hold, build
// the target by the profile mapping, write it when it differs, wait for the restart and
// verify. A request that cannot be carried out now waits and is tried again; a newer one
// replaces it.
class WatchExecutor
{
public:
    WatchExecutor(Session* session, const QString& profilesDir) : m_session(session), m_dir(profilesDir) {}

    void request(const GameSwitch& change)
    {
        if (change.fromBaseline)
            m_before.reset();
        m_pending = std::make_unique<GameSwitch>(change);
        m_reportedFailure = false;
        m_retryNow = true;
        poll();
    }

    // Called regularly; a waiting request is tried again every kRetryMs. Requests that come
    // in while a write runs (it processes events) wait for it to finish.
    void poll()
    {
        if (!m_pending || m_busy || !(m_retryNow || m_lastTry.elapsed() >= kRetryMs))
            return;
        m_busy = true;
        m_retryNow = false;
        m_lastTry.start();
        tryPending();
        m_busy = false;
        if (m_retryNow)
            poll();
    }

private:
    QString what(const GameSwitch& c) const
    {
        return QStringLiteral("%1 %2 (pid %3)")
            .arg(c.exe, c.gameEnded ? QStringLiteral("ended") : QStringLiteral("started"))
            .arg(c.pid);
    }

    void tryPending()
    {
        const GameSwitch* taken = m_pending.get();
        const GameSwitch change = *taken;
        const auto done = [this, taken] {
            if (m_pending.get() == taken)
                m_pending.reset();
        };
        const bool restoring = change.profileFile.isEmpty();
        if (restoring && !m_before) {
            done();
            return;
        }
        if (WindowLock::heldByWindow()) {
            if (!m_saidStandAside)
                out(QStringLiteral("The Quilbex Control window is running; watch leaves the switching to it "
                                   "until it closes."));
            m_saidStandAside = true;
            return;
        }
        m_saidStandAside = false;

        CurveProfile profile;
        if (!restoring) {
            QString error;
            if (!Store::loadProfile(m_dir + QLatin1Char('/') + change.profileFile, profile, &error)) {
                err(QStringLiteral("%1: profile %2 could not be loaded: %3")
                        .arg(what(change), change.profileFile, error));
                done();
                return;
            }
        }
        DeviceConfigModel current;
        if (!openAndRead(&current)) {
            if (!m_reportedFailure)
                err(QStringLiteral("%1: the pedals could not be read; trying again every %2 s.")
                        .arg(what(change))
                        .arg(kRetryMs / 1000));
            m_reportedFailure = true;
            return;
        }
        done();
        if (!restoring && !m_before) {
            m_before = std::make_unique<DeviceConfigModel>();
            m_before->copyFrom(current);
        }
        DeviceConfigModel target;
        GameSwitcher::buildTarget(current, restoring ? nullptr : &profile, m_before.get(), &target);
        if (restoring)
            m_before.reset();
        const QString applied = restoring ? QStringLiteral("the settings from before the game")
                                          : QStringLiteral("profile %1").arg(change.profileFile);
        if (target.sameSettings(current)) {
            m_session->app()->transport->close();
            out(QStringLiteral("%1: the pedals already hold %2; nothing written.").arg(what(change), applied));
            return;
        }
        if (writeAndVerify(current, target, applied))
            out(QStringLiteral("%1: %2 applied to the pedals.").arg(what(change), applied));
        else
            err(QStringLiteral("%1: %2 could not be applied.").arg(what(change), applied));
    }

    bool openAndRead(DeviceConfigModel* config)
    {
        IHidTransport* t = m_session->app()->transport.get();
        const QString path = t ? t->findDevice() : QString();
        if (path.isEmpty() || !t->open(path))
            return false;
        for (int attempt = 0; attempt < 3; ++attempt) {
            if (m_session->app()->protocol->readFullConfig(config))
                return true;
            pump(20);
        }
        t->close();
        return false;
    }

    // One whole-configuration write (what the pedals held kept in the history first), the
    // restart, and the read-back compared.
    bool writeAndVerify(const DeviceConfigModel& before, const DeviceConfigModel& target, const QString& applied)
    {
        const bool ok =
            cli::writeAndVerify(*m_session, before, target, QString::fromLatin1(HistoryAction::kGameSwitch), applied)
            == ExitOk;
        m_session->app()->transport->close();
        m_session->saveSimState(); // a second invocation sees the virtual pedals' new flash
        return ok;
    }

    Session* m_session;
    QString m_dir;
    std::unique_ptr<GameSwitch> m_pending;
    std::unique_ptr<DeviceConfigModel> m_before; // what the pedals held before this run's first game
    QElapsedTimer m_lastTry;
    bool m_busy = false;
    bool m_retryNow = false;
    bool m_saidStandAside = false;
    bool m_reportedFailure = false;
};

} // namespace

int runGames(const QStringList& args)
{
    CommandLine cmd(QStringLiteral("games"),
                    QStringLiteral("Lists every profile with the game executables bound to it, which of them are "
                                   "running now, and the two switching options."),
                    QStringLiteral("games [--json]"));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Print one JSON object."));
    cmd.addOption(json);
    int code = ExitOk;
    if (!cmd.parse(args, 0, &code))
        return code;
    QString dir;
    if (!profilesDirectory(&dir))
        return ExitInvalidFile;

    GameWatcher watcher;
    const QHash<QString, QString> map = GameBindings::executableMap();
    watcher.setWatchedExecutables(map.keys());
    watcher.scanNow();
    QHash<QString, QList<qint64>> running; // lower-case executable -> pids
    for (const GameWatcher::Game& g : watcher.runningGames())
        running[g.exe.toLower()].append(g.pid);

    QJsonArray profiles;
    QStringList lines;
    for (const ProfileEntry& entry : Store::listProfiles(dir)) {
        const QString file = fileOf(entry);
        QJsonArray games;
        lines << QStringLiteral("%1 (%2)").arg(entry.displayName, file);
        const QStringList exes = GameBindings::executables(file);
        for (const QString& exe : exes) {
            // An executable also bound elsewhere (edited settings) switches to its first owner.
            const bool owner = map.value(exe.toLower()) == file;
            const QList<qint64> pids = owner ? running.value(exe.toLower()) : QList<qint64>();
            QJsonArray pidArray;
            QStringList pidTexts;
            for (qint64 pid : pids) {
                pidArray.append(double(pid));
                pidTexts << QString::number(pid);
            }
            games.append(QJsonObject{{QStringLiteral("executable"), exe},
                                     {QStringLiteral("running"), !pids.isEmpty()},
                                     {QStringLiteral("pids"), pidArray}});
            lines << QStringLiteral("  %1%2").arg(
                exe, pids.isEmpty() ? QString() : QStringLiteral("  running (pid %1)").arg(pidTexts.join(", ")));
        }
        if (exes.isEmpty())
            lines << QStringLiteral("  no games");
        profiles.append(QJsonObject{{QStringLiteral("name"), entry.displayName},
                                    {QStringLiteral("file"), file},
                                    {QStringLiteral("games"), games}});
    }
    if (cmd.parser().isSet(json)) {
        const QJsonObject root{{QStringLiteral("switchOnStart"), GameBindings::switchOnStart()},
                               {QStringLiteral("returnOnEnd"), GameBindings::returnOnEnd()},
                               {QStringLiteral("profiles"), profiles}};
        outRaw(QString::fromUtf8(QJsonDocument(root).toJson(QJsonDocument::Indented)));
        return ExitOk;
    }
    lines << QString()
          << QStringLiteral("Switch profiles when a game starts: %1")
                 .arg(GameBindings::switchOnStart() ? QStringLiteral("on") : QStringLiteral("off"))
          << QStringLiteral("Return to the previous profile when the game ends: %1")
                 .arg(GameBindings::returnOnEnd() ? QStringLiteral("on") : QStringLiteral("off"));
    out(lines.join(QLatin1Char('\n')));
    return ExitOk;
}

int runBind(const QStringList& args)
{
    return editBinding(args, true);
}

int runUnbind(const QStringList& args)
{
    return editBinding(args, false);
}

int runWatch(const QStringList& args)
{
    CommandLine cmd(QStringLiteral("watch"),
                    QStringLiteral("Switches the pedals to the profile bound to a game when the game starts (and "
                                   "back afterwards, if the window's settings say so) until interrupted (Ctrl+C or "
                                   "SIGTERM; exit code 0). Each switch is logged to standard output. While the "
                                   "Quilbex Control window runs, it does the switching and watch stands aside."),
                    QStringLiteral("watch"));
    int code = ExitOk;
    if (!cmd.parse(args, 0, &code))
        return code;
    QString dir;
    if (!profilesDirectory(&dir))
        return ExitInvalidFile;
    Session session(cmd.globals());
    if (!session.isValid())
        return ExitInvalidFile;
    installInterruptHandler();

    Application* app = session.app();
    WatchExecutor executor(&session, dir);
    QObject::connect(app->gameSwitcher.get(), &GameSwitcher::switchRequested,
                     [&executor](const GameSwitch& change) { executor.request(change); });
    err(QStringLiteral("Watching for games (every %1 s); Ctrl+C ends.").arg(GameWatcher::kScanIntervalMs / 1000));
    app->gameWatcher->scanNow(); // a game already running counts as starting now
    app->gameWatcher->start();
    while (!interrupted()) {
        pump(100);
        executor.poll();
    }
    app->gameWatcher->stop();
    return ExitOk;
}

} // namespace cli
