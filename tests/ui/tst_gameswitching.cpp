// A game's profile switch carried out by the window on the virtual pedals: through the
// editor, only with a clean editor, no write for settings the pedals already hold, and
// back to the settings from before.

#include <QtTest>

#include <QMainWindow>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>

#include "app/Application.h"
#include "coordination/DeviceConfigModel.h"
#include "coordination/GameSwitcher.h"
#include "coordination/SessionCoordinator.h"
#include "device/sim/SimulatedPedals.h"
#include "profiles/CurveProfileJsonStore.h"
#include "ui/PedalChannelCard.h"
#include "ui/PedalsPage.h"

class TestGameSwitchingWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void switchesThroughTheEditor()
    {
        registerCurvePointsMetaType();
        const QString dir = CurveProfileJsonStore::defaultProfilesDirectory();
        QDir(dir).removeRecursively();
        Application app(Application::simulatedTransportFactory());
        auto* pedals = static_cast<SimulatedPedals*>(app.transport.get());
        pedals->setRestartDelayMs(30);
        SessionCoordinator* coordinator = app.coordinator.get();
        QMainWindow window;
        auto* page = new PedalsPage(&app);
        window.setCentralWidget(page);
        coordinator->requestConnect();
        QTRY_VERIFY(coordinator->canWrite());
        DeviceConfigModel before;
        before.copyFrom(*coordinator->confirmedConfig());
        const auto status = [&window] { return window.statusBar()->currentMessage(); };
        const GameSwitch start{QStringLiteral("acs.exe"), 7, QStringLiteral("Assetto Corsa.json"), false, true};

        // The built-in profile: the pedals' factory tuning, no calibration. Nothing to write.
        page->applyGameSwitch(start);
        QCOMPARE(status(), QStringLiteral("acs.exe started: the pedals already hold profile \"Assetto Corsa\"."));
        QCOMPARE(pedals->restartCount(), 0);

        // Unsaved changes in the editor: nothing is switched.
        CurveProfile ac = makeDefaultProfile(QStringLiteral("Assetto Corsa"));
        ac.pedals[1].deadzoneTop = 9;
        ac.pedals[1].filter = 5;
        QVERIFY(CurveProfileJsonStore::saveProfile(dir + QStringLiteral("/Assetto Corsa.json"), ac, nullptr));
        auto* spin = page->card(0)->findChild<QSpinBox*>();
        spin->setValue(spin->value() + 1);
        QVERIFY(page->isProfileDirty());
        page->applyGameSwitch(start);
        QVERIFY(status().contains(QStringLiteral("unsaved changes")));
        QCOMPARE(int(app.config->deadTop[1]), int(before.deadTop[1]));
        QCOMPARE(pedals->restartCount(), 0);

        // A clean editor: the profile reaches editor and pedals, the calibration stays.
        page->findChild<QPushButton*>(QStringLiteral("pedalsProfileSave"))->click();
        QVERIFY(!page->isProfileDirty());
        QVERIFY(CurveProfileJsonStore::saveProfile(dir + QStringLiteral("/Assetto Corsa.json"), ac, nullptr));
        page->applyGameSwitch(start);
        QCOMPARE(status(), QStringLiteral("acs.exe started: profile \"Assetto Corsa\" applied to the pedals."));
        QCOMPARE(int(app.config->deadTop[1]), 9);
        QTRY_COMPARE(pedals->restartCount(), 1);
        QTRY_VERIFY(coordinator->canWrite());
        const DeviceConfigModel* now = coordinator->confirmedConfig();
        QCOMPARE(int(now->deadTop[1]), 9);
        QCOMPARE(int(now->filter[1]), 5);
        QCOMPARE(now->min, before.min);
        QCOMPARE(now->cali, before.cali);

        // The game ends: the settings from before come back.
        page->applyGameSwitch(GameSwitch{QStringLiteral("acs.exe"), 7, QString(), true, false});
        QCOMPARE(status(), QStringLiteral("acs.exe ended: the settings from before the game were restored."));
        QTRY_COMPARE(pedals->restartCount(), 2);
        QTRY_VERIFY(coordinator->canWrite());
        QVERIFY(coordinator->confirmedConfig()->sameSettings(before));
    }
};

QTEST_MAIN(TestGameSwitchingWindow)
#include "tst_gameswitching.moc"
