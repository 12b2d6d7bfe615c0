// The update end to end: Application with the real coordinator and protocol, the virtual
// pedals on the bus.
#include <QFile>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "app/Application.h"
#include "coordination/DeviceConfigModel.h"
#include "coordination/SessionCoordinator.h"
#include "device/sim/SimulatedPedals.h"
#include "firmware/FirmwareUpdateManager.h"

namespace {

struct SimRig
{
    SimRig()
    {
        app = std::make_unique<Application>([this] {
            auto p = std::make_unique<SimulatedPedals>();
            sim = p.get();
            return std::unique_ptr<IHidTransport>(std::move(p));
        });
        sim->setSwitchDelayMs(30);
        sim->setRestartDelayMs(50);
        manager = std::make_unique<FirmwareUpdateManager>(app.get());
        FirmwareUpdateTiming t;
        t.switchSettleMs = 20;
        t.searchIntervalMs = 10;
        t.startReplyMs = 200;
        t.dataReplyMs = 200;
        t.reconnectIntervalMs = 10;
        manager->setTiming(t);
        QObject::connect(manager.get(), &FirmwareUpdateManager::logLine, &receiver,
                         [this](const QString& l) { logs << l; });
        QObject::connect(manager.get(), &FirmwareUpdateManager::finished, &receiver,
                         [this](bool ok, const QString& m) {
                             ++finishedCount;
                             success = ok;
                             message = m;
                             stateAtFinish = app->upgradeStatus->state.load();
                         });
    }

    bool connected() const { return app->linkState->connected; }

    bool run(const QByteArray& bytes)
    {
        const QString path = dir.filePath(QStringLiteral("quilbex_3.0.1.bin"));
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            return false;
        f.close();
        const int before = finishedCount;
        manager->startUpgrade(path);
        return QTest::qWaitFor([&] { return finishedCount > before && !manager->hasWorker(); }, 60000);
    }

    QTemporaryDir dir;
    SimulatedPedals* sim = nullptr;
    std::unique_ptr<Application> app;
    std::unique_ptr<FirmwareUpdateManager> manager;
    QObject receiver;
    QStringList logs;
    int finishedCount = 0;
    bool success = false;
    QString message;
    int stateAtFinish = -1;
};

QByteArray randomBytes(int n)
{
    QByteArray b(n, '\0');
    for (char& c : b)
        c = char(QRandomGenerator::global()->bounded(256));
    return b;
}

} // namespace

class TestUpdateSim : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fullTransfer();
    void refusedStartLeavesPedalsUsable();
    void recoversFromInterruptedUpdate();
};

void TestUpdateSim::fullTransfer()
{
    SimRig rig;
    QTRY_VERIFY_WITH_TIMEOUT(rig.connected(), 10000);
    QSignalSpy busy(rig.app->coordinator.get(), &SessionCoordinator::upgradeBusyChanged);
    const int restarts = rig.sim->restartCount();
    const QByteArray bytes = randomBytes(55296);
    QVERIFY(rig.run(bytes));
    QVERIFY2(rig.success, qPrintable(rig.message));
    QCOMPARE(rig.stateAtFinish, int(UpgradeStatus::Installed));
    QCOMPARE(rig.sim->receivedFirmware(), bytes);
    QCOMPARE(rig.sim->restartCount(), restarts + 1);
    QCOMPARE(rig.sim->mode(), SimulatedPedals::Mode::Normal);
    QVERIFY(rig.connected());
    QCOMPARE(rig.app->upgradeStatus->state.load(), int(UpgradeStatus::Idle));
    QVERIFY(!busy.isEmpty());
    QCOMPARE(busy.last().at(0).toBool(), false);
}

void TestUpdateSim::refusedStartLeavesPedalsUsable()
{
    SimRig rig;
    QTRY_VERIFY_WITH_TIMEOUT(rig.connected(), 10000);
    rig.sim->forceStartStatus(0xF002);
    QVERIFY(rig.run(randomBytes(1000)));
    QVERIFY(!rig.success);
    QCOMPARE(rig.message, QStringLiteral("Your pedals couldn't accept this firmware file: The device couldn't confirm "
                                         "the firmware after installation"));
    QCOMPARE(rig.stateAtFinish, int(UpgradeStatus::Failed));
    QVERIFY(rig.app->coordinator->isScanning() || rig.app->coordinator->isPolling());
}

void TestUpdateSim::recoversFromInterruptedUpdate()
{
    SimRig rig;
    QTRY_VERIFY_WITH_TIMEOUT(rig.connected(), 10000);
    // The pedals lose sync half way and stay in update mode.
    rig.sim->forceDataStatus(5, 0xF004);
    QVERIFY(rig.run(randomBytes(3000)));
    QVERIFY(!rig.success);
    QCOMPARE(rig.sim->mode(), SimulatedPedals::Mode::Update);
    QVERIFY(!rig.connected());

    // A new update picks them up where they are.
    rig.sim->clearForcedStatuses();
    rig.logs.clear();
    const QByteArray bytes = randomBytes(3000);
    QVERIFY(rig.run(bytes));
    QVERIFY2(rig.success, qPrintable(rig.message));
    QVERIFY(rig.logs.contains(
        QStringLiteral("Your pedals are already in update mode. Continuing with the transfer…")));
    QCOMPARE(rig.sim->receivedFirmware(), bytes);
    QCOMPARE(rig.sim->mode(), SimulatedPedals::Mode::Normal);
    QVERIFY(rig.connected());
}

QTEST_GUILESS_MAIN(TestUpdateSim)
#include "tst_updatesim.moc"
