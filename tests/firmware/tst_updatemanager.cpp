// The update end to end: Application with its coordinator and protocol, virtual pedals on the bus.
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <memory>

#include "app/Application.h"
#include "coordination/SessionCoordinator.h"
#include "device/sim/SimulatedPedals.h"
#include "firmware/BootloaderProtocol.h"
#include "firmware/FirmwareUpdateManager.h"

struct Rig
{
    Rig()
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
        t.searchAttempts = 50;
        t.searchIntervalMs = 10;
        t.startReplyMs = 60;
        t.dataReplyMs = 60;
        t.reconnectAttempts = 30;
        t.reconnectIntervalMs = 10;
        manager->setTiming(t);
        QObject::connect(manager.get(), &FirmwareUpdateManager::logLine, &receiver, [this](const QString& l) {
            logs << l;
            if (onLog)
                onLog(l);
        });
        QObject::connect(manager.get(), &FirmwareUpdateManager::progressChanged, &receiver,
                         [this](int p) { progress << p; });
        QObject::connect(manager.get(), &FirmwareUpdateManager::finished, &receiver, [this](bool ok, const QString& m) {
            ++finishedCount;
            success = ok;
            message = m;
            stateAtFinish = app->upgradeStatus->state.load();
        });
    }
    void setTiming(const std::function<void(FirmwareUpdateTiming&)>& change)
    {
        FirmwareUpdateTiming t = manager->timing();
        change(t);
        manager->setTiming(t);
    }
    QString writeFile(const QByteArray& bytes)
    {
        const QString path = dir.filePath(QStringLiteral("quilbex_3.0.1.bin"));
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() ? path : QString();
    }
    bool run(const QByteArray& bytes)
    {
        if (!QTest::qWaitFor([this] { return app->linkState->connected; }, 10000))
            return false;
        const int before = finishedCount;
        manager->startUpgrade(writeFile(bytes));
        return QTest::qWaitFor([&] { return finishedCount > before && !manager->hasWorker(); }, 60000);
    }
    // The coordinator scans again and the transport looks for the normal identity.
    bool handedBack() const
    {
        return (app->coordinator->isScanning() || app->coordinator->isPolling())
            && sim->findDevice() != SimulatedPedals::kUpdatePath;
    }

    QTemporaryDir dir;
    SimulatedPedals* sim = nullptr;
    std::unique_ptr<Application> app;
    std::unique_ptr<FirmwareUpdateManager> manager;
    QObject receiver;
    std::function<void(const QString&)> onLog;
    QStringList logs;
    QList<int> progress;
    int finishedCount = 0;
    bool success = false;
    QString message;
    int stateAtFinish = -1;
};

static QByteArray randomBytes(int n)
{
    QByteArray b(n, '\0');
    for (char& c : b)
        c = char(QRandomGenerator::global()->bounded(256));
    return b;
}

class TestUpdateManager : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fullTransfer();
    void progressAndLogThresholds_data();
    void progressAndLogThresholds();
    void failures_data();
    void failures();
    void recoversFromUpdateMode();
    void quitDuringEachPhase_data();
    void quitDuringEachPhase();
};

void TestUpdateManager::fullTransfer()
{
    Rig rig;
    QSignalSpy busy(rig.app->coordinator.get(), &SessionCoordinator::upgradeBusyChanged);
    const QByteArray bytes = randomBytes(55296);
    QVERIFY(rig.run(bytes));
    QVERIFY2(rig.success, qPrintable(rig.message));
    QCOMPARE(rig.stateAtFinish, int(UpgradeStatus::Installed));
    QCOMPARE(rig.sim->receivedFirmware(), bytes);
    QCOMPARE(rig.app->upgradeStatus->crc, Bootloader::crc16(bytes));
    QVERIFY(rig.app->linkState->connected);
    QCOMPARE(rig.app->upgradeStatus->state.load(), int(UpgradeStatus::Idle));
    QCOMPARE(busy.last().at(0).toBool(), false);
    QCOMPARE(rig.logs.last(), QStringLiteral("Your pedals are connected again."));
}

void TestUpdateManager::progressAndLogThresholds_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QList<int>>("logged");
    QList<int> every5{1, 6, 11, 16, 21, 26, 31, 36, 41, 46, 51, 56, 61, 66, 71, 76, 81, 86, 91, 96, 99, 100};
    QTest::newRow("6,000 bytes") << 6000 << every5;
    QTest::newRow("60 bytes: one report") << 60 << QList<int>{100};
    QTest::newRow("61 bytes: two reports") << 61 << QList<int>{98, 100};
}

void TestUpdateManager::progressAndLogThresholds()
{
    QFETCH(int, size);
    QFETCH(QList<int>, logged);
    Rig rig;
    QVERIFY(rig.run(randomBytes(size)));
    QVERIFY(rig.success);
    QCOMPARE(rig.progress.size(), (size + 59) / 60);
    QCOMPARE(rig.progress.last(), 100);
    QStringList expected;
    for (int p : logged)
        expected << QStringLiteral("Installing… %1% complete").arg(p);
    QCOMPARE(rig.logs.filter(QStringLiteral("% complete")), expected);
}

void TestUpdateManager::failures_data()
{
    using Setup = std::function<void(Rig&)>;
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<QString>("message");

    QTest::newRow("command not written") << Setup([](Rig& r) {
        r.sim->setFailWrites(true);
    }) << "We couldn't start the update. Please keep the USB cable connected and try again.";
    QTest::newRow("never in update mode")
        << Setup([](Rig& r) { r.sim->setStayAwayAfterRestart(true); })
        << "Your pedals didn't enter update mode in time. Unplug the USB cable, plug it back in, and try again.";
    QTest::newRow("canceled while waiting") << Setup([](Rig& r) {
        r.sim->setStayAwayAfterRestart(true);
        r.setTiming([](FirmwareUpdateTiming& t) { t.searchAttempts = 1000000; }); // only the cancel ends it
        r.onLog = [&r](const QString& l) {
            if (l.startsWith("Waiting for"))
                r.manager->cancel();
        };
    }) << "Update canceled while waiting for update mode.";
    QTest::newRow("start refused")
        << Setup([](Rig& r) { r.sim->forceStartStatus(0xF002); })
        << "Your pedals couldn't accept this firmware file: The device couldn't confirm the firmware after "
           "installation";
    QTest::newRow("start reply 2") << Setup([](Rig& r) { r.sim->forceStartStatus(2); })
                                   << "The update stopped unexpectedly right after it started. Please try again.";
    QTest::newRow("reply k to report k") << Setup([](Rig& r) {
        r.sim->forceDataStatus(3, 3);
    }) << "The update lost sync with your pedals. Please try again from the beginning.";
    QTest::newRow("0xF000 too early") << Setup([](Rig& r) { r.sim->forceDataStatus(2, 0xF000); })
                                      << "The update lost sync with your pedals. Please try again from the beginning.";
    QTest::newRow("0xF0AB during data") << Setup([](Rig& r) {
        r.sim->forceDataStatus(2, 0xF0AB);
    }) << "Your pedals reported a problem during the update: Unexpected device response (0xf0ab)";
    QTest::newRow("last report unconfirmed")
        << Setup([](Rig& r) { r.sim->forceDataStatus(10, 5); })
        << "The device didn't confirm the update finished cleanly. Device status code 0x0005";
    QTest::newRow("replies stop")
        << Setup([](Rig& r) {
               r.sim->setReplyLatencyUs(50000); // slow enough for the GUI thread to cut replies mid-transfer
               r.setTiming([](FirmwareUpdateTiming& t) { t.dataReplyMs = 200; });
               r.onLog = [&r](const QString& l) {
                   if (l == "Installing firmware…")
                       r.sim->setDropReplies(true);
               };
           })
        << "The update paused too long without a reply from your pedals. The device didn't reply in time (try 5 "
           "of 5). Check the USB connection.";
    QTest::newRow("never back")
        << Setup([](Rig& r) {
               r.onLog = [&r](const QString& l) {
                   if (l.startsWith("Firmware installed."))
                       r.sim->unplug();
               };
           })
        << "The firmware was installed, but we couldn't reconnect to your pedals in time.\n\nPlease unplug the USB "
           "cable, plug it back in, then open this page again if needed.";
}

void TestUpdateManager::failures()
{
    QFETCH(std::function<void(Rig&)>, setup);
    QFETCH(QString, message);
    Rig rig;
    setup(rig);
    QVERIFY(rig.run(randomBytes(600))); // ten data reports
    QCOMPARE(rig.finishedCount, 1);
    QCOMPARE(rig.message, message);
    QCOMPARE(rig.stateAtFinish, int(UpgradeStatus::Failed));
    QCOMPARE(rig.app->upgradeStatus->state.load(), int(UpgradeStatus::Idle));
    QVERIFY(rig.handedBack());
    // Only the reconnect failure, after a good install, is neither logged nor stored.
    const bool installed = message.startsWith("The firmware was installed");
    QCOMPARE(rig.logs.last() == message, !installed);
    QCOMPARE(rig.app->upgradeStatus->lastError, installed ? QString() : message);
}

void TestUpdateManager::recoversFromUpdateMode()
{
    // An interrupted update leaves the pedals in update mode, away from the normal identity.
    Rig rig;
    rig.sim->forceDataStatus(5, 0xF004);
    QVERIFY(rig.run(randomBytes(3000)));
    QCOMPARE(rig.sim->mode(), SimulatedPedals::Mode::Update);
    QVERIFY(!rig.app->linkState->connected);

    rig.sim->clearForcedStatuses();
    const QByteArray bytes = randomBytes(3000);
    rig.manager->startUpgrade(rig.writeFile(bytes));
    QTRY_VERIFY_WITH_TIMEOUT(rig.finishedCount == 2 && !rig.manager->hasWorker(), 30000);
    QVERIFY2(rig.success, qPrintable(rig.message));
    QVERIFY(rig.logs.contains("Your pedals are already in update mode. Continuing with the transfer…"));
    QCOMPARE(rig.sim->receivedFirmware(), bytes);
    QVERIFY(rig.app->linkState->connected);

    // Nothing under either identity: the usual message, normal identity back.
    rig.sim->unplug();
    rig.app->coordinator->setConnected(false);
    rig.app->transport->close();
    rig.manager->startUpgrade(rig.writeFile(bytes));
    QTRY_VERIFY_WITH_TIMEOUT(rig.finishedCount == 3 && !rig.manager->hasWorker(), 30000);
    QCOMPARE(rig.message, QStringLiteral("We couldn't find your pedals. Please connect them with USB and try again."));
    rig.sim->plug();
    QVERIFY(rig.handedBack());
}

void TestUpdateManager::quitDuringEachPhase_data()
{
    using Setup = std::function<void(Rig&)>;
    QTest::addColumn<QString>("phase"); // the log line that begins it
    QTest::addColumn<int>("boundMs");
    QTest::addColumn<bool>("released"); // the wait is shorter than the phase
    QTest::addColumn<Setup>("hold");    // keeps the update in the phase
    const auto row = [](const char* tag, const char* phase, int boundMs, bool released, const Setup& hold) {
        QTest::newRow(tag) << phase << boundMs << released << hold;
    };
    row("settle", "Switching your pedals to update mode", 1000, false,
        [](Rig& r) { r.setTiming([](FirmwareUpdateTiming& t) { t.switchSettleMs = 600000; }); });
    row("waiting for update mode", "Waiting for your pedals", 1000, false, [](Rig& r) {
        r.sim->setStayAwayAfterRestart(true);
        r.setTiming([](FirmwareUpdateTiming& t) { t.searchAttempts = 1000000; });
    });
    const Setup silentStart = [](Rig& r) {
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

void TestUpdateManager::quitDuringEachPhase()
{
    QFETCH(std::function<void(Rig&)>, hold);
    QFETCH(QString, phase);
    QFETCH(int, boundMs);
    QFETCH(bool, released);
    const int before = FirmwareUpdateManager::liveWorkerCount();
    Rig rig;
    QTRY_VERIFY_WITH_TIMEOUT(rig.app->linkState->connected, 10000);
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
        QVERIFY(rig.handedBack());
    }
    QCOMPARE(rig.finishedCount, 0);
    rig.app.reset(); // what the worker used goes only now; a later touch would be caught
}

QTEST_GUILESS_MAIN(TestUpdateManager)
#include "tst_updatemanager.moc"
