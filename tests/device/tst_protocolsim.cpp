#include <QtTest>

#include "coordination/DeviceConfigModel.h"
#include "device/ConfigBlock.h"
#include "device/QuilbexProtocolV1.h"
#include "device/sim/SimulatedPedals.h"

// The protocol against the virtual pedals: telemetry streams at 1000 Hz into a 64-report
// queue the whole time, as with real hardware.
class TestProtocolSim : public QObject
{
    Q_OBJECT

private:
    static void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

private Q_SLOTS:
    void initTestCase() { qInstallMessageHandler(quiet); }

    void configRoundTripDespiteBacklog()
    {
        SimulatedPedals sim;
        sim.setManualClock(true);
        QVERIFY(sim.open(sim.findDevice()));
        sim.advanceClockUs(200 * 1000); // a full input queue waits before the request

        QuilbexProtocolV1 p(&sim);
        DeviceConfigModel m;
        QVERIFY(p.readFullConfig(&m));
        DeviceConfigModel flash;
        sim.flashConfig(&flash);
        QCOMPARE(m.ver, flash.ver);
        QCOMPARE(m.crc, flash.crc);
        QCOMPARE(m.curve, flash.curve);
        QCOMPARE(m.max, flash.max);
        QCOMPARE(m.min, flash.min);

        m.max[0] = 3000;
        m.min[0] = 200;
        m.deadTop[1] = 7;
        m.curve[2] = CurvePoints{0, 5, 10, 20, 30, 40, 50, 60, 70, 85, 100};
        sim.advanceClockUs(200 * 1000);
        QVERIFY(p.writeFullConfig(&m));
        QCOMPARE(sim.flashBlock(), ConfigBlock::encode(m, m.ver));
    }

    void telemetryIsCurrent()
    {
        SimulatedPedals sim;
        sim.setManualClock(true);
        QVERIFY(sim.open(sim.findDevice()));
        QuilbexProtocolV1 p(&sim);
        PedalRuntimeState s;

        sim.setRawValues({1000, 2000, 3000});
        sim.advanceClockUs(100 * 1000);
        QVERIFY(p.readRuntime(&s));
        QCOMPARE(s.raw, (std::array<qint16, 3>{1000, 2000, 3000}));
        QVERIFY(s.hasExtended);

        for (int tick = 1; tick <= 5; ++tick) {
            const qint16 v = qint16(1000 + 100 * tick);
            sim.setRawValues({v, 2000, 3000});
            sim.advanceClockUs(20 * 1000);
            QVERIFY(p.readRuntime(&s));
            QCOMPARE(s.raw[0], v);
            QVERIFY(sim.clockNs() - sim.lastReadTimestampNs() <= 1000 * 1000);
        }
        QVERIFY(!p.readRuntime(&s)); // nothing new since the last poll
    }
};

QTEST_GUILESS_MAIN(TestProtocolSim)
#include "tst_protocolsim.moc"
