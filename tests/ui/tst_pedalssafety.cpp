// On the virtual pedals, the user's steps and a game's switch never lose the pedals' settings.
#include <QtTest>

#include <QLabel>
#include <QMainWindow>
#include <QSpinBox>
#include <QTreeWidget>

#include "coordination/ConfigHistory.h"
#include "coordination/DeviceConfigModel.h"
#include "coordination/GameSwitcher.h"
#include "coordination/SessionCoordinator.h"
#include "device/sim/SimulatedPedals.h"
#include "profiles/CurveProfileJsonStore.h"
#include "support/UiSupport.h"
#include "ui/DevicePage.h"
#include "ui/PedalChannelCard.h"
#include "ui/PedalsPage.h"

namespace {
struct Rig
{
    Application app{Application::simulatedTransportFactory()};
    SimulatedPedals* sim = dynamic_cast<SimulatedPedals*>(app.transport.get());
    SessionCoordinator* coord = app.coordinator.get();
    QMainWindow window;
    PedalsPage* page = new PedalsPage(&app);

    Rig()
    {
        sim->setRestartDelayMs(50);
        window.setCentralWidget(page);
    }
    QPushButton* save(int i) const { return page->card(i)->findChild<QPushButton*>("pedalParamsSaveBtn"); }
    void setDeadzoneTop(int i, int value) const { page->card(i)->findChildren<QSpinBox*>().at(0)->setValue(value); }
    // The deadzone top of host pedal h as stored in the pedals.
    int deadTop(int h) const { return sim->flashBlock()[size_t(39 + hostToWire(h))]; }
    QString status() const { return window.statusBar()->currentMessage(); }
};
} // namespace

class TestPedalsSafety : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        QFile::remove(ConfigHistory::defaultFilePath(true));
        QDir(CurveProfileJsonStore::defaultProfilesDirectory()).removeRecursively();
    }

    // Built-in profiles carry no calibration: loading one and saving a column keeps it (bytes 45..59).
    void loadingDefaultThenSaveKeepsCalibration()
    {
        Rig rig;
        QTRY_VERIFY_WITH_TIMEOUT(rig.coord->canWrite(), 5000);
        const ConfigBlock::Bytes before = rig.sim->flashBlock();
        QVERIFY(QMetaObject::invokeMethod(rig.page, "onProfileLoad")); // "Default", selected at start
        rig.setDeadzoneTop(0, 17);
        rig.save(0)->click();
        QCOMPARE(rig.deadTop(0), 17);
        QVERIFY(std::equal(before.begin() + 45, before.begin() + 60, rig.sim->flashBlock().begin() + 45));
    }

    void unsavedEditSurvives_data()
    {
        QTest::addColumn<bool>("restarting");
        QTest::newRow("pedals unplugged for a moment") << false;
        QTest::newRow("SAVE while the pedals restart") << true;
    }
    void unsavedEditSurvives()
    {
        QFETCH(bool, restarting);
        Rig rig;
        QTRY_VERIFY_WITH_TIMEOUT(rig.coord->canWrite(), 5000);
        QSignalSpy failed(rig.coord, &SessionCoordinator::writeFailed);
        if (restarting) {
            rig.setDeadzoneTop(0, 9);
            rig.save(0)->click();
        }
        rig.setDeadzoneTop(1, 17);
        if (restarting) {
            QVERIFY(!rig.save(1)->isEnabled());
            QCOMPARE(rig.save(1)->toolTip(), rig.coord->writeBlockedReason());
            rig.coord->requestWritePedalParams(1); // as if the click came through: refused, said
            QCOMPARE(failed.count(), 1);
        } else {
            rig.sim->unplug();
            QTRY_VERIFY(!rig.app.linkState->connected);
            rig.sim->plug();
        }
        QTRY_VERIFY_WITH_TIMEOUT(rig.coord->canWrite(), 5000);
        QVERIFY(rig.page->card(1)->isDirty() && !rig.page->card(2)->isDirty());
        QCOMPARE(rig.page->card(1)->deadzoneTopValue(), 17);
        rig.save(1)->click();
        QCOMPARE(rig.deadTop(1), 17);
    }

    // Unread settings are shown until a read succeeds; each write is listed in the history,
    // and Restore (after a confirmation) writes an entry back.
    void devicePageShowsReadProblemAndRestores()
    {
        Rig rig;
        rig.sim->dropNextReplies(SessionCoordinator::kConnectReadAttempts);
        DevicePage device(&rig.app);
        auto* hint = device.findChild<QLabel*>(QStringLiteral("deviceReadProblemHint"));
        QTRY_VERIFY_WITH_TIMEOUT(!hint->isHidden(), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(hint->isHidden() && rig.coord->canWrite(), 10000);

        const ConfigBlock::Bytes original = rig.sim->flashBlock();
        rig.setDeadzoneTop(2, 21);
        rig.save(2)->click();
        auto* list = device.findChild<QTreeWidget*>(QStringLiteral("configHistoryList"));
        QCOMPARE(list->topLevelItemCount(), 1);
        QCOMPARE(list->topLevelItem(0)->text(1), QStringLiteral("Save pedal"));
        list->setCurrentItem(list->topLevelItem(0));
        auto* restore = device.findChild<QPushButton*>(QStringLiteral("restoreHistoryBtn"));
        QVERIFY(!restore->isEnabled()); // the pedals restart
        QTRY_VERIFY_WITH_TIMEOUT(restore->isEnabled(), 5000);
        DialogScript dialogs({QMessageBox::Yes});
        restore->click();
        QCOMPARE(rig.sim->flashBlock(), original);
        QCOMPARE(list->topLevelItemCount(), 2);
    }

    // A game's switch goes through the editor, only when it is clean, writes nothing the
    // pedals already hold, keeps the calibration, and returns to the settings from before.
    void gameSwitch()
    {
        registerCurvePointsMetaType();
        Rig rig;
        QTRY_VERIFY_WITH_TIMEOUT(rig.coord->canWrite(), 5000);
        DeviceConfigModel before;
        before.copyFrom(*rig.coord->confirmedConfig());
        const GameSwitch start{QStringLiteral("acs.exe"), 7, QStringLiteral("Assetto Corsa.json"), false, true};
        rig.page->applyGameSwitch(start); // the built-in profile: the factory tuning, nothing to write
        QCOMPARE(rig.status(), QStringLiteral("acs.exe started: the pedals already hold profile \"Assetto Corsa\"."));
        QCOMPARE(rig.sim->restartCount(), 0);

        CurveProfile ac = makeDefaultProfile(QStringLiteral("Assetto Corsa"));
        ac.pedals[1].deadzoneTop = 9;
        ac.pedals[1].filter = 5;
        const QString file = CurveProfileJsonStore::defaultProfilesDirectory() + QStringLiteral("/Assetto Corsa.json");
        QVERIFY(CurveProfileJsonStore::saveProfile(file, ac, nullptr));
        rig.setDeadzoneTop(0, rig.page->card(0)->deadzoneTopValue() + 1);
        rig.page->applyGameSwitch(start);
        QVERIFY(rig.status().contains(QStringLiteral("unsaved changes")));
        QCOMPARE(int(rig.app.config->deadTop[1]), int(before.deadTop[1]));
        QCOMPARE(rig.sim->restartCount(), 0);

        rig.page->findChild<QPushButton*>(QStringLiteral("pedalsProfileSave"))->click(); // clean now
        QVERIFY(CurveProfileJsonStore::saveProfile(file, ac, nullptr));
        rig.page->applyGameSwitch(start);
        QCOMPARE(rig.status(), QStringLiteral("acs.exe started: profile \"Assetto Corsa\" applied to the pedals."));
        QCOMPARE(int(rig.app.config->deadTop[1]), 9);
        QTRY_COMPARE(rig.sim->restartCount(), 1);
        QTRY_VERIFY(rig.coord->canWrite());
        const DeviceConfigModel* now = rig.coord->confirmedConfig();
        QCOMPARE(int(now->deadTop[1]), 9);
        QCOMPARE(int(now->filter[1]), 5);
        QVERIFY(now->min == before.min && now->max == before.max && now->cali == before.cali);

        rig.page->applyGameSwitch(GameSwitch{QStringLiteral("acs.exe"), 7, QString(), true, false});
        QCOMPARE(rig.status(), QStringLiteral("acs.exe ended: the settings from before the game were restored."));
        QTRY_COMPARE(rig.sim->restartCount(), 2);
        QTRY_VERIFY(rig.coord->canWrite());
        QVERIFY(rig.coord->confirmedConfig()->sameSettings(before));
    }
};

QTEST_MAIN(TestPedalsSafety)
#include "tst_pedalssafety.moc"
