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
// Each scan reads every process's stat line (state, name, start time); the command line
// only of processes not seen before, or whose name changed since (an exec, or Wine naming
// the process after the game).
class GameWatcher : public QObject
{
    Q_OBJECT
public:
    static constexpr int kScanIntervalMs = 2000;

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
        QString comm;
        QStringList names; // argv[0]'s file name first, then Windows paths' file names
        QString game;      // the watched name matched at the last scan, if any
    };

    QString m_root = QStringLiteral("/proc");
    QSet<QString> m_watched; // lower case
    QHash<qint64, Process> m_processes;
    QTimer* m_timer = nullptr;
    bool m_scanning = false;
};
