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

    void replyWaitsAreBoundedByTime_data()
    {
        QTest::addColumn<bool>("write");
        QTest::addColumn<int>("delayMs");
        QTest::addColumn<bool>("ok");
        QTest::newRow("read, replies 40 ms late") << false << 40 << true;
        QTest::newRow("write, acknowledgements 40 ms late") << true << 40 << true;
        QTest::newRow("read, reply after 250 ms") << false << 260 << false;
        QTest::newRow("write, acknowledgement after 500 ms") << true << 510 << false;
    }
    // Telemetry streams at 1000 Hz meanwhile: a wait is counted in time on the pedals' clock,
    // not in the reports that arrive.
    void replyWaitsAreBoundedByTime()
    {
        QFETCH(bool, write);
        QFETCH(int, delayMs);
        QFETCH(bool, ok);
        SimulatedPedals sim;
        sim.setManualClock(true);
        QVERIFY(sim.open(sim.findDevice()));
        QuilbexProtocolV1 p(&sim);
        DeviceConfigModel m;
        if (write)
            QVERIFY(p.readFullConfig(&m));
        sim.setReplyDelayMs(delayMs);
        const qint64 start = sim.clockNs();
        QCOMPARE(write ? p.writeFullConfig(&m) : p.readFullConfig(&m), ok);
        const qint64 elapsedMs = (sim.clockNs() - start) / 1000000;
        const int budgetMs = write ? QuilbexProtocolV1::kAckWaitMs : QuilbexProtocolV1::kReadWaitMs;
        if (ok)
            QVERIFY(elapsedMs <= 2 * delayMs + 5);
        else
            QVERIFY2(elapsedMs >= budgetMs && elapsedMs <= budgetMs + 5, qPrintable(QString::number(elapsedMs)));
        if (write && ok)
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
