// The virtual pedals as the tool meets them, on the manual clock so every wait is exact.
#include <QtTest>

#include "coordination/DeviceConfigModel.h"
#include "curves/CurveMath.h"
#include "device/ConfigBlock.h"
#include "device/QuilbexProtocolV1.h"
#include "device/sim/SimulatedPedals.h"
#include "firmware/BootloaderProtocol.h"

using Sim = SimulatedPedals;

namespace {

void openVendor(Sim& sim)
{
    sim.setManualClock(true);
    QVERIFY(sim.open(sim.findDevice()));
}

QList<QByteArray> drain(Sim& sim)
{
    QList<QByteArray> out;
    for (QByteArray r = sim.readReport(0); !r.isEmpty(); r = sim.readReport(0))
        out.append(r);
    return out;
}

// The next reply with the given report id, skipping telemetry; empty if none came.
QByteArray nextReply(Sim& sim, char id)
{
    for (int i = 0; i < 20; ++i) {
        const QByteArray r = sim.readReport(50);
        if (r.startsWith(id))
            return r;
    }
    return QByteArray();
}

// Writes a report of update mode; its status, -1 without reply.
int send(Sim& sim, const QByteArray& report)
{
    quint16 status = 0;
    return sim.writeReport(report) && Bootloader::parseStatus(nextReply(sim, 0x04), &status) ? status : -1;
}

QByteArray start(const QByteArray& image, quint16 crcError = 0)
{
    return Bootloader::buildStartReport(quint16(image.size()), Bootloader::crc16(image) ^ crcError);
}

QByteArray piece(const QByteArray& image, int k)
{
    return Bootloader::buildDataReport(quint16(k), image.mid(60 * (k - 1), 60));
}

// Switches to update mode and opens it; the switch delay is honoured to the millisecond.
void enterUpdateMode(Sim& sim)
{
    openVendor(sim);
    QVERIFY(QuilbexProtocolV1(&sim).enterUpdateMode());
    QVERIFY(!sim.writeReport(QByteArray::fromHex("0300")));
    sim.setVidPid(Sim::kUpdateVid, Sim::kUpdatePid, false);
    sim.advanceClockUs(499000);
    QCOMPARE(sim.mode(), Sim::Mode::Absent);
    sim.advanceClockUs(1000);
    QCOMPARE(sim.findDevice(), Sim::kUpdatePath);
    QVERIFY(sim.open(Sim::kUpdatePath));
}

} // namespace

class TestSimulatedPedals : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void identityAndSelection()
    {
        Sim sim;
        QCOMPARE(sim.interfaces().first().usagePage, quint16(0x0001));
        QCOMPARE(sim.findDevice(), Sim::kVendorPath); // not the joystick interface listed first
        sim.setVidPid(Sim::kNormalVid, Sim::kNormalPid, false);
        QCOMPARE(sim.findDevice(), Sim::kJoystickPath);
        sim.setVidPid(Sim::kUpdateVid, Sim::kUpdatePid, false);
        QVERIFY(!sim.open(Sim::kUpdatePath)); // not in update mode
        QCOMPARE(sim.lastOpenError(), IHidTransport::OpenError::NotFound);
    }

    // A write restarts the pedals, which come back with the new block, in telemetry as well.
    void configRoundTripAndRestart()
    {
        Sim sim;
        openVendor(sim);
        sim.advanceClockUs(200 * 1000); // a full input queue waits before the request
        QuilbexProtocolV1 p(&sim);
        DeviceConfigModel m;
        QVERIFY(p.readFullConfig(&m));
        QCOMPARE(ConfigBlock::encode(m, m.ver), sim.flashBlock());
        QCOMPARE(m.crc, ConfigBlock::storedCrc(sim.flashBlock()));

        m.max[0] = 3000;
        m.min[0] = 200;
        m.deadTop[1] = 7;
        m.curve[2] = CurvePoints{0, 5, 10, 20, 30, 40, 50, 60, 70, 85, 100};
        sim.advanceClockUs(200 * 1000);
        QVERIFY(p.writeFullConfig(&m));
        QCOMPARE(sim.flashBlock(), ConfigBlock::encode(m, m.ver));

        // Gone for the restart time; the old handle stays dead afterwards.
        sim.advanceClockUs(5000);
        QCOMPARE(sim.findDevice(), QString());
        sim.advanceClockUs(790000);
        QCOMPARE(sim.findDevice(), QString());
        sim.advanceClockUs(20000);
        QCOMPARE(sim.restartCount(), 1);
        QVERIFY(!sim.writeReport(QByteArray::fromHex("0300")));
        QVERIFY(sim.open(sim.findDevice()));
        sim.setRawValues({200, 0, 0});
        sim.advanceClockUs(2000);
        PedalRuntimeState s;
        QVERIFY(p.readRuntime(&s));
        QCOMPARE(s.axisMin[2], qint16(200)); // throttle echo (wire 2)
        QCOMPARE(s.axisMax[2], qint16(3000));
        QCOMPARE(s.out[0], qint16(-32767));
    }

    void replyWaitsAreBoundedByTime_data()
    {
        QTest::addColumn<bool>("write");
        QTest::addColumn<int>("delayMs");
        QTest::addColumn<bool>("ok");
        QTest::newRow("write, acknowledgements 40 ms late") << true << 40 << true;
        QTest::newRow("read, reply after 250 ms") << false << 260 << false;
        QTest::newRow("write, acknowledgement after 500 ms") << true << 510 << false;
    }
    // With telemetry at 1000 Hz, a wait is counted in time, not in the reports that arrive.
    void replyWaitsAreBoundedByTime()
    {
        QFETCH(bool, write);
        QFETCH(int, delayMs);
        QFETCH(bool, ok);
        Sim sim;
        openVendor(sim);
        QuilbexProtocolV1 p(&sim);
        DeviceConfigModel m;
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
    }

    // 1000 reports a second into a queue that keeps the newest 64; readings, outputs, calibration.
    void telemetry()
    {
        Sim sim;
        openVendor(sim);
        const qint64 opened = sim.clockNs();
        sim.advanceClockUs(10000);
        QCOMPARE(drain(sim).size(), 10);
        QCOMPARE(sim.lastReadTimestampNs(), opened + 10000000);
        sim.advanceClockUs(3600LL * 1000 * 1000);
        QCOMPARE(sim.readReport(0).size(), 31);
        QCOMPARE(sim.lastReadTimestampNs(), opened + 10000000 + 3600LL * 1000000000 - 63 * 1000000);
        QCOMPARE(drain(sim).size(), Sim::kQueueCapacity - 1);
        sim.setTelemetryRateHz(0);
        QVERIFY(sim.readReport(30).isEmpty());
        sim.setTelemetryRateHz(1000);

        DeviceConfigModel model;
        sim.flashConfig(&model);
        model.cali[1] = 0;
        model.min[2] = 111;
        model.max[2] = 2222;
        sim.setFlashBlock(ConfigBlock::encode(model, model.ver));
        QuilbexProtocolV1 p(&sim);
        PedalRuntimeState s;
        for (qint16 tick = 1; tick <= 3; ++tick) {
            const std::array<qint16, 3> raw{qint16(1000 + tick), 2000, 3000};
            sim.setRawValues(raw);
            sim.advanceClockUs(20 * 1000);
            QVERIFY(p.readRuntime(&s));
            QCOMPARE(s.raw, raw);
            QVERIFY(sim.clockNs() - sim.lastReadTimestampNs() <= 1000 * 1000);
        }
        QVERIFY(!p.readRuntime(&s)); // nothing new since the last poll
        QCOMPARE(s.out,
                 (std::array<qint16, 3>{sim.outputFor(0, 1003), sim.outputFor(1, 2000), sim.outputFor(2, 3000)}));
        QCOMPARE(s.axisMin[0], qint16(111)); // wire 0: the clutch
        QCOMPARE(s.axisMax[0], qint16(2222));
        QCOMPARE(s.cail, (std::array<quint8, 3>{1, 0, 1}));
        sim.setExtendedTelemetry(false);
        sim.advanceClockUs(1000);
        QCOMPARE(drain(sim).last().size(), 13);

        // The uncalibrated brake scales the whole ADC range.
        QCOMPARE(sim.outputFor(1, 0), qint16(-32767));
        QVERIFY(qAbs(sim.outputFor(1, 2048)) < 20);
        QCOMPARE(sim.outputFor(1, 4095), qint16(32767));
    }

    void outputSitsOnCurve_data()
    {
        QTest::addColumn<CurvePoints>("curve");
        QTest::addColumn<int>("deadTop");
        QTest::addColumn<int>("deadBot");
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("max");
        QTest::newRow("late, wide deadzones") << presetCurvePoints(3) << 20 << 15 << 500 << 3500;
        QTest::newRow("custom, reversed range")
            << CurvePoints{0, 50, 55, 60, 20, 30, 90, 95, 96, 99, 100} << 5 << 10 << 3600 << 400;
    }
    // What the pedals output is what the curve chart shows for the same reading.
    void outputSitsOnCurve()
    {
        QFETCH(CurvePoints, curve);
        QFETCH(int, deadTop);
        QFETCH(int, deadBot);
        QFETCH(int, min);
        QFETCH(int, max);
        Sim sim;
        DeviceConfigModel model;
        sim.flashConfig(&model);
        for (size_t h = 0; h < 3; ++h) {
            model.curve[h] = curve;
            model.deadTop[h] = quint8(deadTop);
            model.deadBot[h] = quint8(deadBot);
            model.min[h] = qint16(min);
            model.max[h] = qint16(max);
        }
        sim.setFlashBlock(ConfigBlock::encode(model, model.ver));
        for (int raw = 0; raw <= 4095; raw += 37) {
            const double x = pedalInputPercent(qint16(raw), true, qint16(min), qint16(max), deadTop, deadBot);
            const int i = std::min(int(x / 10.0), 9);
            const double expected = curve[size_t(i)] + (curve[size_t(i + 1)] - curve[size_t(i)]) * (x / 10.0 - i);
            for (int h = 0; h < 3; ++h)
                QVERIFY2(qAbs(axisToPercent(sim.outputFor(h, qint16(raw))) - expected) <= 0.01,
                         qPrintable(QStringLiteral("raw %1 host %2").arg(raw).arg(h)));
        }
    }

    // The statuses the update relies on; after a whole image, normal mode with the image's version.
    void firmwareTransfer()
    {
        QByteArray image(150, '\x42');
        Sim sim;
        enterUpdateMode(sim);
        QCOMPARE(send(sim, Bootloader::buildStartReport(0, 0)), 0xF001);
        QCOMPARE(send(sim, Bootloader::buildStartReport(Sim::kMaxFirmwareSize + 1, 0)), 0xF001);
        QCOMPARE(send(sim, piece(image, 1)), 0xF004); // no transfer open

        // Wrong checksum: the end is not verified and the device stays in update mode.
        QCOMPARE(send(sim, start(image, 1)), 1);
        QCOMPARE(send(sim, piece(image, 1)), 2);
        QCOMPARE(send(sim, piece(image, 2)), 3);
        QCOMPARE(send(sim, piece(image, 3)), 0xF002);
        sim.advanceClockUs(2000000);
        QCOMPARE(sim.mode(), Sim::Mode::Update);

        // A lost reply: the re-sent piece gets the same answer; skipping ahead ends the transfer.
        QCOMPARE(send(sim, start(image)), 1);
        sim.dropNextReplies(1);
        QCOMPARE(send(sim, piece(image, 1)), -1);
        QCOMPARE(send(sim, piece(image, 1)), 2);
        QCOMPARE(send(sim, piece(image, 3)), 0xF004);
        QCOMPARE(send(sim, piece(image, 2)), 0xF004);

        image.replace(60, 12, "QBXVER=3.1.9");
        QCOMPARE(send(sim, start(image)), 1);
        for (int k = 1; k <= 3; ++k)
            QCOMPARE(send(sim, piece(image, k)), k < 3 ? k + 1 : 0xF000);
        QCOMPARE(sim.receivedFirmware(), image);
        sim.advanceClockUs(5000);
        QCOMPARE(sim.mode(), Sim::Mode::Absent);
        sim.advanceClockUs(800000);
        QCOMPARE(sim.mode(), Sim::Mode::Normal);
        QCOMPARE(sim.firmwareVersion(), quint16(0x0319));
        QCOMPARE(ConfigBlock::storedCrc(sim.flashBlock()), ConfigBlock::computedCrc(sim.flashBlock()));
    }
};

QTEST_GUILESS_MAIN(TestSimulatedPedals)
#include "tst_simulatedpedals.moc"
