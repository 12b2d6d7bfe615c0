// Fault matrix, firmware update: the pedals go away, fall silent or answer wrongly in each
// phase of an update. Faults are turned on from the worker thread itself, at the log line or
// progress step that opens the phase, so every row hits its exchange exactly. Each row checks
// the outcome and its message, that the worker ended within the waits it was given, that the
// normal identity and the coordinator are back, and that the user's profiles are untouched;
// then the user re-plugs the pedals and the tool finds them again.
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <atomic>
#include <functional>
#include <memory>

#include "app/Application.h"
#include "app/SharedRecords.h"
#include "coordination/DeviceConfigModel.h"
#include "coordination/SessionCoordinator.h"
#include "firmware/FirmwareUpdateManager.h"
#include "support/FaultMatrixSupport.h"
#include "ui/PedalsPage.h"

namespace {

constexpr int kFileSize = 600; // ten data reports, ten percent each
constexpr int kPieces = kFileSize / 60;

struct Rig
{
    Rig()
    {
        app = std::make_unique<Application>([this] {
            auto p = std::make_unique<FaultPedals>();
            sim = p.get();
            return std::unique_ptr<IHidTransport>(std::move(p));
        });
        sim->setSwitchDelayMs(30);
        sim->setRestartDelayMs(50);
        page = std::make_unique<PedalsPage>(app.get());
        manager = std::make_unique<FirmwareUpdateManager>(app.get());
        FirmwareUpdateTiming t;
        t.switchSettleMs = 20;
        t.searchAttempts = 30;
        t.searchIntervalMs = 10;
        t.startReplyMs = 60;
        t.dataReplyMs = 60;
        t.reconnectAttempts = 30;
        t.reconnectIntervalMs = 10;
        manager->setTiming(t);
        QObject::connect(manager.get(), &FirmwareUpdateManager::finished, &receiver, [this](bool ok, const QString& m) {
            ++finishedCount;
            success = ok;
            message = m;
            stateAtFinish = app->upgradeStatus->state.load();
        });
    }
    ~Rig()
    {
        manager.reset();
        page.reset();
        app.reset();
    }

    // The longest the worker may take with these timings when every wait runs out.
    int budgetMs() const
    {
        const FirmwareUpdateTiming t = manager->timing();
        const int probeReadMs = 500; // one probe that opens reads the configuration
        return t.switchSettleMs + t.searchAttempts * t.searchIntervalMs + t.tries * t.startReplyMs
            + kPieces * t.tries * t.dataReplyMs + t.reconnectAttempts * t.reconnectIntervalMs + probeReadMs;
    }

    SessionCoordinator* coord() const { return app->coordinator.get(); }
    bool connected() const { return app->linkState->connected; }
    bool consistent() const
    {
        return coord()->isScanning() != coord()->isPolling() && connected() == coord()->isPolling();
    }
    void healAndReplug()
    {
        sim->clearForcedStatuses();
        sim->setFailWrites(false);
        sim->setDropReplies(false);
        sim->setShortReplies(0);
        sim->setStayAwayAfterRestart(false);
        sim->setTelemetryRateHz(SimulatedPedals::kDefaultTelemetryRateHz);
        sim->wrongReplyIds = false;
        sim->swallowWrites = false;
        sim->unplug();
        sim->plug();
    }

    FaultPedals* sim = nullptr;
    std::unique_ptr<Application> app;
    std::unique_ptr<PedalsPage> page;
    std::unique_ptr<FirmwareUpdateManager> manager;
    QObject receiver;
    int finishedCount = 0;
    bool success = false;
    QString message;
    int stateAtFinish = -1;
};

using Fault = std::function<void(Rig&)>;
enum class Settles { Scanning, Polling };

// Where a fault is turned on: before the update starts, at the first log line starting with
// a text, or at a progress percentage.
struct Hook
{
    QString logPrefix;
    int percent = -1;
    static Hook beforeStart() { return {}; }
    static Hook atLog(const char* prefix) { return {QString::fromUtf8(prefix), -1}; }
    static Hook atPercent(int p) { return {QString(), p}; }
};

} // namespace

Q_DECLARE_METATYPE(Hook)
Q_DECLARE_METATYPE(Settles)

class TestFaultMatrixUpdate : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        registerCurvePointsMetaType();
        QVERIFY(m_profiles.create());
        QVERIFY(m_dir.isValid());
        QFile f(m_dir.filePath(QStringLiteral("quilbex_3.0.1.bin")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        QByteArray bytes(kFileSize, '\0');
        for (int i = 0; i < kFileSize; ++i)
            bytes[i] = char(i * 7 + 3);
        QCOMPARE(f.write(bytes), qint64(kFileSize));
    }

    void matrix_data();
    void matrix();

private:
    ProfileFiles m_profiles;
    QTemporaryDir m_dir;
};

void TestFaultMatrixUpdate::matrix_data()
{
    QTest::addColumn<Hook>("hook");
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<bool>("succeeds");
    QTest::addColumn<QString>("message");
    QTest::addColumn<Settles>("settles");

    const Fault unplugged = [](Rig& r) { r.sim->unplug(); };
    const Fault silent = [](Rig& r) { r.sim->setDropReplies(true); };
    const Fault mute = [](Rig& r) {
        r.sim->setDropReplies(true);
        r.sim->setTelemetryRateHz(0);
    };
    const Fault shortReplies = [](Rig& r) { r.sim->setShortReplies(2); };
    const Fault wrongIds = [](Rig& r) { r.sim->wrongReplyIds = true; };
    const Fault stayAway = [](Rig& r) { r.sim->setStayAwayAfterRestart(true); };

    const QString startFailed =
        QStringLiteral("We couldn't start the update. Please keep the USB cable connected and try again.");
    const QString noUpdateMode = QStringLiteral(
        "Your pedals didn't enter update mode in time. Unplug the USB cable, plug it back in, and try again.");
    const QString sendFailed = QStringLiteral("Couldn't send data to the device (try 5 of 5). Check the USB cable.");
    const QString noReply = QStringLiteral("The device didn't reply in time (try 5 of 5). Check the USB connection.");
    const QString paused = QStringLiteral("The update paused too long without a reply from your pedals. %1");
    const QString notBack = QStringLiteral(
        "The firmware was installed, but we couldn't reconnect to your pedals in time.\n\nPlease unplug the USB "
        "cable, plug it back in, then open this page again if needed.");

    QTest::newRow("before start/unplugged")
        << Hook::beforeStart() << unplugged << false
        << "We couldn't find your pedals. Please connect them with USB and try again." << Settles::Scanning;

    const Hook switching = Hook::atLog("Switching your pedals to update mode");
    QTest::newRow("switch/unplugged") << switching << unplugged << false << startFailed << Settles::Scanning;
    QTest::newRow("switch/silent, command ignored")
        << switching << Fault([](Rig& r) { r.sim->swallowWrites = true; }) << false << noUpdateMode << Settles::Polling;
    QTest::newRow("switch/command refused")
        << switching << Fault([](Rig& r) { r.sim->setFailWrites(true); }) << false << startFailed << Settles::Polling;

    const Hook waiting = Hook::atLog("Waiting for your pedals to appear in update mode");
    QTest::newRow("wait/unplugged") << waiting << unplugged << false << noUpdateMode << Settles::Scanning;
    QTest::newRow("wait/silent, never reappears")
        << switching << stayAway << false << noUpdateMode << Settles::Scanning;
    QTest::newRow("wait/back as normal pedals") << waiting << Fault([](Rig& r) {
        r.sim->unplug();
        r.sim->plug();
    }) << false << noUpdateMode << Settles::Polling;

    const Hook starting = Hook::atLog("Preparing the update");
    QTest::newRow("start/unplugged") << starting << unplugged << false << sendFailed << Settles::Scanning;
    QTest::newRow("start/silent") << starting << silent << false << noReply << Settles::Scanning;
    QTest::newRow("start/short replies") << starting << shortReplies << false << noReply << Settles::Scanning;
    QTest::newRow("start/wrong report ids") << starting << wrongIds << false << noReply << Settles::Scanning;
    QTest::newRow("start/refused 0xF003")
        << starting << Fault([](Rig& r) { r.sim->forceStartStatus(0xF003); }) << false
        << "Your pedals couldn't accept this firmware file: The device couldn't prepare its storage for the update"
        << Settles::Scanning;
    QTest::newRow("start/status 0") << starting << Fault([](Rig& r) { r.sim->forceStartStatus(0); }) << false
                                    << "The update stopped unexpectedly right after it started. Please try again."
                                    << Settles::Scanning;

    const Hook midData = Hook::atPercent(30);
    QTest::newRow("data/unplugged") << midData << unplugged << false << paused.arg(sendFailed) << Settles::Scanning;
    QTest::newRow("data/silent") << midData << silent << false << paused.arg(noReply) << Settles::Scanning;
    QTest::newRow("data/short replies") << midData << shortReplies << false << paused.arg(noReply) << Settles::Scanning;
    QTest::newRow("data/wrong report ids") << midData << wrongIds << false << paused.arg(noReply) << Settles::Scanning;
    QTest::newRow("data/problem 0xF001")
        << midData << Fault([](Rig& r) { r.sim->forceDataStatus(4, 0xF001); }) << false
        << "Your pedals reported a problem during the update: This firmware file doesn't fit or isn't valid for "
           "your pedals"
        << Settles::Scanning;
    QTest::newRow("data/repeats its expectation")
        << midData << Fault([](Rig& r) { r.sim->forceDataStatus(4, 4); }) << false
        << "The update lost sync with your pedals. Please try again from the beginning." << Settles::Scanning;

    // The last report: the pedals install and restart on their own even when the reply is
    // lost, so the retries then meet a closed interface.
    const Hook last = Hook::atPercent(90);
    QTest::newRow("final/unplugged") << last << unplugged << false << paused.arg(sendFailed) << Settles::Scanning;
    QTest::newRow("final/silent") << last << silent << false << paused.arg(sendFailed) << Settles::Polling;
    QTest::newRow("final/wrong report ids") << last << wrongIds << false << paused.arg(sendFailed) << Settles::Polling;
    QTest::newRow("final/unconfirmed") << last << Fault([](Rig& r) { r.sim->forceDataStatus(kPieces, 5); }) << false
                                       << "The device didn't confirm the update finished cleanly. Device status "
                                          "code 0x0005"
                                       << Settles::Polling;

    const Hook installed = Hook::atLog("Firmware installed.");
    QTest::newRow("reconnect/unplugged") << installed << unplugged << false << notBack << Settles::Scanning;
    QTest::newRow("reconnect/stays away")
        << Hook::atLog("Installing firmware") << stayAway << false << notBack << Settles::Scanning;
    // Opening is what the reconnect waits for; a failed configuration read is not fatal.
    QTest::newRow("reconnect/mute") << installed << mute << true << QString() << Settles::Scanning;
    QTest::newRow("reconnect/short replies")
        << installed << Fault([](Rig& r) { r.sim->setShortReplies(20); }) << true << QString() << Settles::Polling;
}

void TestFaultMatrixUpdate::matrix()
{
    QFETCH(Hook, hook);
    QFETCH(Fault, fault);
    QFETCH(bool, succeeds);
    QFETCH(QString, message);
    QFETCH(Settles, settles);

    const int workersBefore = FirmwareUpdateManager::liveWorkerCount();
    Rig rig;
    rig.coord()->requestConnect();
    QVERIFY(rig.coord()->isPolling());
    QSignalSpy busy(rig.coord(), &SessionCoordinator::upgradeBusyChanged);

    // Faults are turned on in the worker thread, before it goes on with the exchange.
    std::atomic<bool> fired{false};
    auto fire = [&] {
        if (!fired.exchange(true))
            fault(rig);
    };
    if (!hook.logPrefix.isEmpty()) {
        QObject::connect(
            rig.manager.get(), &FirmwareUpdateManager::logLine, &rig.receiver,
            [&](const QString& line) {
                if (line.startsWith(hook.logPrefix))
                    fire();
            },
            Qt::DirectConnection);
    } else if (hook.percent >= 0) {
        QObject::connect(
            rig.manager.get(), &FirmwareUpdateManager::progressChanged, &rig.receiver,
            [&](int percent) {
                if (percent == hook.percent)
                    fire();
            },
            Qt::DirectConnection);
    } else {
        fire();
        QTRY_VERIFY_WITH_TIMEOUT(rig.coord()->isScanning() && !rig.connected(), 5000);
    }

    QElapsedTimer clock;
    clock.start();
    rig.manager->startUpgrade(m_dir.filePath(QStringLiteral("quilbex_3.0.1.bin")));
    QTRY_VERIFY_WITH_TIMEOUT(rig.finishedCount == 1 && !rig.manager->hasWorker(), 30000);
    const qint64 elapsed = clock.elapsed();
    QVERIFY(fired.load());
    QVERIFY2(elapsed <= rig.budgetMs() + 2000,
             qPrintable(QStringLiteral("took %1 ms of %2").arg(elapsed).arg(rig.budgetMs())));

    QCOMPARE(rig.success, succeeds);
    QCOMPARE(rig.message, message);
    QCOMPARE(rig.stateAtFinish, int(succeeds ? UpgradeStatus::Installed : UpgradeStatus::Failed));
    QCOMPARE(rig.app->upgradeStatus->state.load(), int(UpgradeStatus::Idle));
    QVERIFY(!busy.isEmpty());
    QCOMPARE(busy.last().at(0).toBool(), false);
    QTRY_COMPARE_WITH_TIMEOUT(FirmwareUpdateManager::liveWorkerCount(), workersBefore, 5000);

    // The pedals' normal identity is the target again and the coordinator owns the link.
    QVERIFY(rig.sim->targetIsNormal());
    QVERIFY(!rig.coord()->isPausedForFirmwareTransfer());
    if (settles == Settles::Scanning)
        QTRY_VERIFY_WITH_TIMEOUT(rig.coord()->isScanning() && !rig.connected(), 5000);
    else
        QTRY_VERIFY_WITH_TIMEOUT(rig.coord()->isPolling() && rig.connected(), 5000);
    QVERIFY(rig.consistent());
    QVERIFY(m_profiles.intact());

    // The user re-plugs the pedals (the recovery the messages ask for): found and polled.
    rig.healAndReplug();
    QTRY_VERIFY_WITH_TIMEOUT(rig.coord()->isPolling() && rig.connected(), 5000);
    QVERIFY(rig.consistent());
    QVERIFY(m_profiles.intact());
}

QTEST_MAIN(TestFaultMatrixUpdate)
#include "tst_faultmatrix_update.moc"
