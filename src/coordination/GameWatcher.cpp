#include "coordination/GameWatcher.h"

#include <QFile>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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
    QString comm;
};

// "pid (comm) state ppid ... starttime ...": comm may hold blanks and parentheses, so it
// ends at the last ')'. The start time is the 22nd field, the 20th after comm.
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
    out->comm = QString::fromUtf8(open + 1, int(close - open - 1));
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
    m_watched.clear();
    for (const QString& name : names)
        m_watched.insert(name.toLower());
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

void GameWatcher::scanNow()
{
    if (m_scanning)
        return;
    m_scanning = true;
    Q_EMIT aboutToScan();

    QHash<qint64, Process> current;
    current.reserve(m_processes.size() + 16);
    if (DIR* dir = ::opendir(QFile::encodeName(m_root).constData())) {
        const int dirFd = ::dirfd(dir);
        char buffer[8192];
        while (const dirent* entry = ::readdir(dir)) {
            const char* name = entry->d_name;
            if (*name < '1' || *name > '9' || std::strspn(name, "0123456789") != std::strlen(name))
                continue;
            char path[64];
            std::snprintf(path, sizeof path, "%s/stat", name);
            const ssize_t statSize = readAt(dirFd, path, buffer, 1024);
            StatLine stat;
            if (statSize <= 0 || !parseStat(buffer, size_t(statSize), &stat))
                continue;
            if (stat.state == 'Z' || stat.state == 'X')
                continue; // exited, not yet reaped
            const qint64 pid = std::strtoll(name, nullptr, 10);
            Process process;
            const auto known = m_processes.constFind(pid);
            if (known != m_processes.constEnd() && known->startTime == stat.startTime && known->comm == stat.comm) {
                process = *known;
            } else {
                process.startTime = stat.startTime;
                process.comm = stat.comm;
                std::snprintf(path, sizeof path, "%s/cmdline", name);
                const ssize_t size = readAt(dirFd, path, buffer, sizeof buffer);
                if (size > 0)
                    process.names = namesFromCommandLine(buffer, size_t(size));
            }
            process.game.clear();
            for (const QString& candidate : std::as_const(process.names)) {
                if (m_watched.contains(candidate.toLower())) {
                    process.game = candidate;
                    break;
                }
            }
            current.insert(pid, process);
        }
        ::closedir(dir);
    }

    QList<Game> ended;
    for (auto it = m_processes.constBegin(); it != m_processes.constEnd(); ++it) {
        if (it->game.isEmpty())
            continue;
        const auto now = current.constFind(it.key());
        if (now == current.constEnd() || now->startTime != it->startTime || now->game != it->game)
            ended.append({it->game, it.key()});
    }
    QList<QPair<quint64, Game>> started;
    for (auto it = current.constBegin(); it != current.constEnd(); ++it) {
        if (it->game.isEmpty())
            continue;
        const auto before = m_processes.constFind(it.key());
        if (before == m_processes.constEnd() || before->startTime != it->startTime || before->game != it->game)
            started.append({it->startTime, {it->game, it.key()}});
    }
    // Several games found in one scan start in the order they were started.
    std::sort(started.begin(), started.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first < b.first : a.second.pid < b.second.pid;
    });
    m_processes.swap(current);
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
