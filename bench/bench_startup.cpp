// Start-up figures for scripts/bench.sh.
//
//   bench_startup           the baseline: an empty Qt main window, shown, then the event loop
//                           ends at once, as quilbex-control does with QUILBEX_EXIT_AFTER_SHOW=1;
//                           timed from outside (process start to exit).
//   bench_startup --phases  builds the application as main does (virtual pedals) and prints
//                           how long each step took, to see where start-up time goes.
// Run with QT_QPA_PLATFORM=offscreen, in a scratch working directory (the debug log goes there).

#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>

#include "app/Application.h"
#include "app/DebugLog.h"
#include "i18n/LanguageManager.h"
#include "profiles/CurveProfileJsonStore.h"
#include "ui/MainWindow.h"
#include "ui/WidgetHooks.h"

namespace {

double cpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

// Wall and CPU time per step: on a busy machine the wall time also holds waiting for a core.
class Phases
{
public:
    Phases() : m_cpuStart(cpuMs()), m_cpuLast(m_cpuStart)
    {
        m_clock.start();
        std::printf("%-40s %10s %10s\n", "step", "wall ms", "CPU ms");
    }
    void mark(const char* name)
    {
        const qint64 now = m_clock.nsecsElapsed();
        const double cpu = cpuMs();
        std::printf("%-40s %10.2f %10.2f\n", name, double(now - m_last) / 1e6, cpu - m_cpuLast);
        m_last = now;
        m_cpuLast = cpu;
    }
    void total()
    {
        std::printf("%-40s %10.2f %10.2f\n", "total in main", double(m_clock.nsecsElapsed()) / 1e6,
                    cpuMs() - m_cpuStart);
    }

private:
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    double m_cpuStart = 0;
    double m_cpuLast = 0;
};

int emptyWindow(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(1280, 780); // the application's window size
    window.show();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}

int applicationPhases(int argc, char** argv)
{
    Phases phases;
    openDebugLog();
    phases.mark("debug log opened");
    int code = 0;
    {
        QApplication app(argc, argv);
        QApplication::setApplicationName(QStringLiteral("Quilbex Control"));
        QApplication::setOrganizationName(QStringLiteral("Quilbex"));
        phases.mark("QApplication");
        CurveProfileJsonStore::startEnsuringDefaultProfiles(CurveProfileJsonStore::defaultProfilesDirectory());
        applyApplicationStyle();
        installWidgetHooks();
        phases.mark("style sheet, widget hooks");
        auto application = std::make_unique<Application>(Application::simulatedTransportFactory());
        phases.mark("Application");
        if (application->languageManager)
            application->languageManager->initFromSettings();
        phases.mark("language");
        auto window = std::make_unique<MainWindow>(application.get());
        phases.mark("MainWindow constructed");
        window->show();
        phases.mark("show()");
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
        code = app.exec();
        phases.mark("first event loop pass (polish, paint)");
        closeDebugLog();
        window.reset();
        application.reset();
        phases.mark("teardown");
    }
    phases.mark("QApplication destroyed");
    phases.total();
    return code;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], "--phases") == 0)
        return applicationPhases(argc, argv);
    return emptyWindow(argc, argv);
}
