// The whole application on the virtual pedals, built as main builds it (debug log, style sheet,
// widget hooks, language, main window on the Pedals page), shown offscreen, pedals sweeping
// and reporting at 1000 Hz. Measures:
//   - resident memory (VmRSS) once start-up is done and the pedals are connected, and again
//     after the live phase;
//   - the process's CPU share in every 10 s window of the live phase;
//   - the age of the reading on screen: for every 20 ms poll, the time from the moment the
//     pedals sent the report it applied until the window's next repaint has been flushed,
//     and separately the age at the read itself.
// With --trace the Trace page is shown instead (all three traces scrolling, the brake's
// strokes held), and --record also records every reading to a CSV file in the documents
// folder of HOME.
// Run in a scratch working directory (the debug log goes there) with a fresh HOME.
//
// Usage: bench_app_live [live seconds, default 60] [--trace] [--record]
// Prints one "key value" line per figure.

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/Application.h"
#include "app/DebugLog.h"
#include "coordination/DeviceConfigModel.h"
#include "coordination/SessionCoordinator.h"
#include "device/sim/SimulatedPedals.h"
#include "i18n/LanguageManager.h"
#include "ui/MainWindow.h"
#include "ui/TracePage.h"
#include "ui/WidgetHooks.h"

namespace {

long vmRssKb()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    for (const QByteArray& line : f.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

double cpuSeconds()
{
    rusage ru{};
    getrusage(RUSAGE_SELF, &ru);
    return double(ru.ru_utime.tv_sec + ru.ru_stime.tv_sec) + double(ru.ru_utime.tv_usec + ru.ru_stime.tv_usec) / 1e6;
}

// The application's own kind of event loop: QTest::qWait would sleep between passes and
// delay the poll timer and the repaints it causes.
void runFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

double percentile(std::vector<double> v, double p)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, size_t(double(v.size()) * p))];
}

// Sees every repaint request of every window: the moment one has been handled, what the
// widgets show is on the (offscreen) screen.
class TimingApplication : public QApplication
{
public:
    using QApplication::QApplication;

    SimulatedPedals* sim = nullptr;
    bool recording = false;
    qint64 pendingReportNs = -1; // send time of the report applied by the last poll
    // Allocated and written before the memory is first measured, so that keeping the samples
    // does not show up as the application's growth; samples past the end are dropped.
    std::vector<double> readAgesMs;
    std::vector<double> screenAgesMs;
    size_t reads = 0;
    size_t screens = 0;
    int polls = 0;

    void onPolled()
    {
        if (!recording || !sim)
            return;
        ++polls;
        pendingReportNs = sim->lastReadTimestampNs();
        if (reads < readAgesMs.size())
            readAgesMs[reads++] = double(sim->clockNs() - pendingReportNs) / 1e6;
    }

    bool notify(QObject* receiver, QEvent* event) override
    {
        const bool repaint = event->type() == QEvent::UpdateRequest;
        const bool result = QApplication::notify(receiver, event);
        if (repaint && pendingReportNs >= 0 && sim) {
            if (screens < screenAgesMs.size())
                screenAgesMs[screens++] = double(sim->clockNs() - pendingReportNs) / 1e6;
            pendingReportNs = -1;
        }
        return result;
    }
};

} // namespace

int main(int argc, char** argv)
{
    openDebugLog();
    int liveSeconds = 60;
    bool tracePage = false;
    bool record = false;
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--trace")
            tracePage = true;
        else if (arg == "--record")
            record = true;
        else
            liveSeconds = std::max(1, arg.toInt());
    }

    TimingApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quilbex Control"));
    QApplication::setOrganizationName(QStringLiteral("Quilbex"));
    applyApplicationStyle();
    installWidgetHooks();

    SimulatedPedals* sim = nullptr;
    auto application = std::make_unique<Application>([&sim] {
        auto p = std::make_unique<SimulatedPedals>();
        sim = p.get();
        return std::unique_ptr<IHidTransport>(std::move(p));
    });
    if (application->languageManager)
        application->languageManager->initFromSettings();
    auto window = std::make_unique<MainWindow>(application.get()); // opens on the Pedals page
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get())
        || !QTest::qWaitFor([&] { return application->linkState->connected && application->coordinator->isPolling(); },
                            10000)
        || !sim) {
        std::fprintf(stderr, "virtual pedals did not connect\n");
        return 1;
    }
    sim->setTelemetryRateHz(1000);
    sim->setMotion(SimulatedPedals::Motion::Sweep);
    auto* trace = window->findChild<TracePage*>();
    if (tracePage || record) {
        auto* nav = window->findChild<QListWidget*>(QStringLiteral("navList"));
        if (!trace || !nav) {
            std::fprintf(stderr, "no Trace page\n");
            return 1;
        }
        if (tracePage)
            nav->setCurrentRow(2);
        if (record)
            trace->recordButton()->click();
        if (record && trace->recordingPath().isEmpty()) {
            std::fprintf(stderr, "recording did not start\n");
            return 1;
        }
    }
    runFor(500); // the first polls' extra log lines and the initial layout
    const size_t maxSamples = size_t(liveSeconds) * 60 + 1000; // 50 polls a second, with margin
    app.readAgesMs.assign(maxSamples, 0.0);
    app.screenAgesMs.assign(maxSamples, 0.0);
    const long rssStart = vmRssKb();

    app.sim = sim;
    QObject::connect(application->runtime.get(), &PedalRuntimeState::dataChanged, &app, [&app] { app.onPolled(); });
    app.recording = true;

    std::vector<double> cpuShares;
    const int window10s = std::min(10, liveSeconds);
    for (int elapsed = 0; elapsed < liveSeconds; elapsed += window10s) {
        const int span = std::min(window10s, liveSeconds - elapsed);
        const double c0 = cpuSeconds();
        QElapsedTimer wall;
        wall.start();
        runFor(span * 1000);
        cpuShares.push_back((cpuSeconds() - c0) / (double(wall.nsecsElapsed()) / 1e9) * 100.0);
        std::fprintf(stderr, "  live %3d s: CPU %.2f %%\n", elapsed + span, cpuShares.back());
    }
    app.recording = false;
    const long rssLive = vmRssKb();
    app.readAgesMs.resize(app.reads);
    app.screenAgesMs.resize(app.screens);
    const QString csvPath = trace ? trace->recordingPath() : QString();

    std::printf("live_seconds %d\n", liveSeconds);
    std::printf("rss_start_kb %ld\n", rssStart);
    std::printf("rss_live_kb %ld\n", rssLive);
    std::printf("cpu_windows %zu\n", cpuShares.size());
    std::printf("cpu_share_median %.2f\n", percentile(cpuShares, 0.5));
    std::printf("cpu_share_worst %.2f\n", percentile(cpuShares, 1.0));
    std::printf("polls %d\n", app.polls);
    std::printf("repaints %zu\n", app.screenAgesMs.size());
    std::printf("age_read_median_ms %.2f\n", percentile(app.readAgesMs, 0.5));
    std::printf("age_read_worst_ms %.2f\n", percentile(app.readAgesMs, 1.0));
    std::printf("age_screen_median_ms %.2f\n", percentile(app.screenAgesMs, 0.5));
    std::printf("age_screen_p99_ms %.2f\n", percentile(app.screenAgesMs, 0.99));
    std::printf("age_screen_worst_ms %.2f\n", percentile(app.screenAgesMs, 1.0));
    std::printf("page %s\n", tracePage ? "trace" : "pedals");
    if (!csvPath.isEmpty())
        std::printf("csv_bytes %lld\n", static_cast<long long>(QFileInfo(csvPath).size()));

    closeDebugLog();
    window.reset();
    application.reset();
    return 0;
}
