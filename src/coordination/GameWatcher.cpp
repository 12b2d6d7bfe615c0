#include "coordination/GameWatcher.h"

#include <QFile>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Reads a small procfs file relative to the table's directory; procfs reports no size, so
// the buffer bounds what is read. Returns the byte count, -1 when unreadable.
ssize_t readAt(int dirFd, const char* path, char* buffer, size_t size)
{
    const int fd = ::openat(dirFd, path, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return -1;
    size_t total = 0;
    while (total < size) {
        const ssize_t n = ::read(fd, buffer + total, size - total);
        if (n <= 0)
            break;
        total += size_t(n);
    }
    ::close(fd);
    return ssize_t(total);
}

struct StatLine
{
    char state = 0;
    quint64 startTime = 0;
};

// "pid (name) state ppid ... starttime ...": the name may hold blanks and parentheses, so
// it ends at the last ')'. The start time is the 22nd field, the 20th after the name.
bool parseStat(const char* text, size_t size, StatLine* out)
{
    const char* end = text + size;
    const char* open = static_cast<const char*>(std::memchr(text, '(', size));
    const char* close = nullptr;
    for (const char* p = end; p > text; --p) {
        if (p[-1] == ')') {
            close = p - 1;
            break;
        }
    }
    if (!open || !close || close < open || close + 2 >= end)
        return false;
    const char* p = close + 2;
    out->state = *p;
    for (int field = 0; field < 19 && p < end; ++field) {
        p = static_cast<const char*>(std::memchr(p, ' ', size_t(end - p)));
        if (!p)
            return false;
        ++p;
    }
    quint64 value = 0;
    bool digits = false;
    for (; p < end && *p >= '0' && *p <= '9'; ++p) {
        value = value * 10 + quint64(*p - '0');
        digits = true;
    }
    out->startTime = value;
    return digits;
}

// Seconds since the process started; its start time is in clock ticks since boot.
double ageSeconds(quint64 startTicks)
{
    static const double ticksPerSecond = double(::sysconf(_SC_CLK_TCK));
    timespec now{};
    ::clock_gettime(CLOCK_BOOTTIME, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9 - double(startTicks) / ticksPerSecond;
}

QString fileNameOf(const QString& path)
{
    const int cut = qMax(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return path.mid(cut + 1);
}

// argv[0]'s file name, then the file names of the arguments that are Windows paths.
QStringList namesFromCommandLine(const char* text, size_t size)
{
    QStringList names;
    const char* p = text;
    const char* end = text + size;
    bool first = true;
    while (p < end) {
        const char* zero = static_cast<const char*>(std::memchr(p, '\0', size_t(end - p)));
        const char* stop = zero ? zero : end;
        const QString argument = QString::fromUtf8(p, int(stop - p));
        const bool windowsPath = argument.contains(QLatin1Char('\\'))
            || (argument.size() > 2 && argument.at(1) == QLatin1Char(':') && argument.at(0).isLetter());
        if (first || windowsPath) {
            const QString name = fileNameOf(argument);
            if (!name.isEmpty() && !names.contains(name))
                names << name;
        }
        first = false;
        p = stop + 1;
    }
    return names;
}

} // namespace

GameWatcher::GameWatcher(QObject* parent) : QObject(parent)
{
    m_timer = new QTimer(this);
    m_timer->setInterval(kScanIntervalMs);
    connect(m_timer, &QTimer::timeout, this, &GameWatcher::scanNow);
}

GameWatcher::~GameWatcher() = default;

void GameWatcher::setProcRoot(const QString& root)
{
    m_root = root;
    m_processes.clear();
}

void GameWatcher::setWatchedExecutables(const QStringList& names)
{
    QSet<QString> watched;
    for (const QString& name : names)
        watched.insert(name.toLower());
    if (watched == m_watched)
        return;
    m_watched = watched;
    ++m_watchedVersion;
}

void GameWatcher::start()
{
    m_timer->start();
}

void GameWatcher::stop()
{
    m_timer->stop();
}

bool GameWatcher::isActive() const
{
    return m_timer->isActive();
}

bool GameWatcher::readProcess(int dirFd, const char* pidName, Process* process, bool commandLine)
{
    char path[64];
    char buffer[8192];
    std::snprintf(path, sizeof path, "%s/stat", pidName);
    const ssize_t statSize = readAt(dirFd, path, buffer, 1024);
    StatLine stat;
    if (statSize <= 0 || !parseStat(buffer, size_t(statSize), &stat) || stat.state == 'Z' || stat.state == 'X')
        return false; // gone, or exited and not yet reaped
    if (stat.startTime != process->startTime)
        commandLine = true; // a new process under a reused pid
    process->startTime = stat.startTime;
    if (commandLine) {
        std::snprintf(path, sizeof path, "%s/cmdline", pidName);
        const ssize_t size = readAt(dirFd, path, buffer, sizeof buffer);
        process->names = size > 0 ? namesFromCommandLine(buffer, size_t(size)) : QStringList();
        process->lowerNames.clear();
        for (const QString& name : std::as_const(process->names))
            process->lowerNames << name.toLower();
        process->matchedVersion = -1;
    }
    return true;
}

void GameWatcher::scanNow()
{
    if (m_scanning)
        return;
    m_scanning = true;
    Q_EMIT aboutToScan();
    ++m_generation;

    // Opening any file of a process costs several microseconds, listing the directory a
    // fraction of one; a scan lists the table and reads files only of processes not seen
    // before, of young ones, and of the watched games running (their state and start time).
    QList<QPair<quint64, Game>> started;
    QList<Game> ended;
    if (DIR* dir = ::opendir(QFile::encodeName(m_root).constData())) {
        const int dirFd = ::dirfd(dir);
        while (const dirent* entry = ::readdir(dir)) {
            const char* name = entry->d_name;
            if (*name < '1' || *name > '9' || std::strspn(name, "0123456789") != std::strlen(name))
                continue;
            const qint64 pid = std::strtoll(name, nullptr, 10);
            auto it = m_processes.find(pid);
            const bool known = it != m_processes.end();
            if (!known || !it->settled || !it->game.isEmpty()) {
                Process fresh;
                Process& process = known ? *it : fresh;
                const quint64 before = process.startTime;
                if (!readProcess(dirFd, name, &process, !known || !process.settled))
                    continue; // left out of this generation: ended below
                if (known && before != process.startTime && !process.game.isEmpty()) {
                    ended.append({process.game, pid});
                    process.game.clear();
                }
                // Launchers exec the game, and Wine names the process after it, soon after
                // the start: a young process is read again at every scan.
                process.settled = known && ageSeconds(process.startTime) >= kSettleSeconds;
                if (!known)
                    it = m_processes.insert(pid, fresh);
            }
            Process& process = *it;
            process.seen = m_generation;
            if (process.matchedVersion != m_watchedVersion) {
                process.matchedVersion = m_watchedVersion;
                QString game;
                for (int i = 0; i < process.lowerNames.size() && game.isEmpty(); ++i) {
                    if (m_watched.contains(process.lowerNames.at(i)))
                        game = process.names.at(i);
                }
                if (game != process.game) {
                    if (!process.game.isEmpty())
                        ended.append({process.game, pid});
                    if (!game.isEmpty())
                        started.append({process.startTime, {game, pid}});
                    process.game = game;
                }
            }
        }
        ::closedir(dir);
    }
    for (auto it = m_processes.begin(); it != m_processes.end();) {
        if (it->seen == m_generation) {
            ++it;
            continue;
        }
        if (!it->game.isEmpty())
            ended.append({it->game, it.key()});
        it = m_processes.erase(it);
    }
    // Several games found in one scan start in the order they were started.
    std::sort(started.begin(), started.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first < b.first : a.second.pid < b.second.pid;
    });
    m_scanning = false;

    for (const Game& game : std::as_const(ended))
        Q_EMIT gameEnded(game.exe, game.pid);
    for (const auto& entry : std::as_const(started))
        Q_EMIT gameStarted(entry.second.exe, entry.second.pid);
}

QList<GameWatcher::Game> GameWatcher::runningGames() const
{
    QList<QPair<quint64, Game>> games;
    for (auto it = m_processes.constBegin(); it != m_processes.constEnd(); ++it) {
        if (!it->game.isEmpty())
            games.append({it->startTime, {it->game, it.key()}});
    }
    std::sort(games.begin(), games.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first < b.first : a.second.pid < b.second.pid;
    });
    QList<Game> result;
    for (const auto& entry : std::as_const(games))
        result.append(entry.second);
    return result;
}

QStringList GameWatcher::runningExecutables() const
{
    QSet<QString> seen;
    QStringList names;
    for (const Process& process : m_processes) {
        if (!process.names.isEmpty() && !seen.contains(process.names.first())) {
            seen.insert(process.names.first());
            names.append(process.names.first());
        }
    }
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return names;
}
