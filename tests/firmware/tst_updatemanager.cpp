// The update end to end with virtual pedals on the bus; failures per phase are in the fault matrix.
#include <QElapsedTimer>
#include <QtTest>

#include "firmware/BootloaderProtocol.h"
#include "support/UpdateRig.h"

using Rig = UpdateRig<>;
using Hold = std::function<void(Rig&)>;

class TestUpdateManager : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void transfer_data()
    {
        QTest::addColumn<int>("size");
        QTest::newRow("largest image") << 55296;
        QTest::newRow("60 bytes: one report") << 60;
        QTest::newRow("61 bytes: two reports") << 61;
    }
    void transfer()
    {
        QFETCH(int, size);
        Rig rig;
        QVERIFY(rig.connectNow());
        const QByteArray bytes = randomBytes(size);
        QVERIFY(rig.run(bytes));
        QVERIFY2(rig.success, qPrintable(rig.message));
        QCOMPARE(rig.stateAtFinish, int(UpgradeStatus::Installed));
        QCOMPARE(rig.app->upgradeStatus->state.load(), int(UpgradeStatus::Idle));
        QCOMPARE(rig.sim->receivedFirmware(), bytes);
        QCOMPARE(rig.app->upgradeStatus->crc, Bootloader::crc16(bytes));
        QVERIFY(rig.connected());
        QCOMPARE(rig.logs.last(), QStringLiteral("Your pedals are connected again."));
    }

    // An interrupted update leaves the pedals in update mode, away from the normal identity.
    void recoversFromUpdateMode()
    {
        Rig rig;
        QVERIFY(rig.connectNow());
        rig.sim->forceDataStatus(5, 0xF004);
        QVERIFY(rig.run(randomBytes(3000)));
        QCOMPARE(rig.sim->mode(), SimulatedPedals::Mode::Update);
        QVERIFY(!rig.connected());

        rig.sim->clearForcedStatuses();
        const QByteArray bytes = randomBytes(3000);
        QVERIFY(rig.run(bytes));
        QVERIFY2(rig.success, qPrintable(rig.message));
        QVERIFY(rig.logs.contains("Your pedals are already in update mode. Continuing with the transfer…"));
        QCOMPARE(rig.sim->receivedFirmware(), bytes);
        QVERIFY(rig.connected());
    }

    void quitDuringEachPhase_data()
    {
        QTest::addColumn<QString>("phase"); // the log line that begins it
        QTest::addColumn<int>("boundMs");
        QTest::addColumn<bool>("released"); // the wait is shorter than the phase
        QTest::addColumn<Hold>("hold");     // keeps the update in the phase
        const auto row = [](const char* tag, const char* phase, int boundMs, bool released, const Hold& hold) {
            QTest::newRow(tag) << phase << boundMs << released << hold;
        };
        row("settle", "Switching your pedals to update mode", 1000, false,
            [](Rig& r) { r.setTiming([](FirmwareUpdateTiming& t) { t.switchSettleMs = 600000; }); });
        row("waiting for update mode", "Waiting for your pedals", 1000, false, [](Rig& r) {
            r.sim->setStayAwayAfterRestart(true);
            r.setTiming([](FirmwareUpdateTiming& t) { t.searchAttempts = 1000000; });
        });
        const Hold silentStart = [](Rig& r) {
            r.sim->setReplyDelayMs(600000);
            r.setTiming([](FirmwareUpdateTiming& t) { t.startReplyMs = 400; });
        };
        // The start exchange cannot be cut short; the wait for it is bounded.
        row("start exchange", "Preparing the update", 8000, false, silentStart);
        row("start exchange, short wait", "Preparing the update", 1000, true, [silentStart](Rig& r) {
            silentStart(r);
            r.setTiming([](FirmwareUpdateTiming& t) { t.shutdownWaitMs = 20; });
        });
        row("transfer", "Installing firmware", 1000, false, [](Rig& r) {
            r.sim->setReplyLatencyUs(50000);
            r.setTiming([](FirmwareUpdateTiming& t) { t.startReplyMs = t.dataReplyMs = 2000; });
        });
        row("reconnect", "Looking for your pedals again", 1000, false, [](Rig& r) {
            r.setTiming([](FirmwareUpdateTiming& t) { t.reconnectAttempts = 1000000; });
            r.onLog = [&r](const QString& l) {
                if (l.startsWith("Firmware installed."))
                    r.sim->unplug();
            };
        });
    }
    void quitDuringEachPhase()
    {
        QFETCH(Hold, hold);
        QFETCH(QString, phase);
        QFETCH(int, boundMs);
        QFETCH(bool, released);
        const int before = FirmwareUpdateManager::liveWorkerCount();
        Rig rig;
        QVERIFY(rig.connectNow());
        hold(rig);
        rig.manager->startUpgrade(rig.writeFile(randomBytes(6000)));
        QTRY_VERIFY_WITH_TIMEOUT(!rig.logs.filter(phase).isEmpty(), 30000);
        // As at quitting: the manager goes after the event loop ended, so nobody serves the worker.
        QElapsedTimer clock;
        clock.start();
        rig.manager.reset();
        QVERIFY2(clock.elapsed() < boundMs, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(FirmwareUpdateManager::liveWorkerCount(), before + (released ? 1 : 0));
        if (released) {
            // It ends by itself, hands the pedals back and reports to nobody.
            QTRY_COMPARE_WITH_TIMEOUT(FirmwareUpdateManager::liveWorkerCount(), before, 10000);
            QVERIFY(rig.coord()->isScanning() || rig.coord()->isPolling());
            QVERIFY(rig.sim->findDevice() != SimulatedPedals::kUpdatePath); // the normal identity
        }
        QCOMPARE(rig.finishedCount, 0);
        rig.app.reset(); // what the worker used goes only now; a later touch would be caught
    }
};

QTEST_GUILESS_MAIN(TestUpdateManager)
#include "tst_updatemanager.moc"
