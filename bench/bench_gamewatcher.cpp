// The game watcher's cost on this machine's real process table: the switcher and the
// watcher run as in the window (bindings read before every scan, a scan every 2 s) for N
// seconds, and the CPU time of the whole process is set against the wall time. The cost of
// one scan is also measured in a tight loop (the process table cached, as between two
// timer scans) and given as the share of a core it takes at one scan per 2 s.
//
// Usage: bench_gamewatcher [seconds, default 20]
// Prints one "key value" line per figure.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>
#include <ctime>
#include <dirent.h>

#include "coordination/GameSwitcher.h"
#include "coordination/GameWatcher.h"

namespace {

double cpuSeconds(clockid_t clock)
{
    timespec ts{};
    clock_gettime(clock, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

int processCount()
{
    int count = 0;
    if (DIR* dir = opendir("/proc")) {
        while (const dirent* e = readdir(dir))
            count += (e->d_name[0] >= '1' && e->d_name[0] <= '9') ? 1 : 0;
        closedir(dir);
    }
    return count;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Quilbex"));
    QCoreApplication::setApplicationName(QStringLiteral("Quilbex Control"));
    const int seconds = argc > 1 ? qMax(1, atoi(argv[1])) : 20;

    GameWatcher watcher;
    GameSwitcher switcher(&watcher);

    // One scan in a tight loop: the first fills the cache, the rest are the steady state
    // (bindings read from the settings before each, as always).
    watcher.scanNow();
    const int loops = 200;
    double loopStart = cpuSeconds(CLOCK_THREAD_CPUTIME_ID);
    for (int i = 0; i < loops; ++i)
        watcher.scanNow();
    const double perScanMs = (cpuSeconds(CLOCK_THREAD_CPUTIME_ID) - loopStart) * 1000.0 / loops;
    loopStart = cpuSeconds(CLOCK_THREAD_CPUTIME_ID);
    for (int i = 0; i < loops; ++i)
        switcher.refreshBindings();
    const double bindingsMs = (cpuSeconds(CLOCK_THREAD_CPUTIME_ID) - loopStart) * 1000.0 / loops;

    // The real thing: the timer, the event loop and nothing else, for the given time.
    const double cpuStart = cpuSeconds(CLOCK_PROCESS_CPUTIME_ID);
    QElapsedTimer wall;
    wall.start();
    watcher.start();
    QTimer::singleShot(seconds * 1000, &app, &QCoreApplication::quit);
    app.exec();
    const double cpu = cpuSeconds(CLOCK_PROCESS_CPUTIME_ID) - cpuStart;
    const double wallSeconds = double(wall.elapsed()) / 1000.0;

    std::printf("processes %d\n", processCount());
    std::printf("scan_cpu_ms %.3f\n", perScanMs);
    std::printf("of_which_bindings_ms %.3f\n", bindingsMs);
    std::printf("scan_share_percent %.4f\n", perScanMs / GameWatcher::kScanIntervalMs * 100.0);
    std::printf("run_seconds %.1f\n", wallSeconds);
    std::printf("run_cpu_share_percent %.4f\n", cpu / wallSeconds * 100.0);
    return 0;
}
