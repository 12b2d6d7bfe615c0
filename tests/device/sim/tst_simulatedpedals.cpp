#include <QtTest>

#include "coordination/DeviceConfigModel.h"
#include "curves/CurveMath.h"
#include "device/ConfigBlock.h"
#include "device/Crc16.h"
#include "device/sim/SimulatedPedals.h"

#include <atomic>
#include <cstring>
#include <future>
#include <thread>

namespace {
QByteArray configReadRequest(int chunk)
{
    QByteArray r(2, '\0');
    r[0] = 0x03;
    r[1] = char(chunk);
    return r;
}

QByteArray configWriteChunk(const ConfigBlock::Bytes& block, int chunk)
{
    QByteArray r(64, '\0');
    r[0] = 0x04;
    r[1] = char(chunk);
    if (chunk == 0)
        std::memcpy(r.data() + 2, block.data(), 62);
    else
        std::memcpy(r.data() + 2, block.data() + 62, 2);
    return r;
}

QByteArray bootloaderCommand()
{
    QByteArray r(64, '\0');
    r[0] = 0x05;
    std::memcpy(r.data() + 1, "bootloader run", 14);
    return r;
}

QByteArray startReport(int size, quint16 crc)
{
    QByteArray r(64, '\0');
    r[0] = 0x04;
    r[4] = char(size & 0xFF);
    r[5] = char((size >> 8) & 0xFF);
    r[6] = char(crc & 0xFF);
    r[7] = char(crc >> 8);
    return r;
}

QByteArray dataReport(int seq, const QByteArray& image)
{
    QByteArray r(64, char(0xFF));
    r[0] = 0x04;
    r[1] = char(seq >> 8);
    r[2] = char(seq & 0xFF);
    r[3] = 0;
    const QByteArray piece = image.mid(60 * (seq - 1), 60);
    std::memcpy(r.data() + 4, piece.constData(), size_t(piece.size()));
    return r;
}

quint16 crcOf(const QByteArray& bytes)
{
    return crc16(reinterpret_cast<const quint8*>(bytes.constData()), int(bytes.size()));
}

qint16 le16(const QByteArray& r, int at)
{
    return qint16(quint8(r[at]) | (quint8(r[at + 1]) << 8));
}

// Next report with the given id, skipping telemetry; empty if none within the budget.
QByteArray nextReply(SimulatedPedals& sim, quint8 id, int attempts = 20)
{
    for (int i = 0; i < attempts; ++i) {
        const QByteArray r = sim.readReport(50);
        if (!r.isEmpty() && quint8(r[0]) == id)
            return r;
    }
    return QByteArray();
}

int nextStatus(SimulatedPedals& sim)
{
    const QByteArray r = nextReply(sim, 0x04);
    if (r.size() < 3)
        return -1;
    return (quint8(r[1]) << 8) | quint8(r[2]);
}

QList<QByteArray> drain(SimulatedPedals& sim)
{
    QList<QByteArray> out;
    for (QByteArray r = sim.readReport(0); !r.isEmpty(); r = sim.readReport(0))
        out.append(r);
    return out;
}

// The curve's output percentage at an input percentage, as the chart draws it.
double curveAt(const CurvePoints& c, double inputPercent)
{
    const double x = inputPercent / 10.0;
    const int i = std::min(int(x), 9);
    return c[size_t(i)] + (c[size_t(i + 1)] - c[size_t(i)]) * (x - i);
}
} // namespace

class TestSimulatedPedals : public QObject
{
    Q_OBJECT
private:
    // Opens the vendor interface on the manual clock.
    static void openVendor(SimulatedPedals& sim)
    {
        sim.setManualClock(true);
        QCOMPARE(sim.findDevice(), SimulatedPedals::kVendorPath);
        QVERIFY(sim.open(SimulatedPedals::kVendorPath));
    }

    // Switches to update mode and opens it; the switch delay is honoured to the millisecond.
    static void enterUpdateMode(SimulatedPedals& sim)
    {
        openVendor(sim);
        QVERIFY(sim.writeReport(bootloaderCommand()));
        QVERIFY(!sim.writeReport(configReadRequest(0)));
        QCOMPARE(sim.findDevice(), QString());
        sim.setVidPid(SimulatedPedals::kUpdateVid, SimulatedPedals::kUpdatePid, false);
        sim.advanceClockUs(499000);
        QCOMPARE(sim.findDevice(), QString());
        QCOMPARE(sim.mode(), SimulatedPedals::Mode::Absent);
        sim.advanceClockUs(1000);
        QCOMPARE(sim.findDevice(), SimulatedPedals::kUpdatePath);
        QCOMPARE(sim.mode(), SimulatedPedals::Mode::Update);
        QVERIFY(sim.open(SimulatedPedals::kUpdatePath));
    }

private Q_SLOTS:
    void identityAndSelection();
    void joystickInterfaceStreamsOnly();
    void configReadReturnsFlash();
    void configWriteStoresAndRestarts();
    void configWriteRejected_data();
    void configWriteRejected();
    void stayAwayUntilPlugged();
    void telemetryRateAndQueueCap();
    void telemetryLayout();
    void outputSitsOnCurve_data();
    void outputSitsOnCurve();
    void firmwareTransfer_data();
    void firmwareTransfer();
    void firmwareStartRefused_data();
    void firmwareStartRefused();
    void firmwareTransferFaults();
    void replyFaults();
    void writeFaults();
    void realClockWaits();
    void usedFromSecondThread();
};

void TestSimulatedPedals::identityAndSelection()
{
    SimulatedPedals sim;
    const QList<HidInterfaceInfo> list = sim.interfaces();
    QCOMPARE(list.size(), 2);
    QCOMPARE(list[0].path, SimulatedPedals::kJoystickPath);
    QCOMPARE(list[0].usagePage, quint16(0x0001));
    QCOMPARE(list[1].usagePage, quint16(0xFF00));
    QCOMPARE(list[1].vendorId, quint16(0x7864));
    QCOMPARE(list[1].productId, quint16(0x5801));
    QCOMPARE(sim.findDevice(), SimulatedPedals::kVendorPath);
    sim.setVidPid(0x7864, 0x5801, false);
    QCOMPARE(sim.findDevice(), SimulatedPedals::kJoystickPath);
    sim.setVidPid(0x0483, 0xBEBA, false);
    QCOMPARE(sim.findDevice(), QString());
    QVERIFY(!sim.open(SimulatedPedals::kUpdatePath));
    QCOMPARE(sim.lastOpenError(), IHidTransport::OpenError::NotFound);
    QVERIFY(!sim.isOpen());
}

void TestSimulatedPedals::joystickInterfaceStreamsOnly()
{
    SimulatedPedals sim;
    sim.setManualClock(true);
    QVERIFY(sim.open(SimulatedPedals::kJoystickPath));
    QVERIFY(sim.writeReport(configReadRequest(0)));
    QVERIFY(sim.writeReport(bootloaderCommand()));
    sim.advanceClockUs(10000);
    const QList<QByteArray> reports = drain(sim);
    QCOMPARE(reports.size(), 10);
    for (const QByteArray& r : reports)
        QCOMPARE(quint8(r[0]), quint8(0x02));
    QCOMPARE(sim.mode(), SimulatedPedals::Mode::Normal);
}

void TestSimulatedPedals::configReadReturnsFlash()
{
    SimulatedPedals sim;
    openVendor(sim);
    const ConfigBlock::Bytes flash = sim.flashBlock();
    QCOMPARE(ConfigBlock::storedCrc(flash), ConfigBlock::computedCrc(flash));
    DeviceConfigModel model;
    sim.flashConfig(&model);
    QCOMPARE(model.ver, SimulatedPedals::kDefaultVersion);
    QCOMPARE(model.cali[1], quint8(1));
    QCOMPARE(model.min[0], SimulatedPedals::kRestRaw);
    QCOMPARE(model.max[2], SimulatedPedals::kFullRaw);
    QCOMPARE(model.curve[0], presetCurvePoints(0));

    QVERIFY(sim.writeReport(configReadRequest(0)));
    const QByteArray r0 = nextReply(sim, 0x03);
    QCOMPARE(r0.size(), 64);
    QCOMPARE(quint8(r0[1]), quint8(0));
    QCOMPARE(r0.mid(2), QByteArray(reinterpret_cast<const char*>(flash.data()), 62));
    QVERIFY(sim.writeReport(configReadRequest(1)));
    const QByteArray r1 = nextReply(sim, 0x03);
    QCOMPARE(r1.size(), 64);
    QCOMPARE(quint8(r1[1]), quint8(1));
    QCOMPARE(r1.mid(2, 2), QByteArray(reinterpret_cast<const char*>(flash.data()) + 62, 2));
    QCOMPARE(r1.mid(4), QByteArray(60, '\0'));
}

void TestSimulatedPedals::configWriteStoresAndRestarts()
{
    SimulatedPedals sim;
    openVendor(sim);
    DeviceConfigModel model;
    sim.flashConfig(&model);
    model.deadTop[0] = 7;
    model.min[0] = 200;
    model.max[0] = 3000;
    const ConfigBlock::Bytes block = ConfigBlock::encode(model, model.ver);
    QVERIFY(sim.writeReport(configWriteChunk(block, 0)));
    QCOMPARE(nextReply(sim, 0x04).left(2), QByteArray::fromHex("0400"));
    QVERIFY(sim.writeReport(configWriteChunk(block, 1)));
    QCOMPARE(nextReply(sim, 0x04).left(2), QByteArray::fromHex("0400"));
    QCOMPARE(sim.flashBlock(), block);

    // Gone for the restart time: open handles are dead, nothing is found.
    sim.advanceClockUs(5000);
    QCOMPARE(sim.findDevice(), QString());
    QVERIFY(!sim.writeReport(configReadRequest(0)));
    QVERIFY(drain(sim).size() <= 2); // what was sent before the restart
    QVERIFY(sim.readReport(50).isEmpty());
    sim.advanceClockUs(790000);
    QCOMPARE(sim.findDevice(), QString());
    sim.advanceClockUs(20000);
    QCOMPARE(sim.findDevice(), SimulatedPedals::kVendorPath);
    QCOMPARE(sim.restartCount(), 1);

    // Back with the new block, now applied to telemetry as well.
    QVERIFY(!sim.writeReport(configReadRequest(0))); // the old handle stays dead
    QVERIFY(sim.open(SimulatedPedals::kVendorPath));
    QVERIFY(sim.writeReport(configReadRequest(0)));
    const QByteArray r0 = nextReply(sim, 0x03);
    QCOMPARE(r0.mid(2), QByteArray(reinterpret_cast<const char*>(block.data()), 62));
    sim.setRawValues({200, 0, 0});
    sim.advanceClockUs(2000);
    const QList<QByteArray> telemetry = drain(sim);
    QVERIFY(!telemetry.isEmpty());
    QCOMPARE(le16(telemetry.last(), 25), qint16(200));  // throttle's echo: wire 2 minimum
    QCOMPARE(le16(telemetry.last(), 27), qint16(3000)); // and maximum
    QCOMPARE(le16(telemetry.last(), 5), qint16(-32767));
}

void TestSimulatedPedals::configWriteRejected_data()
{
    QTest::addColumn<bool>("corruptCrc");
    QTest::addColumn<bool>("rejectKnob");
    QTest::addColumn<bool>("skipChunk0");
    QTest::newRow("crc mismatch") << true << false << false;
    QTest::newRow("reject knob") << false << true << false;
    QTest::newRow("chunk 1 alone") << false << false << true;
}

void TestSimulatedPedals::configWriteRejected()
{
    QFETCH(bool, corruptCrc);
    QFETCH(bool, rejectKnob);
    QFETCH(bool, skipChunk0);
    SimulatedPedals sim;
    openVendor(sim);
    sim.setRejectConfigCrc(rejectKnob);
    const ConfigBlock::Bytes before = sim.flashBlock();
    DeviceConfigModel model;
    sim.flashConfig(&model);
    model.filter[1] = 6;
    ConfigBlock::Bytes block = ConfigBlock::encode(model, model.ver);
    if (corruptCrc)
        block[62] ^= 0x01;
    if (!skipChunk0) {
        QVERIFY(sim.writeReport(configWriteChunk(block, 0)));
        QCOMPARE(nextReply(sim, 0x04).left(2), QByteArray::fromHex("0400"));
    }
    QVERIFY(sim.writeReport(configWriteChunk(block, 1)));
    QCOMPARE(nextReply(sim, 0x04).left(2), QByteArray::fromHex("04fe"));
    QCOMPARE(sim.flashBlock(), before);
    sim.advanceClockUs(100000);
    QCOMPARE(sim.restartCount(), 0);
    QVERIFY(sim.writeReport(configReadRequest(0))); // still connected
}

void TestSimulatedPedals::stayAwayUntilPlugged()
{
    SimulatedPedals sim;
    openVendor(sim);
    sim.setStayAwayAfterRestart(true);
    const ConfigBlock::Bytes block = sim.flashBlock();
    QVERIFY(sim.writeReport(configWriteChunk(block, 0)));
    QVERIFY(sim.writeReport(configWriteChunk(block, 1)));
    sim.advanceClockUs(60 * 1000 * 1000);
    QCOMPARE(sim.mode(), SimulatedPedals::Mode::Absent);
    sim.plug();
    QCOMPARE(sim.findDevice(), SimulatedPedals::kVendorPath);

    // A plain unplug kills the handle at once; plug brings the pedals back.
    QVERIFY(sim.open(SimulatedPedals::kVendorPath));
    sim.unplug();
    QVERIFY(sim.interfaces().isEmpty());
    QVERIFY(!sim.writeReport(configReadRequest(0)));
    QVERIFY(sim.readReport(10).isEmpty());
    sim.plug();
    QVERIFY(sim.open(sim.findDevice()));
    QVERIFY(sim.writeReport(configReadRequest(0)));
}

void TestSimulatedPedals::telemetryRateAndQueueCap()
{
    SimulatedPedals sim;
    openVendor(sim);
    const qint64 opened = sim.clockNs();
    sim.advanceClockUs(10000);
    QList<QByteArray> reports = drain(sim);
    QCOMPARE(reports.size(), 10);
    QCOMPARE(sim.lastReadTimestampNs(), opened + 10000000);

    // A long pause leaves exactly one queue-full, the newest reports.
    sim.advanceClockUs(3600LL * 1000 * 1000);
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(sim.readReport(0).size(), 31);
    QVERIFY(timer.elapsed() < 1000);
    QCOMPARE(sim.lastReadTimestampNs(), opened + 10000000 + 3600LL * 1000000000 - 63 * 1000000);
    QCOMPARE(drain(sim).size(), SimulatedPedals::kQueueCapacity - 1);

    // A waiting read delivers the next report one period later.
    sim.setTelemetryRateHz(250);
    const qint64 t0 = sim.clockNs();
    QVERIFY(!sim.readReport(50).isEmpty());
    QCOMPARE(sim.lastReadTimestampNs(), t0 + 4000000);
    QVERIFY(!sim.readReport(50).isEmpty());
    QCOMPARE(sim.lastReadTimestampNs(), t0 + 8000000);

    sim.setTelemetryRateHz(0);
    QVERIFY(sim.readReport(30).isEmpty());
    QVERIFY(sim.readReport(-1).isEmpty()); // nothing can ever come on the manual clock
}

void TestSimulatedPedals::telemetryLayout()
{
    SimulatedPedals sim;
    openVendor(sim);
    DeviceConfigModel model;
    sim.flashConfig(&model);
    model.cali[1] = 0;
    model.min[2] = 111;
    model.max[2] = 2222;
    sim.setFlashBlock(ConfigBlock::encode(model, model.ver));
    sim.setRawValues({1000, 2000, 3000});
    sim.advanceClockUs(1000);
    QByteArray r = drain(sim).last();
    QCOMPARE(r.size(), 31);
    QCOMPARE(quint8(r[0]), quint8(0x02));
    // Raw readings in wire order: clutch, brake, throttle.
    QCOMPARE(le16(r, 7), qint16(3000));
    QCOMPARE(le16(r, 9), qint16(2000));
    QCOMPARE(le16(r, 11), qint16(1000));
    QCOMPARE(le16(r, 1), sim.outputFor(2, 3000));
    QCOMPARE(le16(r, 5), sim.outputFor(0, 1000));
    // Per-axis echo in wire order: minimum, maximum, calibrated flag.
    QCOMPARE(le16(r, 13), qint16(111));
    QCOMPARE(le16(r, 15), qint16(2222));
    QCOMPARE(quint8(r[17]), quint8(1));
    QCOMPARE(quint8(r[23]), quint8(0));
    QCOMPARE(le16(r, 25), SimulatedPedals::kRestRaw);
    QCOMPARE(le16(r, 27), SimulatedPedals::kFullRaw);

    sim.setExtendedTelemetry(false);
    sim.advanceClockUs(1000);
    r = drain(sim).last();
    QCOMPARE(r.size(), 13);
    QCOMPARE(le16(r, 11), qint16(1000));

    // Uncalibrated pedals scale the ADC range; the brake at half travel sits mid-curve.
    sim.setRawValues({0, 2047, 4095});
    QCOMPARE(sim.outputFor(1, 0), qint16(-32767));
    QVERIFY(qAbs(sim.outputFor(1, 2048)) < 20);
    QCOMPARE(sim.outputFor(1, 4095), qint16(32767));
}

void TestSimulatedPedals::outputSitsOnCurve_data()
{
    QTest::addColumn<CurvePoints>("curve");
    QTest::addColumn<int>("deadTop");
    QTest::addColumn<int>("deadBot");
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::newRow("linear") << presetCurvePoints(0) << 3 << 3 << 300 << 3800;
    QTest::newRow("s-curve") << presetCurvePoints(1) << 0 << 0 << 300 << 3800;
    QTest::newRow("late, wide deadzones") << presetCurvePoints(3) << 20 << 15 << 500 << 3500;
    QTest::newRow("custom, reversed range") << CurvePoints{0, 50, 55, 60, 20, 30, 90, 95, 96, 99, 100} << 5 << 10
                                            << 3600 << 400;
}

void TestSimulatedPedals::outputSitsOnCurve()
{
    QFETCH(CurvePoints, curve);
    QFETCH(int, deadTop);
    QFETCH(int, deadBot);
    QFETCH(int, min);
    QFETCH(int, max);
    SimulatedPedals sim;
    DeviceConfigModel model;
    sim.flashConfig(&model);
    for (int h = 0; h < 3; ++h) {
        model.curve[size_t(h)] = curve;
        model.curveType[size_t(h)] = 4;
        model.deadTop[size_t(h)] = quint8(deadTop);
        model.deadBot[size_t(h)] = quint8(deadBot);
        model.min[size_t(h)] = qint16(min);
        model.max[size_t(h)] = qint16(max);
    }
    sim.setFlashBlock(ConfigBlock::encode(model, model.ver));
    for (int raw = 0; raw <= 4095; raw += 37) {
        for (int h = 0; h < 3; ++h) {
            const double x = pedalInputPercent(qint16(raw), true, qint16(min), qint16(max), deadTop, deadBot);
            const double y = axisToPercent(sim.outputFor(h, qint16(raw)));
            if (qAbs(y - curveAt(curve, x)) > 0.01)
                QFAIL(qPrintable(QStringLiteral("raw %1 host %2: input %3 %, output %4 %, curve %5 %")
                                     .arg(raw).arg(h).arg(x).arg(y).arg(curveAt(curve, x))));
        }
    }
}

void TestSimulatedPedals::firmwareTransfer_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<quint16>("version");
    QByteArray tagged(6000, '\x5A');
    tagged.replace(3000, 12, "QBXVER=3.1.9");
    QTest::newRow("tagged version") << tagged << quint16(0x0319);
    QTest::newRow("one piece, no tag") << QByteArray(60, '\x11') << quint16(SimulatedPedals::kDefaultVersion + 1);
    QTest::newRow("61 bytes, tag out of range") << QByteArray("QBXVER=1.16.0").leftJustified(61, '\x22')
                                                 << quint16(SimulatedPedals::kDefaultVersion + 1);
    QTest::newRow("largest") << QByteArray(SimulatedPedals::kMaxFirmwareSize, '\x33')
                             << quint16(SimulatedPedals::kDefaultVersion + 1);
}

void TestSimulatedPedals::firmwareTransfer()
{
    QFETCH(QByteArray, image);
    QFETCH(quint16, version);
    SimulatedPedals sim;
    enterUpdateMode(sim);
    QVERIFY(sim.writeReport(startReport(int(image.size()), crcOf(image))));
    QCOMPARE(nextStatus(sim), 0x0001);
    const int pieces = int((image.size() + 59) / 60);
    for (int k = 1; k <= pieces; ++k) {
        QVERIFY(sim.writeReport(dataReport(k, image)));
        const QByteArray reply = nextReply(sim, 0x04);
        QCOMPARE(reply.size(), 64);
        const int status = (quint8(reply[1]) << 8) | quint8(reply[2]);
        QCOMPARE(status, k < pieces ? k + 1 : 0xF000);
    }
    QCOMPARE(sim.receivedFirmware(), image);

    // Restarts into normal mode with the new version in its block.
    sim.advanceClockUs(5000);
    QCOMPARE(sim.mode(), SimulatedPedals::Mode::Absent);
    QVERIFY(!sim.writeReport(startReport(60, 0)));
    sim.advanceClockUs(800000);
    QCOMPARE(sim.mode(), SimulatedPedals::Mode::Normal);
    sim.setVidPid(SimulatedPedals::kNormalVid, SimulatedPedals::kNormalPid, true);
    QCOMPARE(sim.findDevice(), SimulatedPedals::kVendorPath);
    QCOMPARE(sim.firmwareVersion(), version);
    const ConfigBlock::Bytes flash = sim.flashBlock();
    QCOMPARE(ConfigBlock::storedCrc(flash), ConfigBlock::computedCrc(flash));
}

void TestSimulatedPedals::firmwareStartRefused_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("empty") << 0;
    QTest::newRow("one byte too many") << SimulatedPedals::kMaxFirmwareSize + 1;
}

void TestSimulatedPedals::firmwareStartRefused()
{
    QFETCH(int, size);
    SimulatedPedals sim;
    enterUpdateMode(sim);
    QVERIFY(sim.writeReport(startReport(size, 0)));
    QCOMPARE(nextStatus(sim), 0xF001);
    // No transfer was opened: data is out of sequence.
    QVERIFY(sim.writeReport(dataReport(1, QByteArray(60, 'x'))));
    QCOMPARE(nextStatus(sim), 0xF004);
}

void TestSimulatedPedals::firmwareTransferFaults()
{
    const QByteArray image(150, '\x42');
    SimulatedPedals sim;
    enterUpdateMode(sim);

    // Wrong checksum: every piece accepted, the end not verified, no restart.
    QVERIFY(sim.writeReport(startReport(150, quint16(crcOf(image) ^ 1))));
    QCOMPARE(nextStatus(sim), 1);
    QVERIFY(sim.writeReport(dataReport(1, image)));
    QCOMPARE(nextStatus(sim), 2);
    QVERIFY(sim.writeReport(dataReport(2, image)));
    QCOMPARE(nextStatus(sim), 3);
    QVERIFY(sim.writeReport(dataReport(3, image)));
    QCOMPARE(nextStatus(sim), 0xF002);
    sim.advanceClockUs(2000000);
    QCOMPARE(sim.mode(), SimulatedPedals::Mode::Update);

    // A lost reply: the host re-sends the same piece and gets the same answer; skipping ahead
    // is out of sequence and ends the transfer.
    QVERIFY(sim.writeReport(startReport(150, crcOf(image))));
    QCOMPARE(nextStatus(sim), 1);
    sim.dropNextReplies(1);
    QVERIFY(sim.writeReport(dataReport(1, image)));
    QCOMPARE(nextStatus(sim), -1);
    QVERIFY(sim.writeReport(dataReport(1, image)));
    QCOMPARE(nextStatus(sim), 2);
    QVERIFY(sim.writeReport(dataReport(3, image)));
    QCOMPARE(nextStatus(sim), 0xF004);
    QVERIFY(sim.writeReport(dataReport(2, image)));
    QCOMPARE(nextStatus(sim), 0xF004);

    // Forced replies override the answer only.
    sim.forceStartStatus(0xF003);
    sim.forceDataStatus(1, 0xF000);
    QVERIFY(sim.writeReport(startReport(150, crcOf(image))));
    QCOMPARE(nextStatus(sim), 0xF003);
    QVERIFY(sim.writeReport(dataReport(1, image)));
    QCOMPARE(nextStatus(sim), 0xF000);
    sim.clearForcedStatuses();
    QVERIFY(sim.writeReport(dataReport(2, image)));
    QCOMPARE(nextStatus(sim), 3);
    QCOMPARE(sim.mode(), SimulatedPedals::Mode::Update);

    // Unplugging leaves update mode.
    sim.unplug();
    sim.plug();
    QCOMPARE(sim.mode(), SimulatedPedals::Mode::Normal);
}

void TestSimulatedPedals::replyFaults()
{
    SimulatedPedals sim;
    openVendor(sim);
    sim.setTelemetryRateHz(0);

    sim.setShortReplies(2);
    QVERIFY(sim.writeReport(configReadRequest(0)));
    QCOMPARE(sim.readReport(50), QByteArray::fromHex("0300"));
    sim.setShortReplies(0);

    sim.setReplyDelayMs(120);
    const qint64 sent = sim.clockNs();
    QVERIFY(sim.writeReport(configReadRequest(1)));
    QVERIFY(sim.readReport(50).isEmpty());
    QVERIFY(sim.readReport(50).isEmpty());
    QCOMPARE(sim.readReport(50).size(), 64);
    QCOMPARE(sim.lastReadTimestampNs(), sent + 120200000);
    sim.setReplyDelayMs(0);

    sim.setDropReplies(true);
    QVERIFY(sim.writeReport(configReadRequest(0)));
    QVERIFY(sim.readReport(200).isEmpty());
    sim.setDropReplies(false);
    sim.dropNextReplies(2);
    for (int chunk = 0; chunk < 3; ++chunk)
        QVERIFY(sim.writeReport(configReadRequest(chunk % 2)));
    QCOMPARE(drain(sim).size(), 0);
    QCOMPARE(sim.readReport(50).size(), 64);
}

void TestSimulatedPedals::writeFaults()
{
    SimulatedPedals sim;
    openVendor(sim);
    QVERIFY(!sim.writeReport(QByteArray()));
    sim.setFailWrites(true);
    QVERIFY(!sim.writeReport(configReadRequest(0)));
    sim.setFailWrites(false);
    QCOMPARE(sim.reportsWritten(), 0);

    sim.unplugAtWrite(3);
    QVERIFY(sim.writeReport(configReadRequest(0)));
    QVERIFY(sim.writeReport(configReadRequest(1)));
    QVERIFY(!sim.writeReport(configReadRequest(0)));
    QCOMPARE(sim.mode(), SimulatedPedals::Mode::Absent);
    QCOMPARE(sim.reportsWritten(), 2);
    QCOMPARE(sim.writtenReports(), (QList<QByteArray>{configReadRequest(0), configReadRequest(1)}));
    QCOMPARE(sim.lastWrittenReport(), configReadRequest(1));
    // Replies already sent before the unplug can still be read, then nothing.
    QVERIFY(sim.isOpen());
    sim.close();
    QVERIFY(!sim.isOpen());
    QVERIFY(sim.readReport(10).isEmpty());
}

void TestSimulatedPedals::realClockWaits()
{
    SimulatedPedals sim;
    QVERIFY(sim.open(sim.findDevice()));
    QElapsedTimer timer;
    timer.start();
    int got = 0;
    while (got < 50 && timer.elapsed() < 10000) {
        if (!sim.readReport(100).isEmpty())
            ++got;
    }
    QCOMPARE(got, 50);
    // A reply arrives among the telemetry within the read loop of the protocol.
    drain(sim);
    QVERIFY(sim.writeReport(configReadRequest(0)));
    QCOMPARE(nextReply(sim, 0x03, 1000).size(), 64);

    // The restart ends and the pedals come back on their own.
    sim.setRestartDelayMs(50);
    const ConfigBlock::Bytes block = sim.flashBlock();
    QVERIFY(sim.writeReport(configWriteChunk(block, 0)));
    QVERIFY(sim.writeReport(configWriteChunk(block, 1)));
    QTRY_COMPARE_WITH_TIMEOUT(sim.restartCount(), 1, 5000);
    QTRY_COMPARE_WITH_TIMEOUT(sim.findDevice(), SimulatedPedals::kVendorPath, 5000);
}

void TestSimulatedPedals::usedFromSecondThread()
{
    SimulatedPedals sim;
    sim.setTelemetryRateHz(0);
    QVERIFY(sim.open(sim.findDevice()));

    // A read waiting without limit wakes when the knob on this thread starts telemetry.
    auto waiting = std::async(std::launch::async, [&sim] { return sim.readReport(-1); });
    QVERIFY(waiting.wait_for(std::chrono::milliseconds(20)) == std::future_status::timeout);
    sim.setTelemetryRateHz(1000);
    QVERIFY(waiting.wait_for(std::chrono::seconds(10)) == std::future_status::ready);
    QCOMPARE(waiting.get().size(), 31);

    // A worker drives a firmware transfer while this thread turns knobs and reads state.
    sim.setSwitchDelayMs(10);
    sim.setRestartDelayMs(10);
    const QByteArray image(6000, '\x7E');
    std::atomic<bool> stop{false};
    auto worker = std::async(std::launch::async, [&] {
        if (!sim.writeReport(bootloaderCommand()))
            return QStringLiteral("command");
        sim.close();
        sim.setVidPid(SimulatedPedals::kUpdateVid, SimulatedPedals::kUpdatePid, false);
        QString path;
        for (int i = 0; i < 1000 && path.isEmpty(); ++i) {
            path = sim.findDevice();
            if (path.isEmpty())
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        if (!sim.open(path) || !sim.writeReport(startReport(int(image.size()), crcOf(image))))
            return QStringLiteral("open");
        if (nextStatus(sim) != 1)
            return QStringLiteral("start");
        for (int k = 1; k <= 100; ++k) {
            if (!sim.writeReport(dataReport(k, image)) || nextStatus(sim) != (k < 100 ? k + 1 : 0xF000))
                return QStringLiteral("piece %1").arg(k);
        }
        return QString();
    });
    while (worker.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready) {
        sim.setReplyLatencyUs(100 + sim.reportsWritten() % 200);
        sim.setMotion(SimulatedPedals::Motion::Sweep);
        (void)sim.interfaces();
        (void)sim.flashBlock();
        std::this_thread::yield();
    }
    stop = true;
    QCOMPARE(worker.get(), QString());
    QCOMPARE(sim.receivedFirmware(), image);
}

QTEST_GUILESS_MAIN(TestSimulatedPedals)
#include "tst_simulatedpedals.moc"
