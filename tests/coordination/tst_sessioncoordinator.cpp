#include <QLoggingCategory>
#include <QSignalSpy>
#include <QTest>

#include "app/SharedRecords.h"
#include "coordination/DeviceConfigModel.h"
#include "coordination/SessionCoordinator.h"
#include "device/IQuilbexProtocol.h"
#include "support/AttachableTransport.h"

namespace {

// Configuration reads and writes succeed while the transport is open unless told otherwise;
// telemetry results can be queued.
class FakeProtocol : public IQuilbexProtocol
{
public:
    explicit FakeProtocol(AttachableTransport* t) : transport(t) {}
    AttachableTransport* transport;
    bool readSucceeds = true;
    bool writeSucceeds = true;
    int reads = 0;
    int writes = 0;
    std::array<quint8, 3> writtenDeadTop{};
    QList<bool> runtimeResults;

    bool answer(int* count, bool ok)
    {
        ++*count;
        return ok && transport->opened;
    }
    bool readFullConfig(DeviceConfigModel*) override { return answer(&reads, readSucceeds); }
    bool writeFullConfig(const DeviceConfigModel* m) override
    {
        writtenDeadTop = m->deadTop;
        return answer(&writes, writeSucceeds);
    }
    bool readRuntime(PedalRuntimeState*) override
    {
        return runtimeResults.isEmpty() ? transport->opened : runtimeResults.takeFirst();
    }
    bool enterUpdateMode() override { return false; }
};

struct FakeRig
{
    DeviceLinkState link;
    DeviceConfigModel config;
    PedalRuntimeState runtime;
    UpgradeStatus upgrade;
    AttachableTransport transport;
    FakeProtocol protocol{&transport};
    SessionCoordinator coord{&link, &config, &runtime, &upgrade};

    FakeRig()
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
    void initTestCase() { QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false")); }

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
        FakeRig rig;
        QVERIFY(rig.coord.probeUsbConnectOnce());
        QSignalSpy connected(&rig.coord, &SessionCoordinator::deviceConnectedChanged);
        for (QChar c : polls) {
            rig.protocol.runtimeResults.append(c == QLatin1Char('S'));
            if (!rig.poll())
                break;
        }
        QCOMPARE(connected.count(), disconnects);
        QCOMPARE(rig.link.connected, !disconnects);
        QCOMPARE(rig.transport.opened, !disconnects);
        QCOMPARE(rig.coord.isScanning(), bool(disconnects));
        QCOMPARE(rig.coord.isPolling(), !disconnects);
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
        FakeRig rig;
        rig.protocol.readSucceeds = readOk;
        if (polling)
            QVERIFY(rig.coord.probeUsbConnectOnce());
        QCOMPARE(rig.protocol.reads, !polling ? 0 : readOk ? 1 : SessionCoordinator::kConnectReadAttempts);
        QCOMPARE(rig.coord.hasConfigReadProblem(), polling && !readOk);
        rig.protocol.writeSucceeds = succeeds;
        QSignalSpy failed(&rig.coord, &SessionCoordinator::writeFailed);
        rig.config.deadTop = {30, 31, 32};    // unsaved edits
        rig.coord.requestWritePedalParams(3); // no such pedal: ignored
        rig.coord.requestWritePedalParams(-1);
        if (hostIndex < 0)
            rig.coord.requestWriteConfig();
        else
            rig.coord.requestWritePedalParams(hostIndex);
        // Nothing is written that was not read first; a refusal or failure is reported.
        const bool written = polling && readOk;
        QCOMPARE(rig.protocol.writes, int(written));
        QCOMPARE(failed.count(), int(!written || !succeeds));
        // One pedal's write sends the others as the pedals hold them (here the uncalibrated defaults).
        for (int i = 0; written && i < 3; ++i)
            QCOMPARE(int(rig.protocol.writtenDeadTop[size_t(i)]), hostIndex < 0 || i == hostIndex ? 30 + i : 3);
        // Success awaits the restart: scanning, not polling, link still marked connected.
        const bool restarting = written && succeeds;
        QCOMPARE(rig.coord.isPolling(), polling && !restarting);
        QCOMPARE(rig.coord.isScanning(), !polling || restarting);
        QCOMPARE(rig.link.connected, polling);
        // A failed write may be tried again; none goes out while the pedals restart.
        rig.coord.requestWriteConfig();
        QCOMPARE(rig.protocol.writes, !written ? 0 : succeeds ? 1 : 2);
    }

    void permissionProblemIsReportedAndCleared()
    {
        FakeRig rig;
        rig.transport.openSucceeds = false;
        rig.transport.failure = IHidTransport::OpenError::PermissionDenied;
        QSignalSpy permission(&rig.coord, &SessionCoordinator::devicePermissionProblem);
        QVERIFY(!rig.coord.probeUsbConnectOnce());
        rig.transport.failure = IHidTransport::OpenError::OtherError; // no permission problem
        QVERIFY(!rig.coord.probeUsbConnectOnce());
        rig.transport.openSucceeds = true;
        QVERIFY(rig.coord.probeUsbConnectOnce());
        QCOMPARE(permission.count(), 2);
        QVERIFY(permission.at(0).at(0).toBool() && !permission.at(1).at(0).toBool());
    }

    void userRequestsWaitDuringFirmwareTransfer()
    {
        FakeRig rig;
        QVERIFY(rig.coord.probeUsbConnectOnce());
        rig.coord.pauseForFirmwareTransfer();
        // The worker owns the transport now: none of these may touch it or start a timer.
        rig.coord.requestDisconnect();
        rig.coord.requestConnect();
        rig.coord.requestWriteConfig();
        rig.coord.requestWritePedalParams(0);
        rig.coord.requestReadConfig();
        QVERIFY(rig.transport.opened && !rig.coord.isPolling() && !rig.coord.isScanning());
        const QList<int> touches{rig.transport.opens, rig.transport.closes, rig.protocol.reads + rig.protocol.writes};
        QCOMPARE(touches, QList<int>({1, 0, 1}));
        // The worker's own calls still work while paused.
        rig.coord.markDisconnectedSnapshot();
        QVERIFY(!rig.coord.queryDeviceConnectedForWorker());
        QVERIFY(rig.coord.probeUsbConnectOnce());

        rig.coord.resumeAfterFirmwareTransfer();
        rig.coord.requestDisconnect();
        QVERIFY(!rig.transport.opened && rig.coord.isScanning());
    }
};

QTEST_GUILESS_MAIN(TestSessionCoordinator)
#include "tst_sessioncoordinator.moc"
