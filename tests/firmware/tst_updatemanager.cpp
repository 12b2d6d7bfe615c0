#include <QFile>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "FakeUpdateDevice.h"
#include "app/SharedRecords.h"
#include "device/IQuilbexProtocol.h"
#include "firmware/BootloaderProtocol.h"
#include "firmware/FirmwareUpdateManager.h"

namespace {

// Sends the update-mode command the way the real protocol does.
class CommandProtocol : public IQuilbexProtocol
{
public:
    explicit CommandProtocol(IHidTransport* t) : m_t(t) {}
    bool readFullConfig(DeviceConfigModel*) override { return false; }
    bool writeFullConfig(const DeviceConfigModel*) override { return false; }
    bool readRuntime(PedalRuntimeState*) override { return false; }
    bool enterUpdateMode() override
    {
        QByteArray report(64, '\0');
        report[0] = 0x05;
        report.replace(1, 14, "bootloader run");
        return m_t->writeReport(report);
    }

private:
    IHidTransport* m_t;
};

QByteArray randomBytes(int n)
{
    QByteArray b(n, '\0');
    for (int i = 0; i < n; ++i)
        b[i] = char(QRandomGenerator::global()->bounded(256));
    return b;
}

} // namespace

// Stands in for the session coordinator: same slot names, records what the worker asked for
// and where the transport pointed at that moment.
class FakeCoordinator : public QObject
{
    Q_OBJECT
public:
    FakeCoordinator(FakeUpdateDevice* device, UpgradeStatus* status) : m_device(device), m_status(status) {}
    QStringList calls;
    FakeUpdateDevice::Target targetAtResume{0, 0, false};

Q_SIGNALS:
    void upgradeBusyChanged(bool busy);

public Q_SLOTS:
    void pauseForFirmwareTransfer() { calls << QStringLiteral("pause"); }
    void resumeAfterFirmwareTransfer()
    {
        calls << QStringLiteral("resume");
        targetAtResume = m_device->target();
    }
    void markDisconnectedSnapshot() { calls << QStringLiteral("disconnected"); }
    void refreshUpgradeBusySignal()
    {
        calls << QStringLiteral("refresh");
        Q_EMIT upgradeBusyChanged(m_status->isBusy());
    }
    bool probeUsbConnectOnce()
    {
        if (!calls.endsWith(QStringLiteral("probe")))
            calls << QStringLiteral("probe");
        const QString path = m_device->findDevice();
        return !path.isEmpty() && m_device->open(path);
    }

private:
    FakeUpdateDevice* m_device;
    UpgradeStatus* m_status;
};

// One update set up end to end; records the manager's signals on the GUI thread.
struct Rig
{
    explicit Rig(FakeUpdateDevice::Mode mode = FakeUpdateDevice::Mode::Normal)
        : device(mode), protocol(&device), coordinator(&device, &status)
    {
        FirmwareUpdateEnvironment env{&device, &protocol, &coordinator, &status};
        manager = std::make_unique<FirmwareUpdateManager>(env);
        FirmwareUpdateTiming t;
        t.switchSettleMs = 5;
        t.searchAttempts = 20;
        t.searchIntervalMs = 5;
        t.startReplyMs = 40;
        t.dataReplyMs = 40;
        t.reconnectAttempts = 20;
        t.reconnectIntervalMs = 5;
        manager->setTiming(t);
        if (mode == FakeUpdateDevice::Mode::Normal)
            device.openNormally();
        QObject::connect(manager.get(), &FirmwareUpdateManager::logLine, &receiver,
                         [this](const QString& l) { logs << l; });
        QObject::connect(manager.get(), &FirmwareUpdateManager::progressChanged, &receiver,
                         [this](int p, const QString&) { progress << p; });
        QObject::connect(manager.get(), &FirmwareUpdateManager::finished, &receiver,
                         [this](bool ok, const QString& m) {
                             ++finishedCount;
                             success = ok;
                             message = m;
                             stateAtFinish = status.state.load();
                             targetAtFinish = device.target();
                             callsAtFinish = coordinator.calls;
                         });
    }

    QString writeFile(const QByteArray& bytes, const QString& name = QStringLiteral("fw_2.1.0.bin"))
    {
        const QString path = dir.filePath(name);
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            return QString();
        return path;
    }

    bool run(const QByteArray& bytes)
    {
        manager->startUpgrade(writeFile(bytes));
        return QTest::qWaitFor([this] { return finishedCount > 0 && !manager->hasWorker(); }, 20000);
    }

    QTemporaryDir dir;
    UpgradeStatus status;
    FakeUpdateDevice device;
    CommandProtocol protocol;
    FakeCoordinator coordinator;
    QObject receiver;
    std::unique_ptr<FirmwareUpdateManager> manager;

    QStringList logs;
    QList<int> progress;
    int finishedCount = 0;
    bool success = false;
    QString message;
    int stateAtFinish = -1;
    FakeUpdateDevice::Target targetAtFinish{0, 0, false};
    QStringList callsAtFinish;
};

class TestUpdateManager : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fullTransfer();
    void smallFiles_data();
    void smallFiles();
    void progressAndLogThresholds();
    void failures_data();
    void failures();
    void cancelWhileWaitingForUpdateMode();
    void cancelDuringTransfer();
    void neverReconnects();
    void continuesFromUpdateMode();
    void badFileAndBusyStart();
    void destructionReleasesBusyWorker();
};

void TestUpdateManager::fullTransfer()
{
    Rig rig;
    const QByteArray bytes = randomBytes(55296);
    QVERIFY(rig.run(bytes));
    QVERIFY2(rig.success, qPrintable(rig.message));
    QCOMPARE(rig.message, QString());
    QCOMPARE(rig.stateAtFinish, int(UpgradeStatus::Installed));
    QCOMPARE(rig.status.state.load(), int(UpgradeStatus::Idle));
    QCOMPARE(rig.status.lastPercent, 100);

    QCOMPARE(rig.device.image(), bytes);
    QCOMPARE(rig.device.announcedSize(), 55296);
    QCOMPARE(rig.device.announcedCrc(), Bootloader::crc16(bytes));
    QCOMPARE(rig.status.crc, Bootloader::crc16(bytes));
    QCOMPARE(rig.device.dataReports(), 922);

    const QList<FakeUpdateDevice::Target> targets = rig.device.targets();
    QCOMPARE(targets.size(), 2);
    QVERIFY(targets.at(0) == FakeUpdateDevice::kUpdate);
    QVERIFY(targets.at(1) == FakeUpdateDevice::kNormal);
    QVERIFY(rig.coordinator.targetAtResume == FakeUpdateDevice::kNormal);
    QCOMPARE(rig.callsAtFinish, (QStringList{"refresh", "refresh", "pause", "disconnected", "refresh", "resume",
                                             "probe"}));
    QCOMPARE(rig.logs.first(), QStringLiteral("Starting update using: %1").arg(rig.dir.filePath("fw_2.1.0.bin")));
    QVERIFY(rig.logs.contains(QStringLiteral("Preparing the update (54 KB)…")));
    QCOMPARE(rig.logs.last(), QStringLiteral("Your pedals are connected again."));
}

void TestUpdateManager::smallFiles_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("reports");
    QTest::addColumn<QList<int>>("progress");
    QTest::newRow("one byte") << 1 << 1 << QList<int>{100};
    QTest::newRow("60 bytes") << 60 << 1 << QList<int>{100};
    QTest::newRow("61 bytes") << 61 << 2 << QList<int>{98, 100};
}

void TestUpdateManager::smallFiles()
{
    QFETCH(int, size);
    QFETCH(int, reports);
    QFETCH(QList<int>, progress);
    Rig rig;
    const QByteArray bytes = randomBytes(size);
    QVERIFY(rig.run(bytes));
    QVERIFY2(rig.success, qPrintable(rig.message));
    QCOMPARE(rig.device.dataReports(), reports);
    QCOMPARE(rig.device.image(), bytes);
    QCOMPARE(rig.progress, progress);
    QCOMPARE(rig.logs.filter(QStringLiteral("% complete")).size(), progress.size());
}

void TestUpdateManager::progressAndLogThresholds()
{
    Rig rig;
    QVERIFY(rig.run(randomBytes(6000)));
    QVERIFY(rig.success);
    QList<int> all;
    for (int p = 1; p <= 100; ++p)
        all << p;
    QCOMPARE(rig.progress, all);
    QStringList expected;
    for (int p = 1; p <= 96; p += 5)
        expected << QStringLiteral("Installing… %1% complete").arg(p);
    expected << QStringLiteral("Installing… 99% complete") << QStringLiteral("Installing… 100% complete");
    QCOMPARE(rig.logs.filter(QStringLiteral("% complete")), expected);
}

void TestUpdateManager::failures_data()
{
    using Setup = std::function<void(FakeUpdateDevice&)>;
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("switched");

    const auto reply = [](int seq, int status) {
        return Setup([=](FakeUpdateDevice& d) {
            d.replyHook = [=](int s, int proposed) { return s == seq ? status : proposed; };
        });
    };
    QTest::newRow("update-mode command not written")
        << Setup([](FakeUpdateDevice& d) { d.failAllWrites = true; })
        << "We couldn't start the update. Please keep the USB cable connected and try again." << false;
    QTest::newRow("never enters update mode")
        << Setup([](FakeUpdateDevice& d) { d.enterUpdateMode = false; })
        << "Your pedals didn't enter update mode in time. Unplug the USB cable, plug it back in, and try again."
        << true;
    QTest::newRow("update-mode open fails")
        << Setup([](FakeUpdateDevice& d) { d.failUpdateOpen = true; })
        << "Couldn't connect to your pedals in update mode. Try unplugging and reconnecting the USB cable." << true;
    QTest::newRow("start refused 0xF002")
        << reply(0, 0xF002)
        << "Your pedals couldn't accept this firmware file: The device couldn't confirm the firmware after "
           "installation"
        << true;
    QTest::newRow("start reply 2") << reply(0, 2)
                                   << "The update stopped unexpectedly right after it started. Please try again."
                                   << true;
    QTest::newRow("start writes fail")
        << Setup([](FakeUpdateDevice& d) { d.failWritesFromSequence = 0; })
        << "Couldn't send data to the device (try 5 of 5). Check the USB cable." << true;
    QTest::newRow("data writes fail")
        << Setup([](FakeUpdateDevice& d) { d.failWritesFromSequence = 1; })
        << "The update paused too long without a reply from your pedals. Couldn't send data to the device (try 5 "
           "of 5). Check the USB cable."
        << true;
    QTest::newRow("data reply missing")
        << reply(2, -1)
        << "The update paused too long without a reply from your pedals. The device didn't reply in time (try 5 of "
           "5). Check the USB connection."
        << true;
    QTest::newRow("reply k to report k")
        << reply(3, 3) << "The update lost sync with your pedals. Please try again from the beginning." << true;
    QTest::newRow("0xF000 before the last report")
        << reply(2, 0xF000) << "The update lost sync with your pedals. Please try again from the beginning." << true;
    QTest::newRow("0xF0AB during data")
        << reply(2, 0xF0AB) << "Your pedals reported a problem during the update: Unexpected device response (0xf0ab)"
        << true;
    QTest::newRow("last report not confirmed")
        << reply(4, 5) << "The device didn't confirm the update finished cleanly. Device status code 0x0005" << true;
}

void TestUpdateManager::failures()
{
    QFETCH(std::function<void(FakeUpdateDevice&)>, setup);
    QFETCH(QString, message);
    QFETCH(bool, switched);
    Rig rig;
    setup(rig.device);
    QSignalSpy busy(&rig.coordinator, &FakeCoordinator::upgradeBusyChanged);
    QVERIFY(rig.run(randomBytes(200))); // four data reports
    QCOMPARE(rig.finishedCount, 1);
    QVERIFY(!rig.success);
    QCOMPARE(rig.message, message);
    QCOMPARE(rig.stateAtFinish, int(UpgradeStatus::Failed));
    QCOMPARE(rig.status.lastError, message);
    QCOMPARE(rig.logs.last(), message);
    QVERIFY(rig.callsAtFinish.endsWith(QStringLiteral("resume")));
    QVERIFY(rig.targetAtFinish == FakeUpdateDevice::kNormal);
    QVERIFY(rig.coordinator.targetAtResume == FakeUpdateDevice::kNormal);
    QCOMPARE(rig.device.targets().size(), switched ? 2 : 0);
    QCOMPARE(rig.device.isOpen(), !switched); // the normal-mode link is left to the coordinator
    // Afterwards idle, and the interface told so.
    QCOMPARE(rig.status.state.load(), int(UpgradeStatus::Idle));
    QVERIFY(!busy.isEmpty());
    QCOMPARE(busy.last().at(0).toBool(), false);
}

void TestUpdateManager::cancelWhileWaitingForUpdateMode()
{
    Rig rig;
    rig.device.enterUpdateMode = false;
    FirmwareUpdateTiming t = rig.manager->timing();
    t.searchAttempts = 100000; // only the cancel ends the wait
    rig.manager->setTiming(t);
    rig.manager->startUpgrade(rig.writeFile(randomBytes(100)));
    QTRY_VERIFY_WITH_TIMEOUT(rig.logs.contains(QStringLiteral("Waiting for your pedals to appear in update mode…")),
                             10000);
    rig.manager->cancel();
    QTRY_VERIFY_WITH_TIMEOUT(rig.finishedCount == 1 && !rig.manager->hasWorker(), 10000);
    QCOMPARE(rig.message, QStringLiteral("Update canceled while waiting for update mode."));
    QCOMPARE(rig.stateAtFinish, int(UpgradeStatus::Failed));
    QVERIFY(rig.callsAtFinish.endsWith(QStringLiteral("resume")));
    QVERIFY(rig.coordinator.targetAtResume == FakeUpdateDevice::kNormal);
}

void TestUpdateManager::cancelDuringTransfer()
{
    Rig rig;
    FirmwareUpdateManager* manager = rig.manager.get();
    rig.device.replyHook = [manager](int seq, int proposed) {
        if (seq == 3)
            manager->cancel(); // from the worker thread, as any thread may
        return proposed;
    };
    QVERIFY(rig.run(randomBytes(600)));
    QCOMPARE(rig.message, QStringLiteral("Update canceled while installing firmware."));
    QCOMPARE(rig.device.dataReports(), 3);
    QVERIFY(rig.targetAtFinish == FakeUpdateDevice::kNormal);
    QVERIFY(rig.callsAtFinish.endsWith(QStringLiteral("resume")));
}

void TestUpdateManager::neverReconnects()
{
    Rig rig;
    rig.device.returnAfterUpdate = false;
    const QByteArray bytes = randomBytes(300);
    QVERIFY(rig.run(bytes));
    QVERIFY(!rig.success);
    QCOMPARE(rig.message,
             QStringLiteral("The firmware was installed, but we couldn't reconnect to your pedals in time.\n\n"
                            "Please unplug the USB cable, plug it back in, then open this page again if needed."));
    QCOMPARE(rig.stateAtFinish, int(UpgradeStatus::Failed));
    QCOMPARE(rig.device.image(), bytes);
    QVERIFY(!rig.logs.contains(rig.message));
    QCOMPARE(rig.status.lastError, QString());
    QVERIFY(rig.coordinator.targetAtResume == FakeUpdateDevice::kNormal);
}

void TestUpdateManager::continuesFromUpdateMode()
{
    // An earlier update was interrupted: only the update-mode identity is on the bus.
    Rig rig(FakeUpdateDevice::Mode::Update);
    const QByteArray bytes = randomBytes(1000);
    QVERIFY(rig.run(bytes));
    QVERIFY2(rig.success, qPrintable(rig.message));
    QCOMPARE(rig.device.image(), bytes);
    QVERIFY(rig.logs.contains(
        QStringLiteral("Your pedals are already in update mode. Continuing with the transfer…")));
    QVERIFY(!rig.logs.contains(QStringLiteral("Switching your pedals to update mode…")));
    for (const QByteArray& w : rig.device.writes())
        QVERIFY(w.at(0) != 0x05);
    QVERIFY(rig.coordinator.targetAtResume == FakeUpdateDevice::kNormal);

    // Nothing under either identity: the usual message, normal target back.
    Rig away(FakeUpdateDevice::Mode::Away);
    QVERIFY(away.run(randomBytes(10)));
    QCOMPARE(away.message,
             QStringLiteral("We couldn't find your pedals. Please connect them with USB and try again."));
    QVERIFY(away.targetAtFinish == FakeUpdateDevice::kNormal);
    QVERIFY(away.callsAtFinish.endsWith(QStringLiteral("resume")));
}

void TestUpdateManager::badFileAndBusyStart()
{
    Rig rig;
    QSignalSpy busy(&rig.coordinator, &FakeCoordinator::upgradeBusyChanged);
    QSignalSpy finished(rig.manager.get(), &FirmwareUpdateManager::finished);
    rig.manager->startUpgrade(rig.dir.filePath("missing.bin"));
    QCOMPARE(busy.size(), 2);
    QCOMPARE(busy.at(0).at(0).toBool(), true);
    QCOMPARE(busy.at(1).at(0).toBool(), false);
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished.at(0).at(1).toString(),
             QStringLiteral("That file could not be found. Please check the path and try again."));
    QCOMPARE(rig.status.state.load(), int(UpgradeStatus::Idle));

    // While a worker exists a second start is ignored entirely.
    rig.device.enterUpdateMode = false;
    FirmwareUpdateTiming t = rig.manager->timing();
    t.searchAttempts = 100000;
    rig.manager->setTiming(t);
    const QString path = rig.writeFile(randomBytes(10));
    rig.manager->startUpgrade(path);
    QVERIFY(rig.manager->hasWorker());
    busy.clear();
    finished.clear();
    rig.manager->startUpgrade(path);
    QVERIFY(busy.isEmpty());
    QVERIFY(finished.isEmpty());
    rig.manager->cancel();
    QTRY_VERIFY_WITH_TIMEOUT(!rig.manager->hasWorker(), 10000);
}

void TestUpdateManager::destructionReleasesBusyWorker()
{
    const int before = FirmwareUpdateManager::liveWorkerCount();
    Rig rig;
    FirmwareUpdateTiming t = rig.manager->timing();
    t.switchSettleMs = 300;
    t.shutdownWaitMs = 20;
    rig.manager->setTiming(t);
    rig.manager->startUpgrade(rig.writeFile(randomBytes(100)));
    QTRY_VERIFY_WITH_TIMEOUT(rig.logs.contains(QStringLiteral("Switching your pedals to update mode…")), 10000);
    rig.manager.reset(); // the worker is still settling
    QCOMPARE(FirmwareUpdateManager::liveWorkerCount(), before + 1);
    // It finishes by itself: normal target back, coordinator resumed, thread released, and
    // nothing reported to the destroyed manager.
    QTRY_COMPARE_WITH_TIMEOUT(FirmwareUpdateManager::liveWorkerCount(), before, 10000);
    QVERIFY(rig.coordinator.calls.endsWith(QStringLiteral("resume")));
    QVERIFY(rig.coordinator.targetAtResume == FakeUpdateDevice::kNormal);
    QCOMPARE(rig.finishedCount, 0);
}

QTEST_GUILESS_MAIN(TestUpdateManager)
#include "tst_updatemanager.moc"
