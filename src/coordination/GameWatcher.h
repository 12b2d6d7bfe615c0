#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

class QTimer;

// Notices watched game executables starting and ending by reading the process table
// (procfs) every two seconds. A process is known by the file name of its executable as
// its command line gives it (argv[0], '/' or '\\' separated: games under Proton or Wine
// show their Windows path there) and by the Windows paths among its arguments; names are
// matched without regard to case.
//
// A scan lists the table; it reads the start time and command line only of processes not
// seen before and, until they are kSettleSeconds old, again at every scan (a launcher
// exec'ing the game, Wine naming the process after it), and the state of the watched games
// running. A pid reused between two scans goes unnoticed unless it was a game's: that takes
// a wrap of the whole pid range within one interval.
class GameWatcher : public QObject
{
    Q_OBJECT
public:
    static constexpr int kScanIntervalMs = 2000;
    static constexpr int kSettleSeconds = 10;

    explicit GameWatcher(QObject* parent = nullptr);
    ~GameWatcher() override;

    // The process table's location ("/proc"; tests build a fake one).
    void setProcRoot(const QString& root);
    // Executable file names to watch; replaces the previous set. A watched process whose
    // name is no longer watched counts as ended at the next scan.
    void setWatchedExecutables(const QStringList& names);

    // Scans every kScanIntervalMs; the first scan follows one interval after start.
    void start();
    void stop();
    bool isActive() const;
    // One scan now; gameEnded and gameStarted follow for what changed since the last one.
    void scanNow();

    struct Game
    {
        QString exe; // as the process names it
        qint64 pid = 0;
    };
    // Watched games running at the last scan, oldest first.
    QList<Game> runningGames() const;
    // Executable names of every process of the last scan (for choosing one to bind),
    // sorted, each once.
    QStringList runningExecutables() const;

Q_SIGNALS:
    // Emitted at the start of every scan, before any matching (the owner may update the
    // watched set then).
    void aboutToScan();
    void gameStarted(const QString& exe, qint64 pid);
    void gameEnded(const QString& exe, qint64 pid);

private:
    struct Process
    {
        quint64 startTime = 0;
        QStringList names; // argv[0]'s file name first, then Windows paths' file names
        QStringList lowerNames;
        QString game;            // the watched name it matches, if any
        int matchedVersion = -1; // of the watched set that game was matched against
        quint64 seen = 0;        // scan generation
        bool settled = false;    // its command line taken as final
    };

    // Reads the stat line (false when the process is gone or a zombie) and, when asked or
    // when the start time shows a new process, the command line.
    static bool readProcess(int dirFd, const char* pidName, Process* process, bool commandLine);

    QString m_root = QStringLiteral("/proc");
    QSet<QString> m_watched; // lower case
    int m_watchedVersion = 0;
    quint64 m_generation = 0;
    QHash<qint64, Process> m_processes;
    QTimer* m_timer = nullptr;
    bool m_scanning = false;
};
