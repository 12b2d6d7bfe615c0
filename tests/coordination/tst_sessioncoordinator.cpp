#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <deque>

#include "app/SharedRecords.h"
#include "coordination/DeviceConfigModel.h"
#include "coordination/SessionCoordinator.h"
#include "device/IQuilbexProtocol.h"
#include "support/AttachableTransport.h"
#include "support/LogCapture.h"

namespace {

// Scripted protocol: configuration reads and writes succeed while the transport is open
// unless told otherwise; telemetry results can be queued.
class FakeProtocol : public IQuilbexProtocol
{
public:
    explicit FakeProtocol(AttachableTransport* t) : transport(t) {}
    AttachableTransport* transport;
    bool readSucceeds = true;
    bool writeSucceeds = true;
    int reads = 0;
    int writes = 0;
    std::deque<bool> runtimeResults;

    bool readFullConfig(DeviceConfigModel*) override
    {
        ++reads;
        return readSucceeds && transport->opened;
    }
    bool writeFullConfig(const DeviceConfigModel*) override
    {
        ++writes;
        return writeSucceeds && transport->opened;
    }
    bool readRuntime(PedalRuntimeState* out) override
    {
        bool ok = transport->opened;
        if (!runtimeResults.empty()) {
            ok = runtimeResults.front();
            runtimeResults.pop_front();
        }
        if (ok)
            out->raw[0] = qint16(out->raw[0] + 1);
        return ok;
    }
    bool enterUpdateMode() override { return false; }
};

struct Rig
{
    DeviceLinkState link;
    DeviceConfigModel config;
    PedalRuntimeState runtime;
    UpgradeStatus upgrade;
    AttachableTransport transport;
    FakeProtocol protocol{&transport};
    SessionCoordinator coord{&link, &config, &runtime, &upgrade};

    Rig()
    {
        coord.setTransport(&transport);
        coord.setProtocol(&protocol);
    }
    // One poll as the timer runs it; false once the poll timer has stopped.
    bool poll() { return coord.isPolling() && QMetaObject::invokeMethod(&coord, "onPollTimer", Qt::DirectConnection); }
};

} // namespace

class TestSessionCoordinator : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        g_log.clear();
        qInstallMessageHandler(captureHandler);
    }
    void cleanup() { qInstallMessageHandler(nullptr); }

    void scanWithoutDeviceNeverConnects()
    {
        Rig rig;
        rig.transport.present = false;
        QSignalSpy connected(&rig.coord, &SessionCoordinator::deviceConnectedChanged);
        QTRY_VERIFY_WITH_TIMEOUT(countLines(QStringLiteral("[Scan] device not found")) >= 2, 5000);
        QVERIFY(countLines(QStringLiteral("[Scan] scanning for Quilbex device...")) >= 2);
        QCOMPARE(connected.count(), 0);
        QVERIFY(!rig.coord.isPolling());
    }

    void lossRule_data()
    {
        QTest::addColumn<QString>("polls"); // F failed read, S successful read
        QTest::addColumn<int>("disconnects");
        QTest::newRow("ten failures") << QStringLiteral("FFFFFFFFFF") << 1;
        QTest::newRow("nine failures") << QStringLiteral("FFFFFFFFF") << 0;
        QTest::newRow("nine, success, nine") << QStringLiteral("FFFFFFFFFSFFFFFFFFF") << 0;
        QTest::newRow("success, fifteen failures") << QStringLiteral("SFFFFFFFFFFFFFFF") << 1;
    }
    void lossRule()
    {
        QFETCH(QString, polls);
        QFETCH(int, disconnects);
        Rig rig;
        QVERIFY(rig.coord.probeUsbConnectOnce());
        QSignalSpy connected(&rig.coord, &SessionCoordinator::deviceConnectedChanged);
        for (QChar c : polls) {
            rig.protocol.runtimeResults.push_back(c == QLatin1Char('S'));
            if (!rig.poll())
                break;
        }
        QCOMPARE(connected.count(), disconnects);
        QCOMPARE(rig.link.connected, !disconnects);
        QCOMPARE(rig.transport.opened, !disconnects);
        QCOMPARE(rig.coord.isScanning(), bool(disconnects));
        QCOMPARE(rig.coord.isPolling(), !disconnects);
    }

    void firstEightyPollsAreLogged()
    {
        Rig rig;
        QVERIFY(rig.coord.probeUsbConnectOnce());
        QSignalSpy data(&rig.runtime, &PedalRuntimeState::dataChanged);
        for (int i = 0; i < 85; ++i)
            QVERIFY(rig.poll());
        QCOMPARE(data.count(), 85);
        QCOMPARE(countLines(QStringLiteral("[L4-PARA-wire] wire[0]=离合 raw/out =")), 80);
        QCOMPARE(countLines(QStringLiteral("[L4-PARA] 短播报结束。")), 1);
        const int closing = g_log.indexOf(QStringLiteral("[L4-PARA] 短播报结束。"));
        QVERIFY(g_log.at(closing - 1).contains(QStringLiteral("油门 raw/out = 80 0")));
    }

    void writesRestorePreviousTimers_data()
    {
        QTest::addColumn<int>("hostIndex"); // -1: whole configuration
        QTest::addColumn<bool>("polling");
        QTest::addColumn<bool>("readOk"); // the configuration read after opening
        QTest::addColumn<bool>("succeeds");
        QTest::newRow("config fails, polling") << -1 << true << true << false;
        QTest::newRow("config refused, scanning") << -1 << false << true << false;
        QTest::newRow("pedal fails, polling") << 0 << true << true << false;
        QTest::newRow("pedal refused, scanning") << 2 << false << true << false;
        QTest::newRow("config refused, settings unread") << -1 << true << false << true;
        QTest::newRow("pedal refused, settings unread") << 1 << true << false << true;
        QTest::newRow("config succeeds") << -1 << true << true << true;
        QTest::newRow("pedal succeeds") << 1 << true << true << true;
    }
    void writesRestorePreviousTimers()
    {
        QFETCH(int, hostIndex);
        QFETCH(bool, polling);
        QFETCH(bool, readOk);
        QFETCH(bool, succeeds);
        Rig rig;
        rig.protocol.readSucceeds = readOk;
        if (polling)
            QVERIFY(rig.coord.probeUsbConnectOnce());
        QCOMPARE(rig.protocol.reads, !polling ? 0 : readOk ? 1 : SessionCoordinator::kConnectReadAttempts);
        QCOMPARE(rig.coord.hasConfigReadProblem(), polling && !readOk);
        rig.protocol.writeSucceeds = succeeds;
        QSignalSpy failed(&rig.coord, &SessionCoordinator::writeFailed);
        if (hostIndex < 0)
            rig.coord.requestWriteConfig();
        else
            rig.coord.requestWritePedalParams(hostIndex);
        // Nothing is written that was not read first; a refusal or failure is reported.
        const bool written = polling && readOk;
        QCOMPARE(rig.protocol.writes, int(written));
        QCOMPARE(failed.count(), int(!written || !succeeds));
        // Success awaits the restart: scanning, not polling, link still marked connected.
        const bool restarting = written && succeeds;
        QCOMPARE(rig.coord.isPolling(), polling && !restarting);
        QCOMPARE(rig.coord.isScanning(), !polling || restarting);
        QCOMPARE(rig.link.connected, polling);
    }

    void invalidHostIndexTouchesNothing()
    {
        Rig rig;
        QVERIFY(rig.coord.probeUsbConnectOnce());
        rig.coord.requestWritePedalParams(3);
        rig.coord.requestWritePedalParams(-1);
        QVERIFY(g_log.contains(QStringLiteral("[WritePedalParams] invalid hostIndex 3")));
        QVERIFY(g_log.contains(QStringLiteral("[WritePedalParams] invalid hostIndex -1")));
        QCOMPARE(rig.protocol.writes, 0);
        QVERIFY(rig.coord.isPolling());
        QVERIFY(!rig.coord.isScanning());
    }

    void permissionProblemIsReportedAndCleared()
    {
        Rig rig;
        rig.transport.openSucceeds = false;
        rig.transport.failure = IHidTransport::OpenError::PermissionDenied;
        QSignalSpy permission(&rig.coord, &SessionCoordinator::devicePermissionProblem);
        QVERIFY(!rig.coord.probeUsbConnectOnce());
        QCOMPARE(permission.count(), 1);
        QCOMPARE(permission.at(0).at(0).toBool(), true);
        QVERIFY(g_log.contains(QStringLiteral("[Scan] open() failed")));
        QCOMPARE(countLines(QStringLiteral("[Scan] open() failure cause:")), 1);

        rig.transport.failure = IHidTransport::OpenError::OtherError;
        QVERIFY(!rig.coord.probeUsbConnectOnce());
        QCOMPARE(permission.count(), 1); // another cause is no permission problem

        rig.transport.openSucceeds = true;
        QVERIFY(rig.coord.probeUsbConnectOnce());
        QCOMPARE(permission.count(), 2);
        QCOMPARE(permission.at(1).at(0).toBool(), false);
    }

    void userRequestsWaitDuringFirmwareTransfer()
    {
        Rig rig;
        QVERIFY(rig.coord.probeUsbConnectOnce());
        rig.coord.pauseForFirmwareTransfer();
        // The worker owns the transport now: none of these may touch it or start a timer.
        rig.coord.requestDisconnect();
        rig.coord.requestConnect();
        rig.coord.requestWriteConfig();
        rig.coord.requestWritePedalParams(0);
        rig.coord.requestReadConfig();
        QVERIFY(rig.transport.opened);
        QCOMPARE(rig.transport.closes, 0);
        QCOMPARE(rig.transport.opens, 1);
        QCOMPARE(rig.protocol.writes + rig.protocol.reads, 1);
        QVERIFY(!rig.coord.isPolling());
        QVERIFY(!rig.coord.isScanning());
        // The worker's own calls still work while paused.
        rig.coord.markDisconnectedSnapshot();
        QVERIFY(!rig.coord.queryDeviceConnectedForWorker());
        QVERIFY(rig.coord.probeUsbConnectOnce());

        rig.coord.resumeAfterFirmwareTransfer();
        rig.coord.requestDisconnect();
        QVERIFY(!rig.transport.opened);
        QVERIFY(rig.coord.isScanning());
    }
};

QTEST_GUILESS_MAIN(TestSessionCoordinator)
#include "tst_sessioncoordinator.moc"
