// Whole-configuration write round trip on the virtual pedals: requestWriteConfig (two
// acknowledged chunks), the pedals restart, the coordinator's scan finds and opens them again
// and reads the configuration back. Timed from the request to the read-back (configChanged
// after the reconnect); the pedals' own restart time is reported and subtracted. Each run
// changes one deadzone so that every write stores something new and the read-back is checked.
// No window: this is the device conversation alone.
//
// Usage: bench_config_roundtrip [runs, default 5]
// Prints one "key value" line per figure (times in ms).

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/Application.h"
#include "app/SharedRecords.h"
#include "coordination/DeviceConfigModel.h"
#include "coordination/SessionCoordinator.h"
#include "device/sim/SimulatedPedals.h"

namespace {

void dropMessage(QtMsgType, const QMessageLogContext&, const QString&) {}

double median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication qapp(argc, argv);
    // The coordinator's diagnostics would otherwise be part of what is measured.
    qInstallMessageHandler(dropMessage);
    const int runs = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 5;

    SimulatedPedals* sim = nullptr;
    Application app([&sim] {
        auto p = std::make_unique<SimulatedPedals>();
        sim = p.get();
        return std::unique_ptr<IHidTransport>(std::move(p));
    });
    if (!QTest::qWaitFor([&] { return app.coordinator->canWrite() && app.coordinator->isPolling(); }, 10000)) {
        std::fprintf(stderr, "virtual pedals did not connect\n");
        return 1;
    }
    const int restartMs = SimulatedPedals::kDefaultRestartDelayMs;
    sim->setRestartDelayMs(restartMs);

    QElapsedTimer clock;
    qint64 connectedNs = -1;
    qint64 readBackNs = -1;
    // Waits in the application's own kind of event loop: QTest::qWaitFor would sleep between
    // passes and let the scan timer fire late.
    QEventLoop loop;
    QObject::connect(app.coordinator.get(), &SessionCoordinator::deviceConnectedChanged, [&](bool on) {
        if (on)
            connectedNs = clock.nsecsElapsed();
    });
    QObject::connect(app.config.get(), &DeviceConfigModel::configChanged, [&] {
        if (connectedNs >= 0 && readBackNs < 0) {
            readBackNs = clock.nsecsElapsed();
            loop.quit();
        }
    });

    std::vector<double> totals, writes, waits, reads;
    for (int run = 0; run < runs; ++run) {
        QTimer::singleShot(200, &loop, &QEventLoop::quit); // polling as usual between saves
        loop.exec();
        const quint8 deadTop = quint8(3 + (run % 2 == 0 ? 2 : 1));
        app.config->deadTop[0] = deadTop;
        const int restartsBefore = sim->restartCount();
        connectedNs = -1;
        readBackNs = -1;
        clock.start();
        app.coordinator->requestWriteConfig(); // blocks for the two chunks
        const qint64 writtenNs = clock.nsecsElapsed();
        QTimer timeout;
        timeout.setSingleShot(true);
        QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
        timeout.start(15000);
        if (readBackNs < 0)
            loop.exec();
        if (readBackNs < 0) {
            std::fprintf(stderr, "run %d: no read-back after the write\n", run + 1);
            return 1;
        }
        if (sim->restartCount() != restartsBefore + 1 || app.config->deadTop[0] != deadTop
            || !app.coordinator->isPolling()) {
            std::fprintf(stderr, "run %d: the write did not round-trip (restarts %d, deadzone %d, polling %d)\n",
                         run + 1, sim->restartCount() - restartsBefore, int(app.config->deadTop[0]),
                         int(app.coordinator->isPolling()));
            return 1;
        }
        totals.push_back(double(readBackNs) / 1e6);
        writes.push_back(double(writtenNs) / 1e6);
        waits.push_back(double(connectedNs - writtenNs) / 1e6);
        reads.push_back(double(readBackNs - connectedNs) / 1e6);
        std::fprintf(stderr, "  round trip %d: %.1f ms\n", run + 1, totals.back());
    }
    const double worst = *std::max_element(totals.begin(), totals.end());
    std::printf("runs %d\n", runs);
    std::printf("restart_ms %d\n", restartMs);
    std::printf("roundtrip_median_ms %.1f\n", median(totals));
    std::printf("roundtrip_worst_ms %.1f\n", worst);
    std::printf("roundtrip_minus_restart_median_ms %.1f\n", median(totals) - restartMs);
    std::printf("roundtrip_minus_restart_worst_ms %.1f\n", worst - restartMs);
    std::printf("write_median_ms %.1f\n", median(writes));
    std::printf("until_reopened_median_ms %.1f\n", median(waits));
    std::printf("read_back_median_ms %.1f\n", median(reads));
    return 0;
}
