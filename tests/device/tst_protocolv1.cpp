#include <QtTest>

#include "coordination/DeviceConfigModel.h"
#include "device/ConfigBlock.h"
#include "device/QuilbexProtocolV1.h"
#include "support/ScriptedTransport.h"

namespace {

QByteArray report(int id, int size)
{
    QByteArray r(size, '\0');
    r[0] = char(id);
    return r;
}

QByteArray ack(int status)
{
    QByteArray r = report(0x04, 2);
    r[1] = char(status);
    return r;
}

void put16(QByteArray& r, int offset, qint16 v)
{
    r[offset] = char(quint16(v) & 0xFF);
    r[offset + 1] = char(quint16(v) >> 8);
}

// The device's reply to a read request for one chunk, cut to `size` bytes.
QByteArray readReply(const ConfigBlock::Bytes& block, int chunk, int size = 64)
{
    QByteArray r = report(0x03, 64);
    r[1] = char(chunk);
    for (int i = 0; i < (chunk == 0 ? 62 : 2); ++i)
        r[2 + i] = char(block[size_t(62 * chunk + i)]);
    return r.left(size);
}

// Every field differs between pedals, so a pedal or field in the wrong place shows.
void fill(DeviceConfigModel& m)
{
    for (size_t h = 0; h < 3; ++h) {
        for (size_t i = 0; i < 11; ++i)
            m.curve[h][i] = qint8(h == 0 ? 10 * i : 3 * h + i);
        m.curveType[h] = quint8(h + 1);
        m.filter[h] = quint8(h + 2);
        m.deadTop[h] = quint8(5 + h);
        m.deadBot[h] = quint8(8 + h);
        m.cali[h] = quint8(h != 1);
        m.max[h] = qint16(3000 + h);
        m.min[h] = qint16(200 + h);
    }
    m.ver = 0x0312;
}

using Replies = QList<QByteArray>;

// Answers each request or chunk with the replies scripted for its chunk index.
void script(ScriptedTransport& t, const Replies& chunk0, const Replies& chunk1, int failingWrite = -1)
{
    t.onWrite = [=](ScriptedTransport& tr, const QByteArray& r) {
        if (tr.writes.size() - 1 == failingWrite)
            return false;
        for (const QByteArray& reply : (r[1] == 0 ? chunk0 : chunk1))
            tr.push(reply);
        return true;
    };
}

} // namespace

class TestProtocolV1 : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void writeEncodesBlockLayout_data()
    {
        QTest::addColumn<int>("modelVersion");
        QTest::addColumn<QByteArray>("wireVersion");
        QTest::newRow("version 0 falls back to 0x0206") << 0 << QByteArray::fromHex("0602");
        QTest::newRow("model version kept") << 0x0312 << QByteArray::fromHex("1203");
    }
    void writeEncodesBlockLayout()
    {
        QFETCH(int, modelVersion);
        QFETCH(QByteArray, wireVersion);
        DeviceConfigModel m;
        fill(m);
        m.ver = quint16(modelVersion);
        ScriptedTransport t;
        script(t, {ack(0)}, {ack(0)});
        QVERIFY(QuilbexProtocolV1(&t).writeFullConfig(&m));
        QCOMPARE(t.writes.size(), 2);
        QCOMPARE(t.writes[0].size(), 64);
        QCOMPARE(t.writes[1], QByteArray::fromHex("0401") + t.writes[1].mid(2, 2) + QByteArray(60, '\0'));
        QCOMPARE(t.writes[0].left(2), QByteArray::fromHex("0400"));
        const QByteArray block = t.writes[0].mid(2) + t.writes[1].mid(2, 2);
        // Wire order clutch, brake, throttle: curves, curve types, filters, deadzones top and
        // bottom, calibrated flags, maxima, minima; then version and CRC.
        QCOMPARE(block.left(60).toHex(),
                 QByteArray("060708090a0b0c0d0e0f10030405060708090a0b0c0d000a141e28323c46505a64"
                            "0302010403020706050a0908010001ba0bb90bb80bca00c900c800"));
        QCOMPARE(block.mid(60, 2), wireVersion);
        const auto* b = reinterpret_cast<const quint8*>(block.constData());
        QCOMPARE(quint16(b[62] | (b[63] << 8)), QuilbexProtocolV1::crc16(b, 62));
        QCOMPARE(QuilbexProtocolV1::crc16(reinterpret_cast<const quint8*>("123456789"), 9), quint16(0xBB3D));
        QCOMPARE(m.ver, quint16(modelVersion)); // a write does not store what it sent
    }

    void exchanges_data()
    {
        QTest::addColumn<bool>("write");
        QTest::addColumn<Replies>("chunk0");
        QTest::addColumn<Replies>("chunk1");
        QTest::addColumn<int>("failingWrite");
        QTest::addColumn<bool>("ok");
        DeviceConfigModel source;
        fill(source);
        const ConfigBlock::Bytes b = ConfigBlock::encode(source, 0x0312);
        ConfigBlock::Bytes badCrc = b;
        badCrc[62] ^= 0xFF;
        const QByteArray t13 = report(0x02, 13), good0 = readReply(b, 0), good1 = readReply(b, 1);
        QByteArray otherIndex = good0;
        otherIndex[1] = 7;
        const auto read = [](const char* tag, const Replies& c0, const Replies& c1, bool ok) {
            QTest::newRow(tag) << false << c0 << c1 << -1 << ok;
        };
        const auto write = [](const char* tag, const Replies& c0, const Replies& c1, int failingWrite, bool ok) {
            QTest::newRow(tag) << true << c0 << c1 << failingWrite << ok;
        };
        read("read", {good0}, {good1}, true);
        read("read, 20 telemetry first", Replies(20, t13) << good0, {good1}, true);
        read("read, other chunk index accepted", {otherIndex}, {good1}, true);
        // Fresh pedals may never have stored a CRC: read all the same.
        read("read, stored CRC wrong", {good0}, {readReply(badCrc, 1)}, true);
        read("read, no reply to chunk 1", {good0}, {}, false);
        read("read, 2-byte reply", {readReply(b, 0, 2)}, {good1}, false);
        read("read, 63-byte reply to chunk 0", {readReply(b, 0, 63)}, {good1}, false);
        read("read, short reply, then full", {readReply(b, 0, 40), good0}, {good1}, true);
        read("read, 3-byte reply to chunk 1", {good0}, {readReply(b, 1, 3)}, false);
        read("read, 4-byte reply to chunk 1", {good0}, {readReply(b, 1, 4)}, true);
        write("write", {ack(0)}, {ack(1)}, -1, true);
        write("write, 20 telemetry first", Replies(20, t13) << ack(0), {ack(1)}, -1, true);
        write("write, read reply is no ack", {ack(0)}, Replies(10, report(0x03, 64)), -1, false);
        write("write, CRC rejected", {ack(0)}, {ack(0xFE)}, -1, false);
        write("write, chunk 1 not sent", {ack(0)}, {ack(0)}, 1, false);
    }
    void exchanges()
    {
        QFETCH(bool, write);
        QFETCH(Replies, chunk0);
        QFETCH(Replies, chunk1);
        QFETCH(int, failingWrite);
        QFETCH(bool, ok);
        ScriptedTransport t;
        script(t, chunk0, chunk1, failingWrite);
        DeviceConfigModel m, source;
        fill(source);
        if (write) {
            QCOMPARE(QuilbexProtocolV1(&t).writeFullConfig(&source), ok);
            return;
        }
        m.ver = 0x1111;
        QCOMPARE(QuilbexProtocolV1(&t).readFullConfig(&m), ok);
        QCOMPARE(m.ver, ok ? source.ver : 0x1111); // nothing decoded unless both chunks arrived
        if (ok) {
            QCOMPARE(ConfigBlock::encode(m, 0), ConfigBlock::encode(source, 0)); // every field in place
            const QByteArray crc = chunk1.last().mid(2, 2);
            QCOMPARE(m.crc, quint16(quint8(crc[0]) | quint8(crc[1]) << 8));
        }
    }

    void telemetryReport_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("id");
        QTest::addColumn<bool>("taken");
        QTest::addColumn<bool>("extended");
        QTest::newRow("13 bytes") << 13 << 0x02 << true << false;
        QTest::newRow("30 bytes") << 30 << 0x02 << true << false;
        QTest::newRow("31 bytes") << 31 << 0x02 << true << true;
        QTest::newRow("12 bytes") << 12 << 0x02 << false << false;
        QTest::newRow("config reply") << 64 << 0x03 << false << false;
    }
    void telemetryReport()
    {
        QFETCH(int, size);
        QFETCH(int, id);
        QFETCH(bool, taken);
        QFETCH(bool, extended);
        QByteArray r = report(id, size);
        if (size >= 13) {
            put16(r, 1, 32767); // clutch output
            put16(r, 3, -100);  // brake output
            put16(r, 7, 1111);  // clutch raw
            put16(r, 11, 2345); // throttle raw
        }
        if (size >= 31) {
            put16(r, 13, 111); // axis 0 min, max, flag
            put16(r, 15, 999);
            r[17] = 1;
            put16(r, 25, 222); // axis 2 min, max, flag
            put16(r, 27, 888);
            r[29] = 1;
        }
        ScriptedTransport t;
        t.push(r);
        PedalRuntimeState s;
        s.axisMin = {7, 7, 7};
        s.cail = {9, 9, 9};
        s.hasExtended = true;
        s.raw = {55, 55, 55};
        QCOMPARE(QuilbexProtocolV1(&t).readRuntime(&s), taken);
        QCOMPARE(s.raw, (taken ? std::array<qint16, 3>{2345, 0, 1111} : std::array<qint16, 3>{55, 55, 55}));
        QCOMPARE(s.hasExtended, !taken || extended);
        if (taken) {
            QCOMPARE(s.out[2], qint16(32767));
            QCOMPARE(s.out[1], qint16(-100));
        }
        QCOMPARE(s.axisMin, (extended ? std::array<qint16, 3>{111, 0, 222} : std::array<qint16, 3>{7, 7, 7}));
        QCOMPARE(s.cail, (extended ? std::array<quint8, 3>{1, 0, 1} : std::array<quint8, 3>{9, 9, 9}));
        if (extended)
            QCOMPARE(s.axisMax[2], qint16(888));
    }

    // Polled every 20 ms against 1000 reports a second: the newest reading wins and nothing is
    // left behind to age; the call never waits and never runs unbounded.
    void readRuntimeDrainsToNewest()
    {
        ScriptedTransport t;
        QuilbexProtocolV1 p(&t);
        PedalRuntimeState s;
        QVERIFY(!p.readRuntime(&s));
        for (qint16 seq = 1; seq <= 20; ++seq) {
            QByteArray r = report(0x02, 31);
            put16(r, 11, seq);
            t.push(r);
        }
        QVERIFY(p.readRuntime(&s));
        QCOMPARE(s.raw[0], qint16(20));
        QVERIFY(t.queue.empty());
        QCOMPARE(t.readTimeouts.count(0), t.readTimeouts.size());

        // The newest telemetry decides about the extended records; other reports are ignored.
        QByteArray newest = report(0x02, 13);
        put16(newest, 11, 42);
        s.axisMin = {1, 2, 3};
        t.push(report(0x02, 31));
        t.push(newest);
        t.push(report(0x03, 64));
        QVERIFY(p.readRuntime(&s));
        QCOMPARE(s.raw[0], qint16(42));
        QVERIFY(!s.hasExtended);
        QCOMPARE(s.axisMin, (std::array<qint16, 3>{1, 2, 3}));

        t.onRead = [](ScriptedTransport& tr) { tr.push(report(0x02, 13)); }; // never runs dry
        t.readTimeouts.clear();
        QVERIFY(p.readRuntime(&s));
        QCOMPARE(t.readTimeouts.size(), QuilbexProtocolV1::kDrainLimit);
    }

    void enterUpdateModeCommand()
    {
        ScriptedTransport t;
        QVERIFY(QuilbexProtocolV1(&t).enterUpdateMode());
        QCOMPARE(t.writes,
                 QList<QByteArray>{QByteArray("\x05"
                                              "bootloader run")
                                   + QByteArray(49, '\0')});
        QVERIFY(t.readTimeouts.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestProtocolV1)
#include "tst_protocolv1.moc"
