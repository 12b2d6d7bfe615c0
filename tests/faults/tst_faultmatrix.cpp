// Fault matrices: the pedals go away, fall silent or answer wrongly during each exchange of a
// session and in each phase of a firmware update. Every row checks that the request ends
// within its waits, that the coordinator settles consistently, that nothing reaches the pedals'
// flash, and that the link comes back once the pedals behave again.
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QtTest>
#include <atomic>

#include "device/ConfigBlock.h"
#include "device/QuilbexProtocolV1.h"
#include "support/LogCapture.h"
#include "support/UpdateRig.h"
#include "ui/PedalsPage.h"

namespace {

// Virtual pedals that take a write without acting on it, like firmware ignoring its host.
class FaultPedals : public SimulatedPedals
{
public:
    std::atomic<bool> swallowWrites{false};
    bool writeReport(const QByteArray& r) override
    {
        return swallowWrites ? isOpen() : SimulatedPedals::writeReport(r);
    }
};

// A stall of a few milliseconds (sanitizer builds, a busy machine) lets a 1000 Hz feed queue
// enough reports ahead of a reply to use up the read attempts of a healthy exchange.
constexpr int kTelemetryRateHz = 100;
constexpr int kSlackMs = 2000; // scheduling on a loaded machine; a hang is far beyond it
constexpr int kPieces = 10;    // of the firmware image, ten percent each
const char* const kNotBack = "The firmware was installed, but we couldn't reconnect to your pedals in time.\n\nPlease "
                             "unplug the USB cable, plug it back in, then open this page again if needed.";
enum class Settles { Scanning, Polling };
enum class Exchange { Connect, ReadConfig, WriteConfig, WritePedal };

struct Rig : UpdateRig<FaultPedals>
{
    Rig() { sim->setTelemetryRateHz(kTelemetryRateHz); }
    ConfigBlock::Bytes model() const { return ConfigBlock::encode(*app->config, app->config->ver); }
    // Scanning without a link or polling with one, never both and never neither.
    bool settled(Settles s) const
    {
        const bool polls = s == Settles::Polling;
        return coord()->isPolling() == polls && coord()->isScanning() != polls && connected() == polls;
    }
    // Every fault off (and the pedals re-plugged): found and polled again without help.
    bool recovers(bool replug)
    {
        sim->swallowWrites = false;
        sim->unplugAtWrite(0);
        sim->clearForcedStatuses();
        sim->setFailWrites(false);
        sim->setDropReplies(false);
        sim->setShortReplies(0);
        sim->setRejectConfigCrc(false);
        sim->setStayAwayAfterRestart(false);
        sim->setTelemetryRateHz(kTelemetryRateHz);
        if (replug)
            sim->unplug();
        sim->plug();
        return QTest::qWaitFor([this] { return settled(Settles::Polling); }, 5000);
    }
    void request(Exchange exchange)
    {
        switch (exchange) {
        case Exchange::Connect: coord()->requestConnect(); break;
        case Exchange::ReadConfig: coord()->requestReadConfig(); break;
        case Exchange::WriteConfig: coord()->requestWriteConfig(); break;
        case Exchange::WritePedal: coord()->requestWritePedalParams(1); break;
        }
    }
    PedalsPage page{app.get()};
};
using Fault = std::function<void(Rig&)>;

const Fault unplugged = [](Rig& r) { r.sim->unplug(); };
const Fault silent = [](Rig& r) { r.sim->setDropReplies(true); };
const Fault mute = [](Rig& r) { r.sim->setDropReplies(true), r.sim->setTelemetryRateHz(0); };
const Fault stayAway = [](Rig& r) { r.sim->setStayAwayAfterRestart(true); };
const Fault swallowWrites = [](Rig& r) { r.sim->swallowWrites = true; };
const Fault failWrites = [](Rig& r) { r.sim->setFailWrites(true); };
const Fault replugged = [](Rig& r) { r.sim->unplug(), r.sim->plug(); };
const Fault cancel = [](Rig& r) { r.manager->cancel(); };
const Fault rejectCrc = [](Rig& r) { r.sim->setRejectConfigCrc(true); };
const auto shortReplies = [](int bytes) { return Fault([bytes](Rig& r) { r.sim->setShortReplies(bytes); }); };
const auto unplugAtWrite = [](int n) { return Fault([n](Rig& r) { r.sim->unplugAtWrite(n); }); };
const auto startStatus = [](int s) { return Fault([s](Rig& r) { r.sim->forceStartStatus(s); }); };
const auto dataStatus = [](int k, quint16 s) { return Fault([k, s](Rig& r) { r.sim->forceDataStatus(k, s); }); };

} // namespace

Q_DECLARE_METATYPE(Exchange)
Q_DECLARE_METATYPE(Settles)

class TestFaultMatrix : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { registerCurvePointsMetaType(); }
    void init()
    {
        g_log.clear();
        qInstallMessageHandler(captureHandler);
    }
    void cleanup() { qInstallMessageHandler(nullptr); }

    void session_data()
    {
        QTest::addColumn<Exchange>("exchange");
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<QString>("logLine"); // a line the failure must leave, empty for none
        QTest::addColumn<Settles>("settles");
        const auto row = [](const QByteArray& tag, Exchange e, const Fault& f, const QString& line, Settles s) {
            QTest::newRow(tag.constData()) << e << f << line << s;
        };
        const auto S = Settles::Scanning, P = Settles::Polling;
        const QString readFailed("[Scan] readFullConfig failed (non-fatal)");
        const QString requestFailed("[readFullConfig] writeReport failed on chunk 0");
        row("connect/unplugged", Exchange::Connect, unplugged, "[Scan] device not found", S);
        row("connect/unplugged at read request", Exchange::Connect, unplugAtWrite(1), requestFailed, S);
        row("connect/silent", Exchange::Connect, silent, readFailed, P);
        row("connect/mute, no telemetry", Exchange::Connect, mute, readFailed, S);
        row("read/unplugged", Exchange::ReadConfig, unplugged, requestFailed, S);
        row("read/silent", Exchange::ReadConfig, silent, QString(), P);
        row("read/short replies", Exchange::ReadConfig, shortReplies(20),
            "[readFullConfig] short reply ignored on chunk 0 size= 20", P);
        for (const Exchange e : {Exchange::WriteConfig, Exchange::WritePedal}) {
            const QByteArray n(e == Exchange::WriteConfig ? "write all" : "write pedal");
            const QString failed = e == Exchange::WriteConfig ? "[WriteConfig] failed — resuming poll"
                                                              : "[WritePedalParams] failed — resuming poll";
            const QString noAck("[writeFullConfig] no ACK for chunk 0");
            row(n + "/unplugged at chunk 0", e, unplugAtWrite(1), failed, S);
            row(n + "/unplugged at chunk 1", e, unplugAtWrite(2), failed, S);
            row(n + "/silent", e, silent, noAck, P);
            row(n + "/one-byte replies", e, shortReplies(1), noAck, P);
            row(n + "/CRC rejected", e, rejectCrc, "[writeFullConfig] CRC mismatch — firmware rejected config", P);
        }
    }

    void session()
    {
        QFETCH(Exchange, exchange);
        QFETCH(Fault, fault);
        QFETCH(QString, logLine);
        QFETCH(Settles, settles);
        Rig rig;
        QSignalSpy links(rig.coord(), &SessionCoordinator::deviceConnectedChanged);
        if (exchange != Exchange::Connect) {
            QVERIFY(rig.connectNow());
            QCOMPARE(rig.model(), rig.sim->flashBlock());
        }
        const ConfigBlock::Bytes modelBefore = rig.model();
        const ConfigBlock::Bytes flashBefore = rig.sim->flashBlock();
        const QString versionBefore = rig.app->linkState->firmwareVersionText;
        const bool pollingBefore = rig.coord()->isPolling();
        g_log.clear();

        fault(rig);
        QElapsedTimer clock;
        clock.start();
        rig.request(exchange);
        // Two chunks, each waited for at most its reply time.
        const bool write = exchange == Exchange::WriteConfig || exchange == Exchange::WritePedal;
        const int budgetMs = 2 * (write ? QuilbexProtocolV1::kAckWaitMs : QuilbexProtocolV1::kReadWaitMs) + kSlackMs;
        QVERIFY2(clock.elapsed() <= budgetMs, qPrintable(QStringLiteral("took %1 ms").arg(clock.elapsed())));
        if (!logLine.isEmpty())
            QVERIFY2(g_log.contains(logLine), qPrintable(g_log.join(QLatin1Char('\n'))));
        // A failed write resumes polling at once; a failed read leaves the timers alone.
        if (exchange != Exchange::Connect)
            QCOMPARE(rig.coord()->isPolling(), pollingBefore);
        QTRY_VERIFY_WITH_TIMEOUT(rig.settled(settles), 5000);
        if (!links.isEmpty())
            QCOMPARE(links.last().at(0).toBool(), rig.connected());

        // Nothing decoded from a failed read, nothing stored by a failed write.
        QCOMPARE(rig.model(), modelBefore);
        QCOMPARE(rig.app->linkState->firmwareVersionText, versionBefore);
        QCOMPARE(rig.sim->flashBlock(), flashBefore);
        QCOMPARE(rig.sim->restartCount(), 0);

        QVERIFY(rig.recovers(false));
        rig.coord()->requestReadConfig();
        QCOMPARE(rig.model(), rig.sim->flashBlock());
    }

    // A write that succeeded but whose restart never ends: the link stays marked connected while
    // the coordinator scans, and nothing polls a device that is not there.
    void pedalsStayAwayAfterWrite()
    {
        for (const Exchange exchange : {Exchange::WriteConfig, Exchange::WritePedal}) {
            Rig rig;
            QVERIFY(rig.connectNow());
            stayAway(rig);
            g_log.clear();
            rig.request(exchange);
            QTRY_COMPARE_WITH_TIMEOUT(rig.sim->restartCount(), 1, 3000);
            QTRY_VERIFY_WITH_TIMEOUT(g_log.count(QStringLiteral("[Scan] device not found")) >= 2, 5000);
            QVERIFY(rig.coord()->isScanning() && !rig.coord()->isPolling());
            QVERIFY(rig.connected());
            QVERIFY(rig.recovers(false));
            QCOMPARE(rig.model(), rig.sim->flashBlock());
        }
    }

    void update_data()
    {
        QTest::addColumn<QString>("hook"); // log line opening the phase; empty: before the start
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<QString>("message"); // empty: the update succeeds
        QTest::addColumn<Settles>("settles");
        const auto row = [](const char* tag, const char* hook, const Fault& f, const QString& message, Settles s) {
            QTest::newRow(tag) << QString::fromUtf8(hook) << f << message << s;
        };
        const auto S = Settles::Scanning, P = Settles::Polling;
        const QString startFailed("We couldn't start the update. Please keep the USB cable connected and try again.");
        const QString noUpdateMode(
            "Your pedals didn't enter update mode in time. Unplug the USB cable, plug it back in, and try again.");
        const QString sendFailed("Couldn't send data to the device (try 5 of 5). Check the USB cable.");
        const QString noReply("The device didn't reply in time (try 5 of 5). Check the USB connection.");
        const QString paused("The update paused too long without a reply from your pedals. %1");
        const QString lostSync("The update lost sync with your pedals. Please try again from the beginning.");

        row("before start/unplugged", "", unplugged,
            "We couldn't find your pedals. Please connect them with USB and try again.", S);
        const char* switching = "Switching your pedals to update mode";
        row("switch/unplugged", switching, unplugged, startFailed, S);
        row("switch/command ignored", switching, swallowWrites, noUpdateMode, P);
        row("switch/command refused", switching, failWrites, startFailed, P);
        const char* waiting = "Waiting for your pedals to appear in update mode";
        row("wait/unplugged", waiting, unplugged, noUpdateMode, S);
        row("wait/never reappears", switching, stayAway, noUpdateMode, S);
        row("wait/back as normal pedals", waiting, replugged, noUpdateMode, P);
        row("wait/canceled", waiting, cancel, "Update canceled while waiting for update mode.", S);
        const char* starting = "Preparing the update";
        row("start/unplugged", starting, unplugged, sendFailed, S);
        row("start/silent", starting, silent, noReply, S);
        row("start/refused 0xF003", starting, startStatus(0xF003),
            "Your pedals couldn't accept this firmware file: The device couldn't prepare its storage for the update",
            S);
        row("start/status 0", starting, startStatus(0),
            "The update stopped unexpectedly right after it started. Please try again.", S);
        const char* midData = "Installing… 30% complete";
        row("data/unplugged", midData, unplugged, paused.arg(sendFailed), S);
        row("data/silent", midData, silent, paused.arg(noReply), S);
        row("data/problem 0xF0AB", midData, dataStatus(4, 0xF0AB),
            "Your pedals reported a problem during the update: Unexpected device response (0xf0ab)", S);
        row("data/repeats its expectation", midData, dataStatus(4, 4), lostSync, S);
        row("data/completed too early", midData, dataStatus(4, 0xF000), lostSync, S);
        // The last report: the pedals install and restart on their own even when the reply is lost,
        // so the retries then meet a closed interface.
        const char* last = "Installing… 90% complete";
        row("final/unplugged", last, unplugged, paused.arg(sendFailed), S);
        row("final/silent", last, silent, paused.arg(sendFailed), P);
        row("final/unconfirmed", last, dataStatus(kPieces, 5),
            "The device didn't confirm the update finished cleanly. Device status code 0x0005", P);
        const char* installed = "Firmware installed.";
        row("reconnect/unplugged", installed, unplugged, kNotBack, S);
        row("reconnect/stays away", "Installing firmware", stayAway, kNotBack, S);
        // Opening is what the reconnect waits for; a failed configuration read is not fatal.
        row("reconnect/mute", installed, mute, QString(), S);
        row("reconnect/short replies", installed, shortReplies(20), QString(), P);
    }

    // A fault is turned on from the worker thread at the log line that opens its phase, so every
    // row hits its exchange exactly.
    void update()
    {
        QFETCH(QString, hook);
        QFETCH(Fault, fault);
        QFETCH(QString, message);
        QFETCH(Settles, settles);
        const bool succeeds = message.isEmpty();
        const int workersBefore = FirmwareUpdateManager::liveWorkerCount();
        Rig rig;
        QVERIFY(rig.connectNow());
        QSignalSpy busy(rig.coord(), &SessionCoordinator::upgradeBusyChanged);
        std::atomic<bool> fired{hook.isEmpty()};
        rig.onLog = [&](const QString& line) {
            if (line.startsWith(hook) && !fired.exchange(true))
                fault(rig);
        };
        if (hook.isEmpty()) {
            fault(rig);
            QTRY_VERIFY_WITH_TIMEOUT(rig.settled(Settles::Scanning), 5000);
        }

        QElapsedTimer clock;
        clock.start();
        QVERIFY(rig.run(randomBytes(kPieces * 60)));
        QVERIFY(fired.load());
        const FirmwareUpdateTiming t = rig.manager->timing();
        const int budgetMs = t.switchSettleMs + t.searchAttempts * t.searchIntervalMs + t.tries * t.startReplyMs
            + kPieces * t.tries * t.dataReplyMs + t.reconnectAttempts * t.reconnectIntervalMs + kSlackMs;
        QVERIFY2(clock.elapsed() <= budgetMs, qPrintable(QStringLiteral("took %1 ms").arg(clock.elapsed())));

        QCOMPARE(rig.finishedCount, 1);
        QCOMPARE(rig.success, succeeds);
        QCOMPARE(rig.message, message);
        QCOMPARE(rig.stateAtFinish, int(succeeds ? UpgradeStatus::Installed : UpgradeStatus::Failed));
        QCOMPARE(rig.app->upgradeStatus->state.load(), int(UpgradeStatus::Idle));
        // A failure is logged and kept, except a failed reconnect after a good install.
        const bool kept = !succeeds && message != kNotBack;
        QCOMPARE(rig.app->upgradeStatus->lastError, kept ? message : QString());
        QCOMPARE(rig.logs.last() == message, kept);
        QVERIFY(!busy.isEmpty() && !busy.last().at(0).toBool()); // the window may offer the update again
        QTRY_COMPARE_WITH_TIMEOUT(FirmwareUpdateManager::liveWorkerCount(), workersBefore, 5000);
        // The coordinator owns the link again; re-plugged, the pedals are found as normal pedals.
        QVERIFY(!rig.coord()->isPausedForFirmwareTransfer());
        QTRY_VERIFY_WITH_TIMEOUT(rig.settled(settles), 5000);
        QVERIFY(rig.recovers(true)); // the recovery the messages ask for
    }
};

QTEST_MAIN(TestFaultMatrix)
#include "tst_faultmatrix.moc"
