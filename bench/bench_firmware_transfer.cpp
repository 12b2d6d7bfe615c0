// Time to install a full-size firmware image (55,296 bytes, 922 data reports plus the start
// report) on the virtual pedals when each reply takes 1 ms, against the device-side floor of
// reports × latency. The update runs with its real waits; the transfer phase (start report
// to last confirmation) is timed separately from the whole update.
// Run with QT_QPA_PLATFORM=offscreen. Optional argument: reply latency in microseconds.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <cstdio>

#include "app/Application.h"
#include "device/sim/SimulatedPedals.h"
#include "firmware/BootloaderProtocol.h"
#include "firmware/FirmwareUpdateManager.h"

int main(int argc, char** argv)
{
    QCoreApplication qapp(argc, argv);
    const int latencyUs = argc > 1 ? QByteArray(argv[1]).toInt() : 1000;
    const int size = 55296;
    const int reports = 1 + (size + Bootloader::kPayloadSize - 1) / Bootloader::kPayloadSize;

    SimulatedPedals* sim = nullptr;
    Application app([&sim] {
        auto p = std::make_unique<SimulatedPedals>();
        sim = p.get();
        return std::unique_ptr<IHidTransport>(std::move(p));
    });
    sim->setReplyLatencyUs(latencyUs);
    if (!QTest::qWaitFor([&] { return app.linkState->connected; }, 10000)) {
        std::fprintf(stderr, "virtual pedals did not connect\n");
        return 1;
    }

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench_1.0.0.bin"));
    QFile file(path);
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 31 + 7) & 0xFF);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != size)
        return 1;
    file.close();

    FirmwareUpdateManager manager(&app);
    QElapsedTimer clock;
    qint64 transferStartNs = -1;
    qint64 transferEndNs = -1;
    bool done = false;
    bool success = false;
    QString message;
    QObject::connect(&manager, &FirmwareUpdateManager::logLine, [&](const QString& line) {
        if (line.startsWith(QLatin1String("Preparing the update")))
            transferStartNs = clock.nsecsElapsed();
        else if (line.startsWith(QLatin1String("Firmware installed.")))
            transferEndNs = clock.nsecsElapsed();
    });
    QObject::connect(&manager, &FirmwareUpdateManager::finished, [&](bool ok, const QString& m) {
        done = true;
        success = ok;
        message = m;
    });

    clock.start();
    manager.startUpgrade(path);
    if (!QTest::qWaitFor([&] { return done && !manager.hasWorker(); }, 180000)) {
        std::fprintf(stderr, "update did not finish\n");
        return 1;
    }
    const double totalMs = double(clock.nsecsElapsed()) / 1e6;
    if (!success) {
        std::fprintf(stderr, "update failed: %s\n", qPrintable(message));
        return 1;
    }
    // Log lines arrive queued, so the phase bounds are as seen by the GUI thread.
    const double transferMs = double(transferEndNs - transferStartNs) / 1e6;
    const double floorMs = double(reports) * latencyUs / 1000.0;
    std::printf("firmware transfer: %d bytes, %d reports, reply latency %d us\n", size, reports, latencyUs);
    std::printf("  whole update (switch, transfer, restart, reconnect): %9.1f ms\n", totalMs);
    std::printf("  transfer phase (start report .. last confirmation):  %9.1f ms\n", transferMs);
    std::printf("  device-side floor (reports x latency):               %9.1f ms\n", floorMs);
    std::printf("  transfer / floor:                                    %9.2f\n", transferMs / floorMs);
    std::printf("  host overhead per report:                            %9.3f ms\n", (transferMs - floorMs) / reports);
    return 0;
}
