#include <QtTest>

#include "coordination/DeviceConfigModel.h"
#include "curves/CurveMath.h"
#include "device/ConfigBlock.h"
#include "device/Crc16.h"
#include "device/sim/SimulatedPedals.h"

#include <cstring>
#include <future>
#include <thread>

using Sim = SimulatedPedals;

namespace {
QByteArray report(std::initializer_list<int> head, int size = 64, char fill = 0)
{
    QByteArray r(size, fill);
    int i = 0;
    for (int b : head)
        r[i++] = char(b);
    return r;
}

QByteArray configChunk(const ConfigBlock::Bytes& block, int chunk)
{
    QByteArray r = report({0x04, chunk});
    std::memcpy(r.data() + 2, block.data() + 62 * chunk, chunk == 0 ? 62 : 2);
    return r;
}

QByteArray bootloaderCommand()
{
    QByteArray r = report({0x05});
    std::memcpy(r.data() + 1, "bootloader run", 14);
    return r;
}

quint16 crcOf(const QByteArray& b)
{
    return crc16(reinterpret_cast<const quint8*>(b.constData()), int(b.size()));
}

QByteArray startReport(int size, quint16 crc)
{
    return report({0x04, 0, 0, 0, size & 0xFF, size >> 8, crc & 0xFF, crc >> 8});
}

QByteArray dataReport(int seq, const QByteArray& image)
{
    QByteArray r = report({0x04, seq >> 8, seq & 0xFF, 0}, 64, char(0xFF));
    const QByteArray piece = image.mid(60 * (seq - 1), 60);
    std::memcpy(r.data() + 4, piece.constData(), size_t(piece.size()));
    return r;
}

qint16 le16(const QByteArray& r, int at)
{
    return qint16(quint8(r[at]) | (quint8(r[at + 1]) << 8));
}

// Next report with the given id, skipping telemetry; empty if none came.
QByteArray nextReply(Sim& sim, quint8 id)
{
    for (int i = 0; i < 20; ++i) {
        const QByteArray r = sim.readReport(50);
        if (!r.isEmpty() && quint8(r[0]) == id)
            return r;
    }
    return QByteArray();
}

int nextStatus(Sim& sim)
{
    const QByteArray r = nextReply(sim, 0x04);
    return r.size() < 3 ? -1 : (quint8(r[1]) << 8) | quint8(r[2]);
}

QList<QByteArray> drain(Sim& sim)
{
    QList<QByteArray> out;
    for (QByteArray r = sim.readReport(0); !r.isEmpty(); r = sim.readReport(0))
        out.append(r);
    return out;
}

QByteArray flashBytes(const ConfigBlock::Bytes& b, int from, int n)
{
    return QByteArray(reinterpret_cast<const char*>(b.data()) + from, n);
}

// The curve's output percentage at an input percentage, as the chart draws it.
double curveAt(const CurvePoints& c, double x)
{
    const int i = std::min(int(x / 10.0), 9);
    return c[size_t(i)] + (c[size_t(i + 1)] - c[size_t(i)]) * (x / 10.0 - i);
}

void openVendor(Sim& sim)
{
    sim.setManualClock(true);
    QVERIFY(sim.open(sim.findDevice()));
}

// Switches to update mode and opens it; the switch delay is honoured to the millisecond.
void enterUpdateMode(Sim& sim)
{
    openVendor(sim);
    QVERIFY(sim.writeReport(bootloaderCommand()));
    QVERIFY(!sim.writeReport(report({0x03, 0}, 2)));
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
        const QList<HidInterfaceInfo> list = sim.interfaces();
        QCOMPARE(list.size(), 2);
        QCOMPARE(list[0].usagePage, quint16(0x0001));
        QCOMPARE(list[1].usagePage, quint16(0xFF00));
        QCOMPARE(sim.findDevice(), Sim::kVendorPath);
        sim.setVidPid(Sim::kNormalVid, Sim::kNormalPid, false);
        QCOMPARE(sim.findDevice(), Sim::kJoystickPath);
        sim.setVidPid(Sim::kUpdateVid, Sim::kUpdatePid, false);
        QCOMPARE(sim.findDevice(), QString());
        QVERIFY(!sim.open(Sim::kUpdatePath));
        QCOMPARE(sim.lastOpenError(), IHidTransport::OpenError::NotFound);

        // The joystick interface streams telemetry and ignores vendor requests.
        sim.setManualClock(true);
        QVERIFY(sim.open(Sim::kJoystickPath));
        QVERIFY(sim.writeReport(report({0x03, 0}, 2)));
        QVERIFY(sim.writeReport(bootloaderCommand()));
        sim.advanceClockUs(10000);
        const QList<QByteArray> reports = drain(sim);
        QCOMPARE(reports.size(), 10);
        for (const QByteArray& r : reports)
            QCOMPARE(quint8(r[0]), quint8(0x02));
        QCOMPARE(sim.mode(), Sim::Mode::Normal);
    }

    void configRoundTripAndRestart()
    {
        Sim sim;
        openVendor(sim);
        ConfigBlock::Bytes block = sim.flashBlock();
        QCOMPARE(ConfigBlock::storedCrc(block), ConfigBlock::computedCrc(block));
        for (int chunk = 0; chunk < 2; ++chunk) {
            QVERIFY(sim.writeReport(report({0x03, chunk}, 2)));
            const QByteArray reply = nextReply(sim, 0x03);
            QCOMPARE(reply.size(), 64);
            QCOMPARE(int(reply[1]), chunk);
            QCOMPARE(reply.mid(2, chunk == 0 ? 62 : 2), flashBytes(block, 62 * chunk, chunk == 0 ? 62 : 2));
        }

        DeviceConfigModel model;
        sim.flashConfig(&model);
        model.min[0] = 200;
        model.max[0] = 3000;
        block = ConfigBlock::encode(model, model.ver);
        for (int chunk = 0; chunk < 2; ++chunk) {
            QVERIFY(sim.writeReport(configChunk(block, chunk)));
            QCOMPARE(nextReply(sim, 0x04).left(2), QByteArray::fromHex("0400"));
        }
        QCOMPARE(sim.flashBlock(), block);

        // Gone for the restart time; the old handle stays dead afterwards.
        sim.advanceClockUs(5000);
        QCOMPARE(sim.findDevice(), QString());
        QVERIFY(!sim.writeReport(report({0x03, 0}, 2)));
        drain(sim); // what was sent before the restart
        QVERIFY(sim.readReport(50).isEmpty());
        sim.advanceClockUs(790000);
        QCOMPARE(sim.findDevice(), QString());
        sim.advanceClockUs(20000);
        QCOMPARE(sim.restartCount(), 1);
        QVERIFY(!sim.writeReport(report({0x03, 0}, 2)));
        QVERIFY(sim.open(sim.findDevice()));

        // Back with the new block, applied to telemetry as well.
        sim.setRawValues({200, 0, 0});
        sim.advanceClockUs(2000);
        const QByteArray t = drain(sim).last();
        QCOMPARE(le16(t, 25), qint16(200));  // throttle echo (wire 2): minimum
        QCOMPARE(le16(t, 27), qint16(3000)); // and maximum
        QCOMPARE(le16(t, 5), qint16(-32767));
    }

    void configWriteRejected_data()
    {
        QTest::addColumn<int>("fault");
        QTest::newRow("crc mismatch") << 0;
        QTest::newRow("reject knob") << 1;
        QTest::newRow("chunk 1 alone") << 2;
    }
    void configWriteRejected()
    {
        QFETCH(int, fault);
        Sim sim;
        openVendor(sim);
        sim.setRejectConfigCrc(fault == 1);
        const ConfigBlock::Bytes before = sim.flashBlock();
        ConfigBlock::Bytes block = before;
        block[36] = 6;
        if (fault != 0) {
            const quint16 crc = ConfigBlock::computedCrc(block);
            block[62] = quint8(crc & 0xFF);
            block[63] = quint8(crc >> 8);
        }
        if (fault != 2) {
            QVERIFY(sim.writeReport(configChunk(block, 0)));
            QCOMPARE(nextReply(sim, 0x04).left(2), QByteArray::fromHex("0400"));
        }
        QVERIFY(sim.writeReport(configChunk(block, 1)));
        QCOMPARE(nextReply(sim, 0x04).left(2), QByteArray::fromHex("04fe"));
        sim.advanceClockUs(100000);
        QCOMPARE(sim.flashBlock(), before);
        QCOMPARE(sim.restartCount(), 0);
        QVERIFY(sim.writeReport(report({0x03, 0}, 2))); // still connected
    }

    void telemetryRateAndQueueCap()
    {
        Sim sim;
        openVendor(sim);
        const qint64 opened = sim.clockNs();
        sim.advanceClockUs(10000);
        QCOMPARE(drain(sim).size(), 10);
        QCOMPARE(sim.lastReadTimestampNs(), opened + 10000000);

        // A long pause leaves exactly one queue-full, the newest reports.
        sim.advanceClockUs(3600LL * 1000 * 1000);
        QCOMPARE(sim.readReport(0).size(), 31);
        QCOMPARE(sim.lastReadTimestampNs(), opened + 10000000 + 3600LL * 1000000000 - 63 * 1000000);
        QCOMPARE(drain(sim).size(), Sim::kQueueCapacity - 1);

        sim.setTelemetryRateHz(250);
        const qint64 t0 = sim.clockNs();
        QVERIFY(!sim.readReport(50).isEmpty());
        QCOMPARE(sim.lastReadTimestampNs(), t0 + 4000000);
        sim.setTelemetryRateHz(0);
        QVERIFY(sim.readReport(30).isEmpty());
    }

    void telemetryLayout()
    {
        Sim sim;
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
        // Wire order: clutch, brake, throttle.
        QCOMPARE(le16(r, 7), qint16(3000));
        QCOMPARE(le16(r, 11), qint16(1000));
        QCOMPARE(le16(r, 1), sim.outputFor(2, 3000));
        QCOMPARE(le16(r, 5), sim.outputFor(0, 1000));
        QCOMPARE(le16(r, 13), qint16(111));
        QCOMPARE(le16(r, 15), qint16(2222));
        QCOMPARE(int(r[17]), 1);
        QCOMPARE(int(r[23]), 0);

        sim.setExtendedTelemetry(false);
        sim.advanceClockUs(1000);
        r = drain(sim).last();
        QCOMPARE(r.size(), 13);
        QCOMPARE(le16(r, 11), qint16(1000));

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
        QTest::newRow("linear") << presetCurvePoints(0) << 3 << 3 << 300 << 3800;
        QTest::newRow("s-curve") << presetCurvePoints(1) << 0 << 0 << 300 << 3800;
        QTest::newRow("late, wide deadzones") << presetCurvePoints(3) << 20 << 15 << 500 << 3500;
        QTest::newRow("custom, reversed range")
            << CurvePoints{0, 50, 55, 60, 20, 30, 90, 95, 96, 99, 100} << 5 << 10 << 3600 << 400;
    }
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
            for (int h = 0; h < 3; ++h) {
                const double x = pedalInputPercent(qint16(raw), true, qint16(min), qint16(max), deadTop, deadBot);
                const double y = axisToPercent(sim.outputFor(h, qint16(raw)));
                if (qAbs(y - curveAt(curve, x)) > 0.01)
                    QFAIL(
                        qPrintable(QStringLiteral("raw %1 host %2: in %3 %, out %4 %").arg(raw).arg(h).arg(x).arg(y)));
            }
        }
    }

    void firmwareTransfer_data()
    {
        QTest::addColumn<QByteArray>("image");
        QTest::addColumn<quint16>("version");
        QByteArray tagged(6000, '\x5A');
        tagged.replace(3000, 12, "QBXVER=3.1.9");
        QTest::newRow("tagged version") << tagged << quint16(0x0319);
        QTest::newRow("one piece, no tag") << QByteArray(60, '\x11') << quint16(Sim::kDefaultVersion + 1);
        QTest::newRow("61 bytes, tag out of range")
            << QByteArray("QBXVER=1.16.0").leftJustified(61, '\x22') << quint16(Sim::kDefaultVersion + 1);
        QTest::newRow("largest") << QByteArray(Sim::kMaxFirmwareSize, '\x33') << quint16(Sim::kDefaultVersion + 1);
    }
    void firmwareTransfer()
    {
        QFETCH(QByteArray, image);
        QFETCH(quint16, version);
        Sim sim;
        enterUpdateMode(sim);
        QVERIFY(sim.writeReport(startReport(int(image.size()), crcOf(image))));
        QCOMPARE(nextStatus(sim), 0x0001);
        const int pieces = int((image.size() + 59) / 60);
        for (int k = 1; k <= pieces; ++k) {
            QVERIFY(sim.writeReport(dataReport(k, image)));
            QCOMPARE(nextStatus(sim), k < pieces ? k + 1 : 0xF000);
        }
        QCOMPARE(sim.receivedFirmware(), image);

        // Restarts into normal mode with the new version in a valid block.
        sim.advanceClockUs(5000);
        QCOMPARE(sim.mode(), Sim::Mode::Absent);
        sim.advanceClockUs(800000);
        QCOMPARE(sim.mode(), Sim::Mode::Normal);
        QCOMPARE(sim.firmwareVersion(), version);
        QCOMPARE(ConfigBlock::storedCrc(sim.flashBlock()), ConfigBlock::computedCrc(sim.flashBlock()));
    }

    void firmwareTransferFaults()
    {
        const QByteArray image(150, '\x42');
        Sim sim;
        enterUpdateMode(sim);
        for (int size : {0, Sim::kMaxFirmwareSize + 1}) {
            QVERIFY(sim.writeReport(startReport(size, 0)));
            QCOMPARE(nextStatus(sim), 0xF001);
        }
        QVERIFY(sim.writeReport(dataReport(1, image))); // no transfer open
        QCOMPARE(nextStatus(sim), 0xF004);

        // Wrong checksum: the end is not verified and the device stays in update mode.
        QVERIFY(sim.writeReport(startReport(150, quint16(crcOf(image) ^ 1))));
        QCOMPARE(nextStatus(sim), 1);
        for (int k = 1; k <= 3; ++k) {
            QVERIFY(sim.writeReport(dataReport(k, image)));
            QCOMPARE(nextStatus(sim), k < 3 ? k + 1 : 0xF002);
        }
        sim.advanceClockUs(2000000);
        QCOMPARE(sim.mode(), Sim::Mode::Update);

        // A lost reply: the re-sent piece gets the same answer; skipping ahead ends the transfer.
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

        // Forced replies replace the answer only.
        sim.forceStartStatus(0xF003);
        sim.forceDataStatus(1, 0xF000);
        QVERIFY(sim.writeReport(startReport(150, crcOf(image))));
        QCOMPARE(nextStatus(sim), 0xF003);
        QVERIFY(sim.writeReport(dataReport(1, image)));
        QCOMPARE(nextStatus(sim), 0xF000);
        sim.clearForcedStatuses();
        QVERIFY(sim.writeReport(dataReport(2, image)));
        QCOMPARE(nextStatus(sim), 3);

        // Unplugging leaves update mode.
        sim.unplug();
        sim.plug();
        QCOMPARE(sim.mode(), Sim::Mode::Normal);
    }

    void faultKnobs()
    {
        Sim sim;
        openVendor(sim);
        sim.setTelemetryRateHz(0);
        sim.setShortReplies(2);
        QVERIFY(sim.writeReport(report({0x03, 0}, 2)));
        QCOMPARE(sim.readReport(50), QByteArray::fromHex("0300"));
        sim.setShortReplies(0);

        sim.setReplyDelayMs(120);
        const qint64 sent = sim.clockNs();
        QVERIFY(sim.writeReport(report({0x03, 1}, 2)));
        QVERIFY(sim.readReport(100).isEmpty());
        QCOMPARE(sim.readReport(50).size(), 64);
        QCOMPARE(sim.lastReadTimestampNs(), sent + 120200000);
        sim.setReplyDelayMs(0);

        sim.setDropReplies(true);
        QVERIFY(sim.writeReport(report({0x03, 0}, 2)));
        QVERIFY(sim.readReport(200).isEmpty());
        sim.setDropReplies(false);

        sim.setFailWrites(true);
        QVERIFY(!sim.writeReport(report({0x03, 0}, 2)));
        sim.setFailWrites(false);
        QVERIFY(!sim.writeReport(QByteArray()));
        QCOMPARE(sim.reportsWritten(), 3);
        QCOMPARE(sim.lastWrittenReport(), report({0x03, 0}, 2));

        sim.unplugAtWrite(2);
        QVERIFY(sim.writeReport(report({0x03, 1}, 2)));
        QVERIFY(!sim.writeReport(report({0x03, 0}, 2)));
        QCOMPARE(sim.mode(), Sim::Mode::Absent);
        QCOMPARE(sim.reportsWritten(), 4);
        sim.plug();
        QVERIFY(sim.open(sim.findDevice()));

        // Staying away after a restart lasts until plugged in again.
        sim.setStayAwayAfterRestart(true);
        const ConfigBlock::Bytes block = sim.flashBlock();
        QVERIFY(sim.writeReport(configChunk(block, 0)));
        QVERIFY(sim.writeReport(configChunk(block, 1)));
        sim.advanceClockUs(60LL * 1000 * 1000);
        QCOMPARE(sim.mode(), Sim::Mode::Absent);
        sim.plug();
        QCOMPARE(sim.findDevice(), Sim::kVendorPath);
    }

    void realClockAndSecondThread()
    {
        Sim sim;
        sim.setRestartDelayMs(50);
        sim.setTelemetryRateHz(0);
        QVERIFY(sim.open(sim.findDevice()));

        // A read waiting without limit wakes when this thread starts telemetry.
        auto waiting = std::async(std::launch::async, [&sim] { return sim.readReport(-1); });
        QVERIFY(waiting.wait_for(std::chrono::milliseconds(20)) == std::future_status::timeout);
        sim.setTelemetryRateHz(1000);
        QVERIFY(waiting.wait_for(std::chrono::seconds(10)) == std::future_status::ready);
        QCOMPARE(waiting.get().size(), 31);

        // A worker runs a firmware update while this thread turns knobs and reads state.
        sim.setSwitchDelayMs(10);
        const QByteArray image(6000, '\x7E');
        auto worker = std::async(std::launch::async, [&] {
            if (!sim.writeReport(bootloaderCommand()))
                return QStringLiteral("command");
            sim.setVidPid(Sim::kUpdateVid, Sim::kUpdatePid, false);
            QString path;
            for (int i = 0; i < 1000 && path.isEmpty(); ++i) {
                path = sim.findDevice();
                if (path.isEmpty())
                    std::this_thread::sleep_for(std::chrono::milliseconds(2));
            }
            if (!sim.open(path) || !sim.writeReport(startReport(int(image.size()), crcOf(image)))
                || nextStatus(sim) != 1)
                return QStringLiteral("start");
            for (int k = 1; k <= 100; ++k) {
                if (!sim.writeReport(dataReport(k, image)) || nextStatus(sim) != (k < 100 ? k + 1 : 0xF000))
                    return QStringLiteral("piece %1").arg(k);
            }
            return QString();
        });
        while (worker.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready) {
            sim.setReplyLatencyUs(100 + sim.reportsWritten() % 200);
            (void)sim.interfaces();
            std::this_thread::yield();
        }
        QCOMPARE(worker.get(), QString());
        QCOMPARE(sim.receivedFirmware(), image);
        // The restart ends on its own.
        sim.setVidPid(Sim::kNormalVid, Sim::kNormalPid, true);
        QTRY_COMPARE_WITH_TIMEOUT(sim.findDevice(), Sim::kVendorPath, 5000);
        QCOMPARE(sim.restartCount(), 1);
    }
};

QTEST_GUILESS_MAIN(TestSimulatedPedals)
#include "tst_simulatedpedals.moc"
