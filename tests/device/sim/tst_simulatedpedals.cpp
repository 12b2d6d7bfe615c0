#include <QtTest>

#include "coordination/DeviceConfigModel.h"
#include "device/ConfigBlock.h"
#include "device/Crc16.h"
#include "device/sim/SimulatedPedals.h"

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

// Opens the vendor interface of a simulator on the manual clock.
void openVendor(SimulatedPedals& sim)
{
    sim.setManualClock(true);
    QCOMPARE(sim.findDevice(), SimulatedPedals::kVendorPath);
    QVERIFY(sim.open(SimulatedPedals::kVendorPath));
}
} // namespace

class TestSimulatedPedals : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void identityAndSelection();
    void configReadReturnsFlash();
    void configWriteStoresAndRestarts();
};

void TestSimulatedPedals::identityAndSelection()
{
    SimulatedPedals sim;
    const QList<HidInterfaceInfo> list = sim.interfaces();
    QCOMPARE(list.size(), 2);
    QCOMPARE(list[0].usagePage, quint16(0x0001));
    QCOMPARE(list[1].usagePage, quint16(0xFF00));
    QCOMPARE(sim.findDevice(), SimulatedPedals::kVendorPath);
    sim.setVidPid(0x7864, 0x5801, false);
    QCOMPARE(sim.findDevice(), SimulatedPedals::kJoystickPath);
    sim.setVidPid(0x0483, 0xBEBA, false);
    QCOMPARE(sim.findDevice(), QString());
}

void TestSimulatedPedals::configReadReturnsFlash()
{
    SimulatedPedals sim;
    openVendor(sim);
    const ConfigBlock::Bytes flash = sim.flashBlock();
    QVERIFY(sim.writeReport(configReadRequest(0)));
    const QByteArray r0 = nextReply(sim, 0x03);
    QCOMPARE(r0.size(), 64);
    QCOMPARE(quint8(r0[1]), quint8(0));
    QCOMPARE(QByteArray(r0.constData() + 2, 62), QByteArray(reinterpret_cast<const char*>(flash.data()), 62));
    QVERIFY(sim.writeReport(configReadRequest(1)));
    const QByteArray r1 = nextReply(sim, 0x03);
    QCOMPARE(quint8(r1[1]), quint8(1));
    QCOMPARE(QByteArray(r1.constData() + 2, 2), QByteArray(reinterpret_cast<const char*>(flash.data()) + 62, 2));
}

void TestSimulatedPedals::configWriteStoresAndRestarts()
{
    SimulatedPedals sim;
    openVendor(sim);
    DeviceConfigModel model;
    sim.flashConfig(&model);
    model.deadTop[0] = 7;
    const ConfigBlock::Bytes block = ConfigBlock::encode(model, model.ver);
    QVERIFY(sim.writeReport(configWriteChunk(block, 0)));
    QCOMPARE(nextReply(sim, 0x04).left(2), QByteArray::fromHex("0400"));
    QVERIFY(sim.writeReport(configWriteChunk(block, 1)));
    QCOMPARE(nextReply(sim, 0x04).left(2), QByteArray::fromHex("0400"));
    QCOMPARE(sim.flashBlock(), block);
    sim.advanceClockUs(5000);
    QCOMPARE(sim.findDevice(), QString());
    QVERIFY(!sim.writeReport(configReadRequest(0)));
    sim.advanceClockUs(800000);
    QCOMPARE(sim.findDevice(), SimulatedPedals::kVendorPath);
    QCOMPARE(sim.restartCount(), 1);
}

QTEST_GUILESS_MAIN(TestSimulatedPedals)
#include "tst_simulatedpedals.moc"
