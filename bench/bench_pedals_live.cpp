// Cost of the Pedals page with live data from the virtual pedals, offscreen.
//
//   (a) GUI-thread time of one live update: telemetry read, model, three columns and the
//       three charts repainted (median and 90th percentile over many updates);
//   (b) process CPU share while the page shows 10 s of live data, pedals moving and idle.
//
// Each figure is taken twice: as built, and with the charts' layer cache off and every
// chart repainted whole on each update (the straightforward way), for comparison.
// Run with QT_QPA_PLATFORM=offscreen. Optional argument: seconds per CPU run (default 10).

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QtTest>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/Application.h"
#include "coordination/DeviceConfigModel.h"
#include "coordination/SessionCoordinator.h"
#include "device/sim/SimulatedPedals.h"
#include "ui/CurvePreviewWidget.h"
#include "ui/PedalsPage.h"
#include "ui/WidgetHooks.h"

namespace {

double cpuSeconds()
{
    rusage ru{};
    getrusage(RUSAGE_SELF, &ru);
    return double(ru.ru_utime.tv_sec + ru.ru_stime.tv_sec) + double(ru.ru_utime.tv_usec + ru.ru_stime.tv_usec) / 1e6;
}

void runFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

struct Rig
{
    Application app{Application::simulatedTransportFactory()};
    PedalsPage page{&app};
    SimulatedPedals* sim = nullptr;
    bool naive = false;
    QMetaObject::Connection naiveRepaint;

    bool start()
    {
        sim = dynamic_cast<SimulatedPedals*>(app.transport.get());
        page.resize(1280, 780);
        page.show();
        if (!QTest::qWaitForWindowExposed(&page))
            return false;
        QElapsedTimer t;
        t.start();
        while (!(app.linkState->connected && app.coordinator->isPolling()) && t.elapsed() < 10000)
            runFor(20);
        return app.linkState->connected && app.coordinator->isPolling();
    }

    void setNaive(bool on)
    {
        naive = on;
        for (int i = 0; i < 3; ++i)
            page.preview(i)->setLayerCacheEnabled(!on);
        QObject::disconnect(naiveRepaint);
        if (on) {
            naiveRepaint = QObject::connect(app.runtime.get(), &PedalRuntimeState::dataChanged, &page, [this] {
                for (int i = 0; i < 3; ++i)
                    page.preview(i)->update();
            });
        }
        runFor(100);
    }

    // (a): one poll done by hand, then every event it caused, paints included.
    void measureUpdate(const char* label, int samples)
    {
        app.coordinator->pollTimer()->stop();
        std::vector<double> us;
        us.reserve(size_t(samples));
        for (int n = 0; n < samples; ++n) {
            runFor(20); // the pedals move on between polls
            QElapsedTimer t;
            t.start();
            QMetaObject::invokeMethod(app.coordinator.get(), "onPollTimer", Qt::DirectConnection);
            QCoreApplication::sendPostedEvents();
            QCoreApplication::processEvents();
            us.push_back(double(t.nsecsElapsed()) / 1000.0);
        }
        app.coordinator->pollTimer()->start();
        std::sort(us.begin(), us.end());
        std::printf("  %-34s median %8.1f us   p90 %8.1f us\n", label, us[us.size() / 2], us[us.size() * 9 / 10]);
    }

    // (b): the coordinator polls every 20 ms as in the application.
    double measureCpu(const char* label, int seconds)
    {
        runFor(300);
        const double c0 = cpuSeconds();
        QElapsedTimer wall;
        wall.start();
        runFor(seconds * 1000);
        const double share = (cpuSeconds() - c0) / (double(wall.nsecsElapsed()) / 1e9) * 100.0;
        std::printf("  %-34s %6.2f %% of one core\n", label, share);
        return share;
    }
};

} // namespace

void dropMessage(QtMsgType, const QMessageLogContext&, const QString&) {}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    // The coordinator's diagnostics would otherwise be part of what is measured.
    qInstallMessageHandler(dropMessage);
    // The page as the application shows it: with the application style sheet.
    if (!applyApplicationStyle())
        std::printf("note: application style sheet not found\n");
    const int seconds = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 10;
    const QByteArray only = argc > 2 ? QByteArray(argv[2]) : QByteArray(); // "moving" or "idle"

    Rig rig;
    if (!rig.start() || !rig.sim) {
        std::printf("virtual pedals did not connect; nothing measured\n");
        return 1;
    }
    std::printf("Pedals page 1280x780, offscreen, live data from the virtual pedals (poll %d ms)\n",
                SessionCoordinator::kPollIntervalMs);

    if (!only.isEmpty()) { // one run, for a profiler
        rig.sim->setMotion(only == "idle" ? SimulatedPedals::Motion::Idle : SimulatedPedals::Motion::Sweep);
        rig.measureCpu(only.constData(), seconds);
        return 0;
    }
    double moving[2] = {};
    double idle[2] = {};
    for (bool naive : {false, true}) {
        rig.setNaive(naive);
        std::printf("%s\n",
                    naive ? "straightforward (charts repainted whole, no layer cache):"
                          : "as built (layer cache, marker squares only):");
        rig.sim->setMotion(SimulatedPedals::Motion::Sweep);
        rig.measureUpdate("(a) one update, pedals moving", 300);
        moving[naive] = rig.measureCpu("(b) CPU, all three pedals moving", seconds);
        rig.sim->setMotion(SimulatedPedals::Motion::Idle);
        idle[naive] = rig.measureCpu("(b) CPU, pedals idle", seconds);
    }

    // What polling and the virtual pedals cost without the page, to tell the page's share.
    rig.setNaive(false);
    QObject::disconnect(rig.app.runtime.get(), nullptr, &rig.page, nullptr);
    rig.page.hide();
    std::printf("without the page (coordinator, virtual pedals, event loop):\n");
    rig.sim->setMotion(SimulatedPedals::Motion::Sweep);
    const double baseMoving = rig.measureCpu("(b) CPU, all three pedals moving", seconds);
    rig.sim->setMotion(SimulatedPedals::Motion::Idle);
    const double baseIdle = rig.measureCpu("(b) CPU, pedals idle", seconds);
    std::printf("page's share (total minus the run without the page):\n");
    std::printf("  as built:        moving %5.2f %%, idle %5.2f %%\n", moving[0] - baseMoving, idle[0] - baseIdle);
    std::printf("  straightforward: moving %5.2f %%, idle %5.2f %%\n", moving[1] - baseMoving, idle[1] - baseIdle);
    return 0;
}
