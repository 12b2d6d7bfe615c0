#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QTimer>

#include <cstdlib>
#include <memory>

#include "app/Application.h"
#include "app/Version.h"
#include "app/DebugLog.h"
#include "app/WindowLock.h"
#include "coordination/GameWatcher.h"
#include "firmware/FirmwareUpdateManager.h"
#include "i18n/LanguageManager.h"
#include "profiles/CurveProfileJsonStore.h"
#include "ui/MainWindow.h"
#include "ui/WidgetHooks.h"

int main(int argc, char* argv[])
{
    openDebugLog();

    int exitCode = 0;
    {
        QApplication app(argc, argv);
        QApplication::setWindowIcon(QIcon(loadPng(QStringLiteral(":/images/app.png"))));
        QApplication::setApplicationName(QStringLiteral("Quilbex Control"));
        QApplication::setOrganizationName(QStringLiteral("Quilbex"));
        QApplication::setApplicationVersion(QStringLiteral(QUILBEX_VERSION_TEXT));

        QCommandLineParser parser;
        parser.setApplicationDescription(QStringLiteral("Configuration tool for the Quilbex Pedals."));
        parser.addHelpOption();
        parser.addVersionOption();
        const QCommandLineOption simulateOption(
            QStringLiteral("simulate"), QStringLiteral("Use the built-in virtual pedals instead of real hardware."));
        parser.addOption(simulateOption);
        parser.process(app);
        // A first start writes the built-in profiles meanwhile; the Pedals page waits for them.
        CurveProfileJsonStore::startEnsuringDefaultProfiles(CurveProfileJsonStore::defaultProfilesDirectory());

        applyApplicationStyle();

        installWidgetHooks();

        auto application =
            std::make_unique<Application>(parser.isSet(simulateOption) ? Application::simulatedTransportFactory()
                                                                       : Application::hidapiTransportFactory());
        if (application->languageManager)
            application->languageManager->initFromSettings();

        auto window = std::make_unique<MainWindow>(application.get());
        window->show();
        // quilbex-cli watch leaves the pedals to the window while this lock is held.
        const auto windowLock = WindowLock::acquire();
        application->gameWatcher->start();
        // Start-up measurements (scripts/bench.sh) end the run once the first window is up.
        if (qEnvironmentVariableIsSet("QUILBEX_EXIT_AFTER_SHOW"))
            QTimer::singleShot(0, &app, &QCoreApplication::quit);

        exitCode = app.exec();
        CurveProfileJsonStore::finishEnsuringDefaultProfiles();

        closeDebugLog();
        // Ends a firmware update still running: its worker stops within a bounded wait.
        window.reset();
        // A worker stuck in a device call past that wait still points into Application;
        // leave without destroying anything it may touch.
        if (FirmwareUpdateManager::anyWorkerRunning())
            std::_Exit(exitCode);
        application.reset();
    }
    return exitCode;
}
