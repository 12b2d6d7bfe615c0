// The coordinator against the virtual pedals and the real protocol, on real timers.
#include <QSignalSpy>
#include <QTest>

#include <memory>

#include "app/Application.h"
#include "app/SharedRecords.h"
#include "coordination/DeviceConfigModel.h"
#include "coordination/PedalCardLayer.h"
#include "coordination/SessionCoordinator.h"
#include "curves/CurveMath.h"
#include "device/ConfigBlock.h"
#include "device/sim/SimulatedPedals.h"
#include "support/LogCapture.h"

namespace {

// Plays the three pedal columns.
class Cards : public ICardRegistry
{
public:
    std::array<CardControlValues, 3> values{};
    QList<int> saved;

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
    }
    void clearCardDirty(int) override {}
    void markCardSaved(int i) override { saved.append(i); }
};

struct Rig
{
    std::unique_ptr<Application> app{new Application(Application::simulatedTransportFactory())};
    SimulatedPedals* pedals = dynamic_cast<SimulatedPedals*>(app->transport.get());
    SessionCoordinator* coord = app->coordinator.get();
    DeviceConfigModel* config = app->config.get();

    std::unique_ptr<DeviceConfigModel> flash() const
    {
        auto m = std::make_unique<DeviceConfigModel>();
        pedals->flashConfig(m.get());
        return m;
    }
};

} // namespace

class TestSessionWithPedals : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        g_log.clear();
        qInstallMessageHandler(captureHandler);
        m_cards = Cards();
        PedalCardLayer::setRegistry(&m_cards);
    }
    void cleanup()
    {
        PedalCardLayer::setRegistry(nullptr);
        qInstallMessageHandler(nullptr);
    }

    // The replies to the reads right after opening are lost (a busy machine, a flaky cable):
    // nothing is written meanwhile, polling goes on, and a later read fills the columns,
    // with the defaults for the uncalibrated brake.
    void uncalibratedBrakeGetsDefaultsOnRead()
    {
        Rig rig;
        QVERIFY(rig.pedals);
        DeviceConfigModel stored;
        ConfigBlock::decode(SimulatedPedals::defaultFlashBlock(), &stored);
        stored.cali[1] = 0;
        stored.deadTop[1] = 20;
        stored.deadBot[1] = 25;
        stored.filter[1] = 6;
        stored.deadTop[0] = 9;
        const ConfigBlock::Bytes flash = ConfigBlock::encode(stored, 0x0312);
        rig.pedals->setFlashBlock(flash);
        rig.pedals->dropNextReplies(SessionCoordinator::kConnectReadAttempts);

        QVERIFY(rig.coord->probeUsbConnectOnce());
        QVERIFY(rig.coord->isPolling() && rig.coord->hasConfigReadProblem() && !rig.coord->canWrite());
        rig.coord->requestWritePedalParams(0);
        rig.coord->requestWriteConfig();
        QCOMPARE(rig.pedals->flashBlock(), flash);

        QTRY_VERIFY_WITH_TIMEOUT(rig.coord->hasConfirmedConfig(), 10000);
        QVERIFY(!rig.coord->hasConfigReadProblem() && rig.coord->canWrite());
        QCOMPARE(rig.config->deadTop[1], quint8(3));
        QCOMPARE(rig.config->deadBot[1], quint8(3));
        QCOMPARE(rig.config->filter[1], quint8(2));
        QCOMPARE(rig.config->deadTop[0], quint8(9));
        QCOMPARE(m_cards.values[1].deadTop, 3);
        QCOMPARE(rig.app->linkState->firmwareVersionText, QStringLiteral("3.1.2"));
        // Telemetry flows once connected.
        QSignalSpy data(rig.app->runtime.get(), &PedalRuntimeState::dataChanged);
        QVERIFY(data.wait(2000));
    }

    void pedalWriteReachesFlashAndReconnects()
    {
        Rig rig;
        rig.pedals->setRestartDelayMs(300);
        // A stall of a few milliseconds (sanitizer builds, a busy machine) lets a 1000 Hz feed
        // queue enough reports ahead of a reply to use up the protocol's read attempts; a
        // slower feed keeps this test about the write.
        rig.pedals->setTelemetryRateHz(100);
        QVERIFY(rig.coord->probeUsbConnectOnce());
        const auto beforeFlash = rig.flash();
        const DeviceConfigModel& before = *beforeFlash;
        QSignalSpy connected(rig.coord, &SessionCoordinator::deviceConnectedChanged);

        // Unsaved edits on the throttle and brake columns.
        m_cards.values[0] = {30, 31, 5, 1};
        m_cards.values[1] = {12, 14, 4, 2};
        rig.config->deadTop[0] = 30;
        rig.config->deadTop[1] = 12;

        rig.coord->requestWritePedalParams(1);
        QVERIFY(
            g_log.contains(QStringLiteral("[WritePedalParams] success — device will reset; waiting for reconnect")));
        QCOMPARE(m_cards.saved, QList<int>{1});

        const auto afterFlash = rig.flash();
        const DeviceConfigModel& after = *afterFlash;
        QCOMPARE(after.deadTop[1], quint8(12));
        QCOMPARE(after.deadBot[1], quint8(14));
        QCOMPARE(after.filter[1], quint8(4));
        QCOMPARE(after.curveType[1], quint8(2));
        QCOMPARE(after.curve[1], presetCurvePoints(2));
        QCOMPARE(after.deadTop[0], before.deadTop[0]);
        QCOMPARE(after.deadBot[0], before.deadBot[0]);
        QCOMPARE(after.filter[0], before.filter[0]);
        QCOMPARE(after.curve[0], before.curve[0]);
        QCOMPARE(after.min[0], before.min[0]);
        QCOMPARE(after.max[2], before.max[2]);
        QCOMPARE(m_cards.values[0].deadTop, int(before.deadTop[0]));

        // The pedals restart; the link stays marked connected until they are back and re-read.
        QVERIFY(rig.app->linkState->connected);
        QTRY_COMPARE_WITH_TIMEOUT(rig.pedals->restartCount(), 1, 3000);
        QTRY_VERIFY_WITH_TIMEOUT(rig.coord->isPolling(), 5000);
        QCOMPARE(countLines(QStringLiteral("[Scan] readFullConfig OK")), 2);
        QCOMPARE(rig.config->deadTop[1], quint8(12));
        for (int i = 0; i < connected.count(); ++i)
            QCOMPARE(connected.at(i).at(0).toBool(), true);
    }

    void unplugAndDisconnectReconnect()
    {
        Rig rig;
        QVERIFY(rig.coord->probeUsbConnectOnce());
        QSignalSpy data(rig.app->runtime.get(), &PedalRuntimeState::dataChanged);
        QVERIFY(data.wait(2000));
        QSignalSpy connected(rig.coord, &SessionCoordinator::deviceConnectedChanged);
        rig.pedals->unplug();
        QVERIFY(connected.wait(2000));
        QCOMPARE(connected.count(), 1);
        QCOMPARE(connected.at(0).at(0).toBool(), false);
        QVERIFY(rig.coord->isScanning());
        QTest::qWait(2 * SessionCoordinator::kScanIntervalMs + 100); // scans while away stay quiet
        QCOMPARE(connected.count(), 1);

        rig.pedals->plug();
        QVERIFY(connected.wait(2000));
        QCOMPARE(connected.last().at(0).toBool(), true);
        QVERIFY(rig.coord->isPolling());

        // Disconnect with the pedals still attached: back within one scan interval.
        rig.coord->requestDisconnect();
        QCOMPARE(connected.last().at(0).toBool(), false);
        QVERIFY(connected.wait(SessionCoordinator::kScanIntervalMs + 400));
        QCOMPARE(connected.last().at(0).toBool(), true);
    }

private:
    Cards m_cards;
};

QTEST_GUILESS_MAIN(TestSessionWithPedals)
#include "tst_sessionwithpedals.moc"
