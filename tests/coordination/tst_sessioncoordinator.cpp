#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <deque>
#include <memory>

#include "app/SharedRecords.h"
#include "coordination/DeviceConfigModel.h"
#include "coordination/PedalCardLayer.h"
#include "coordination/SessionCoordinator.h"
#include "curves/CurveMath.h"
#include "device/IHidTransport.h"
#include "device/IQuilbexProtocol.h"
#include "support/AttachableTransport.h"

namespace {

QStringList g_log;
QtMessageHandler g_previousHandler = nullptr;

void captureHandler(QtMsgType, const QMessageLogContext&, const QString& message)
{
    g_log.append(message);
}

int countLines(const QString& prefix)
{
    int n = 0;
    for (const QString& line : std::as_const(g_log))
        n += line.startsWith(prefix) ? 1 : 0;
    return n;
}

void copyConfig(const DeviceConfigModel& from, DeviceConfigModel& to)
{
    to.curve = from.curve;
    to.curveType = from.curveType;
    to.filter = from.filter;
    to.deadTop = from.deadTop;
    to.deadBot = from.deadBot;
    to.cali = from.cali;
    to.max = from.max;
    to.min = from.min;
    to.ver = from.ver;
    to.crc = from.crc;
}

// Holds the "flash" of the fake device; a successful write restarts it.
class FakeProtocol : public IQuilbexProtocol
{
public:
    explicit FakeProtocol(AttachableTransport* t) : transport(t) {}

    AttachableTransport* transport;
    DeviceConfigModel flash;
    bool readSucceeds = true;
    bool writeSucceeds = true;
    int restartFinds = 0; // scans that find nothing after a successful write
    int reads = 0;
    int writes = 0;
    std::deque<bool> runtimeResults;

    bool readFullConfig(DeviceConfigModel* out) override
    {
        ++reads;
        if (!readSucceeds || !transport->opened)
            return false;
        copyConfig(flash, *out);
        return true;
    }
    bool writeFullConfig(const DeviceConfigModel* in) override
    {
        ++writes;
        if (!writeSucceeds || !transport->opened)
            return false;
        copyConfig(*in, flash);
        transport->absentFinds = restartFinds;
        return true;
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

// Plays the three pedal columns: shows what was loaded, reports what the user set.
class FakeCards : public ICardRegistry
{
public:
    std::array<CardControlValues, 3> values{};
    std::array<bool, 3> dirty{};
    QList<int> saved;
    QList<std::array<int, 3>> loadedBrake; // deadTop/deadBot/filter of the brake at each load

    bool cardValues(int i, CardControlValues* out) const override
    {
        if (i < 0 || i > 2)
            return false;
        *out = values[size_t(i)];
        return true;
    }
    bool hasCard(int i) const override { return i >= 0 && i <= 2; }
    void loadCardFromConfig(int i, const DeviceConfigModel& m) override
    {
        const size_t k = size_t(i);
        values[k] = {m.deadTop[k], m.deadBot[k], m.filter[k], matchCurvePreset(m.curve[k], m.curveType[k])};
        dirty[k] = false;
        if (i == 1)
            loadedBrake.append({m.deadTop[1], m.deadBot[1], m.filter[1]});
    }
    void clearCardDirty(int i) override { dirty[size_t(i)] = false; }
    void markCardSaved(int i) override { saved.append(i); }
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
        for (size_t i = 0; i < 3; ++i) {
            protocol.flash.cali[i] = 1;
            protocol.flash.min[i] = qint16(200 + int(i));
            protocol.flash.max[i] = qint16(3000 + int(i));
            protocol.flash.deadTop[i] = quint8(4 + i);
            protocol.flash.deadBot[i] = quint8(6 + i);
            protocol.flash.filter[i] = quint8(1 + i);
            protocol.flash.curveType[i] = quint8(i);
            protocol.flash.curve[i] = presetCurvePoints(int(i));
        }
        protocol.flash.ver = 0x0312;
    }

    // One poll as the timer would run it; false once the poll timer is no longer running.
    bool poll()
    {
        if (!coord.isPolling())
            return false;
        return QMetaObject::invokeMethod(&coord, "onPollTimer", Qt::DirectConnection);
    }
};

} // namespace

class TestSessionCoordinator : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        g_log.clear();
        g_previousHandler = qInstallMessageHandler(captureHandler);
        PedalCardLayer::setRegistry(&m_cards);
        m_cards = FakeCards();
    }
    void cleanup()
    {
        PedalCardLayer::setRegistry(nullptr);
        qInstallMessageHandler(g_previousHandler);
    }

    void scanWithoutDeviceNeverConnects()
    {
        Rig rig;
        rig.transport.present = false;
        QSignalSpy connected(&rig.coord, &SessionCoordinator::deviceConnectedChanged);
        QVERIFY(rig.coord.isScanning());
        QTRY_VERIFY_WITH_TIMEOUT(countLines(QStringLiteral("[Scan] device not found")) >= 2, 5000);
        QVERIFY(countLines(QStringLiteral("[Scan] scanning for Quilbex device...")) >= 2);
        QCOMPARE(connected.count(), 0);
        QVERIFY(!rig.link.connected);
        QVERIFY(!rig.coord.isPolling());
    }

    void connectReadsConfigAndAppliesUncalibratedDefaults()
    {
        Rig rig;
        rig.protocol.flash.cali[1] = 0; // brake never calibrated
        rig.protocol.flash.deadTop[1] = 17;
        rig.protocol.flash.deadBot[1] = 19;
        rig.protocol.flash.filter[1] = 6;
        QSignalSpy changed(&rig.config, &DeviceConfigModel::configChanged);
        QSignalSpy connected(&rig.coord, &SessionCoordinator::deviceConnectedChanged);

        QVERIFY(rig.coord.probeUsbConnectOnce());

        QCOMPARE(connected.count(), 1);
        QCOMPARE(connected.at(0).at(0).toBool(), true);
        QVERIFY(rig.coord.isPolling());
        QVERIFY(!rig.coord.isScanning());
        QCOMPARE(rig.config.deadTop[1], quint8(3));
        QCOMPARE(rig.config.deadBot[1], quint8(3));
        QCOMPARE(rig.config.filter[1], quint8(2));
        QCOMPARE(rig.config.deadTop[0], quint8(4)); // calibrated pedals keep their values
        // The cards are filled after the defaults were applied.
        QCOMPARE(m_cards.loadedBrake.size(), 1);
        QCOMPARE(m_cards.loadedBrake.first(), (std::array<int, 3>{3, 3, 2}));
        QCOMPARE(rig.link.firmwareVersionText, QStringLiteral("3.1.2"));
        QCOMPARE(changed.count(), 1);
        QVERIFY(rig.coord.snapshot().valid);
        QCOMPARE(rig.coord.snapshot().pedals[1].deadTop, quint8(3));
        QVERIFY(g_log.contains(QStringLiteral("[Coordinator] setConnected(true)")));
        QVERIFY(g_log.contains(QStringLiteral("[Scan] readFullConfig OK — ver= 786")));
    }

    void failedReadStillPollsAndKeepsModel()
    {
        Rig rig;
        rig.protocol.readSucceeds = false;
        rig.config.deadTop[0] = 42;
        QSignalSpy changed(&rig.config, &DeviceConfigModel::configChanged);
        QVERIFY(rig.coord.probeUsbConnectOnce());
        QVERIFY(rig.coord.isPolling());
        QCOMPARE(rig.config.deadTop[0], quint8(42));
        QCOMPARE(changed.count(), 0);
        QVERIFY(g_log.contains(QStringLiteral("[Scan] readFullConfig failed (non-fatal)")));
    }

    void lossRule_data()
    {
        QTest::addColumn<QString>("polls"); // F failed read, S successful read
        QTest::addColumn<int>("disconnects");
        QTest::newRow("ten failures") << QStringLiteral("FFFFFFFFFF") << 1;
        QTest::newRow("nine failures") << QStringLiteral("FFFFFFFFF") << 0;
        QTest::newRow("nine, success, nine") << QStringLiteral("FFFFFFFFFSFFFFFFFFF") << 0;
        QTest::newRow("success, then fifteen failures") << QStringLiteral("SFFFFFFFFFFFFFFF") << 1;
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
        if (disconnects) {
            QCOMPARE(connected.at(0).at(0).toBool(), false);
            QVERIFY(!rig.link.connected);
            QVERIFY(!rig.transport.opened);
            QVERIFY(rig.coord.isScanning());
            QVERIFY(!rig.coord.isPolling());
        } else {
            QVERIFY(rig.link.connected);
            QVERIFY(rig.coord.isPolling());
        }
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
        // The closing line follows the eightieth report directly.
        const int closing = g_log.indexOf(QStringLiteral("[L4-PARA] 短播报结束。"));
        QVERIFY(g_log.at(closing - 1).startsWith(QStringLiteral("[L4-PARA-wire]")));
        QVERIFY(g_log.at(closing - 1).contains(QStringLiteral("油门 raw/out = 80 0")));
    }

    void writePedalParamsMergesConfirmedValuesOfOthers()
    {
        Rig rig;
        QVERIFY(rig.coord.probeUsbConnectOnce());
        QVERIFY(m_cards.saved.isEmpty());
        // Unsaved edits on the throttle and brake columns (cards write the model at once).
        m_cards.values[0] = {20, 21, 4, 2};
        m_cards.values[1] = {11, 12, 5, 3};
        m_cards.dirty = {true, true, false};
        rig.config.deadTop[0] = 20;
        rig.config.deadBot[0] = 21;
        rig.config.filter[0] = 4;
        applyCurvePresetToModel(&rig.config, 0, 2);
        rig.config.deadTop[1] = 11;
        rig.config.min[0] = 250; // calibration is not part of the merge

        rig.coord.requestWritePedalParams(1);

        const DeviceConfigModel& f = rig.protocol.flash;
        QCOMPARE(rig.protocol.writes, 1);
        QCOMPARE(f.deadTop[1], quint8(11));
        QCOMPARE(f.deadBot[1], quint8(12));
        QCOMPARE(f.filter[1], quint8(5));
        QCOMPARE(f.curveType[1], quint8(3));
        QCOMPARE(f.curve[1], presetCurvePoints(3));
        QCOMPARE(f.deadTop[0], quint8(4));
        QCOMPARE(f.deadBot[0], quint8(6));
        QCOMPARE(f.filter[0], quint8(1));
        QCOMPARE(f.curveType[0], quint8(0));
        QCOMPARE(f.curve[0], presetCurvePoints(0));
        QCOMPARE(f.min[0], qint16(250));
        QCOMPARE(f.deadTop[2], quint8(6));
        // The throttle column shows the confirmed values again; the brake column is saved.
        QCOMPARE(m_cards.values[0].deadTop, 4);
        QCOMPARE(m_cards.values[0].presetIdx, 0);
        QCOMPARE(m_cards.dirty, (std::array<bool, 3>{false, false, false}));
        QCOMPARE(m_cards.saved, QList<int>{1});
        QCOMPARE(rig.coord.snapshot().pedals[1].deadTop, quint8(11));
        // Awaiting the restart: scanning, not polling, still marked connected.
        QVERIFY(rig.coord.isScanning());
        QVERIFY(!rig.coord.isPolling());
        QVERIFY(rig.link.connected);
    }

    void invalidHostIndexTouchesNothing_data()
    {
        QTest::addColumn<int>("hostIndex");
        QTest::newRow("3") << 3;
        QTest::newRow("-1") << -1;
    }
    void invalidHostIndexTouchesNothing()
    {
        QFETCH(int, hostIndex);
        Rig rig;
        QVERIFY(rig.coord.probeUsbConnectOnce());
        rig.coord.requestWritePedalParams(hostIndex);
        QVERIFY(g_log.contains(QStringLiteral("[WritePedalParams] invalid hostIndex %1").arg(hostIndex)));
        QCOMPARE(rig.protocol.writes, 0);
        QVERIFY(rig.coord.isPolling());
        QVERIFY(!rig.coord.isScanning());
    }

    void failedWriteRestoresPreviousTimers_data()
    {
        QTest::addColumn<bool>("wholeConfig");
        QTest::addColumn<bool>("polling");
        QTest::newRow("config, polling") << true << true;
        QTest::newRow("config, scanning") << true << false;
        QTest::newRow("pedal, polling") << false << true;
        QTest::newRow("pedal, scanning") << false << false;
    }
    void failedWriteRestoresPreviousTimers()
    {
        QFETCH(bool, wholeConfig);
        QFETCH(bool, polling);
        Rig rig;
        if (polling)
            QVERIFY(rig.coord.probeUsbConnectOnce());
        rig.protocol.writeSucceeds = false;
        if (wholeConfig)
            rig.coord.requestWriteConfig();
        else
            rig.coord.requestWritePedalParams(0);
        QCOMPARE(rig.protocol.writes, 1);
        QCOMPARE(rig.coord.isPolling(), polling);
        QCOMPARE(rig.coord.isScanning(), !polling);
        QVERIFY(m_cards.saved.isEmpty());
        QVERIFY(g_log.contains(wholeConfig ? QStringLiteral("[WriteConfig] failed — resuming poll")
                                           : QStringLiteral("[WritePedalParams] failed — resuming poll")));
    }

    void successfulWriteReconnectsAndRereads()
    {
        Rig rig;
        QVERIFY(rig.coord.probeUsbConnectOnce());
        QSignalSpy connected(&rig.coord, &SessionCoordinator::deviceConnectedChanged);
        rig.protocol.restartFinds = 2; // the pedals are gone for two scans while they restart
        rig.coord.requestWriteConfig();
        QVERIFY(g_log.contains(QStringLiteral("[WriteConfig] success — device will reset; waiting for reconnect")));
        QCOMPARE(rig.protocol.reads, 1);
        QVERIFY(rig.coord.isScanning());
        QVERIFY(!rig.coord.isPolling());

        QTRY_VERIFY_WITH_TIMEOUT(rig.coord.isPolling(), 5000);
        QCOMPARE(rig.protocol.reads, 2);
        QCOMPARE(countLines(QStringLiteral("[Scan] device not found")), 2);
        // The link stayed connected across the restart: no false in between.
        QCOMPARE(connected.count(), 1);
        QCOMPARE(connected.at(0).at(0).toBool(), true);
        QVERIFY(!rig.coord.isScanning());
    }

    void disconnectReconnectsWithinOneScan()
    {
        Rig rig;
        QVERIFY(rig.coord.probeUsbConnectOnce());
        QSignalSpy connected(&rig.coord, &SessionCoordinator::deviceConnectedChanged);
        rig.coord.requestDisconnect();
        QCOMPARE(connected.count(), 1);
        QVERIFY(!rig.transport.opened);
        QVERIFY(!rig.link.connected);
        QVERIFY(connected.wait(SessionCoordinator::kScanIntervalMs + 400));
        QCOMPARE(connected.last().at(0).toBool(), true);
        QVERIFY(rig.coord.isPolling());
    }

    void permissionProblemIsReportedAndCleared()
    {
        Rig rig;
        rig.coord.scanTimer()->stop();
        rig.transport.openSucceeds = false;
        rig.transport.failure = IHidTransport::OpenError::PermissionDenied;
        QSignalSpy permission(&rig.coord, &SessionCoordinator::devicePermissionProblem);
        QSignalSpy connected(&rig.coord, &SessionCoordinator::deviceConnectedChanged);

        QVERIFY(!rig.coord.probeUsbConnectOnce());
        QCOMPARE(permission.count(), 1);
        QCOMPARE(permission.at(0).at(0).toBool(), true);
        QVERIFY(rig.coord.hasPermissionProblem());
        QVERIFY(g_log.contains(QStringLiteral("[Scan] open() failed")));
        QVERIFY(countLines(QStringLiteral("[Scan] open() failure cause:")) == 1);
        QCOMPARE(connected.count(), 0);

        rig.transport.failure = IHidTransport::OpenError::OtherError;
        QVERIFY(!rig.coord.probeUsbConnectOnce());
        QCOMPARE(permission.count(), 1); // another cause is not a permission problem

        rig.transport.openSucceeds = true;
        QVERIFY(rig.coord.probeUsbConnectOnce());
        QCOMPARE(permission.count(), 2);
        QCOMPARE(permission.at(1).at(0).toBool(), false);
        QVERIFY(!rig.coord.hasPermissionProblem());
    }

    void userRequestsWaitDuringFirmwareTransfer()
    {
        Rig rig;
        QVERIFY(rig.coord.probeUsbConnectOnce());
        QSignalSpy connected(&rig.coord, &SessionCoordinator::deviceConnectedChanged);
        rig.coord.pauseForFirmwareTransfer();
        QVERIFY(!rig.coord.isPolling());
        QVERIFY(!rig.coord.isScanning());

        // The worker owns the transport now: none of these may touch it or start a timer.
        rig.coord.requestDisconnect();
        rig.coord.requestConnect();
        rig.coord.requestWriteConfig();
        rig.coord.requestWritePedalParams(0);
        rig.coord.requestReadConfig();
        QVERIFY(rig.transport.opened);
        QCOMPARE(rig.transport.closes, 0);
        QCOMPARE(rig.transport.opens, 1);
        QCOMPARE(rig.protocol.writes, 0);
        QCOMPARE(rig.protocol.reads, 1);
        QVERIFY(!rig.coord.isPolling());
        QVERIFY(!rig.coord.isScanning());
        QCOMPARE(connected.count(), 0);

        // The worker's own calls still work while paused.
        rig.coord.markDisconnectedSnapshot();
        QCOMPARE(connected.count(), 1);
        QVERIFY(!rig.coord.queryDeviceConnectedForWorker());
        QVERIFY(rig.coord.probeUsbConnectOnce());

        rig.coord.resumeAfterFirmwareTransfer();
        rig.coord.requestDisconnect();
        QVERIFY(!rig.transport.opened);
        QVERIFY(rig.coord.isScanning());
    }

    void busySignalFollowsUpdateState_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<bool>("busy");
        for (int s = 0; s <= 5; ++s)
            QTest::addRow("state %d", s) << s << (s >= 1 && s <= 3);
    }
    void busySignalFollowsUpdateState()
    {
        QFETCH(int, state);
        QFETCH(bool, busy);
        Rig rig;
        rig.upgrade.state = state;
        QSignalSpy spy(&rig.coord, &SessionCoordinator::upgradeBusyChanged);
        rig.coord.refreshUpgradeBusySignal();
        QCOMPARE(rig.coord.isUpgradeBusy(), busy);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toBool(), busy);
    }

private:
    FakeCards m_cards;
};

QTEST_GUILESS_MAIN(TestSessionCoordinator)
#include "tst_sessioncoordinator.moc"
