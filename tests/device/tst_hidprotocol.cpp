// The pedals' interface as the tool picks and opens it, and protocol V1's bytes on it.
#include <QTemporaryDir>
#include <QtTest>

#include "coordination/DeviceConfigModel.h"
#include "device/ConfigBlock.h"
#include "device/HidapiTransport.h"
#include "device/QuilbexProtocolV1.h"
#include "support/ScriptedTransport.h"

using Replies = QList<QByteArray>;
using Interfaces = QList<HidInterfaceInfo>;
Q_DECLARE_METATYPE(HidInterfaceInfo)

class TestHidProtocol : public QObject
{
    Q_OBJECT

    static QByteArray report(int id, int size) { return QByteArray(1, char(id)) + QByteArray(size - 1, '\0'); }
    static QByteArray ack(int status) { return QByteArray(1, '\x04') + char(status); }
    // The device's reply to a read request for one chunk, cut to `size` bytes.
    static QByteArray readReply(const ConfigBlock::Bytes& b, int chunk, int size = 64)
    {
        const auto* payload = reinterpret_cast<const char*>(b.data()) + 62 * chunk;
        return (QByteArray(1, '\x03') + char(chunk) + QByteArray(payload, chunk == 0 ? 62 : 2))
            .leftJustified(64, '\0')
            .left(size);
    }
    // Every field differs between pedals, so a pedal or field in the wrong place shows.
    static void fill(DeviceConfigModel& m)
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
    // Answers each request or chunk with the replies scripted for its chunk index.
    static void script(ScriptedTransport& t, const Replies& chunk0, const Replies& chunk1, int failingWrite = -1)
    {
        t.onWrite = [=](ScriptedTransport& tr, const QByteArray& r) {
            for (const QByteArray& reply : (r[1] == 0 ? chunk0 : chunk1))
                tr.push(reply);
            return tr.writes.size() - 1 != failingWrite;
        };
    }

private Q_SLOTS:
    void selection_data()
    {
        QTest::addColumn<Interfaces>("interfaces");
        QTest::addColumn<bool>("updateMode");
        QTest::addColumn<bool>("filter");
        QTest::addColumn<int>("expected");
        const auto iface = [](quint16 vid, quint16 pid, quint16 page) {
            return HidInterfaceInfo{QString(), vid, pid, page, 0};
        };
        const HidInterfaceInfo joystick = iface(0x7864, 0x5801, 0x0001), vendor = iface(0x7864, 0x5801, 0xFF00),
                               vendorHigh = iface(0x7864, 0x5801, 0xFFA0), noCaps = iface(0x0483, 0xBEBA, 0),
                               foreign = iface(0x1234, 0x5801, 0xFF00), sibling = iface(0x7864, 0x5802, 0xFF00);
        const auto row = [](const char* tag, const Interfaces& list, bool updateMode, bool filter, int expected) {
            QTest::newRow(tag) << list << updateMode << filter << expected;
        };
        row("empty", {}, false, true, -1);
        row("filter on, only joystick page", {joystick}, false, true, -1);
        row("filter on skips joystick", {joystick, vendor}, false, true, 1);
        row("first vendor interface wins", {joystick, vendorHigh, vendor}, false, true, 1);
        row("wrong ids skipped", {foreign, sibling, vendor}, false, true, 2);
        row("filter off takes first id match", {joystick, vendor}, false, false, 0);
        row("update mode, capabilities unavailable", {joystick, noCaps}, true, false, 1);
        row("filter on, update mode without vendor page", {noCaps}, true, true, -1);
    }
    void selection()
    {
        QFETCH(Interfaces, interfaces);
        QFETCH(bool, updateMode);
        QFETCH(bool, filter);
        QFETCH(int, expected);
        QCOMPARE(selectHidInterface(interfaces, updateMode ? 0x0483 : 0x7864, updateMode ? 0xBEBA : 0x5801, filter),
                 expected);
    }

    // Paths that are not hidraw nodes fail cleanly (the hidraw backend would crash on some) and
    // say why; no pedals here; closed, nothing is written and no read waits.
    void transportWithoutPedals()
    {
        using E = IHidTransport::OpenError;
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("hidraw7")));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("x") == 1);
        const QStringList paths{"/nonexistent", "", "/dev/null", file.fileName(), dir.path()};
        HidapiTransport t;
        QCOMPARE(t.lastOpenError(), E::Ok);
        for (int i = 0; i < paths.size(); ++i) {
            QVERIFY(!t.open(paths[i]));
            QCOMPARE(t.lastOpenError(), i < 2 ? E::NotFound : E::OtherError);
        }
        QVERIFY(!t.isOpen());
        QVERIFY(t.findDevice().isEmpty());
        QVERIFY(!t.writeReport(QByteArray(64, '\x04')));
        QVERIFY(t.readReport(-1).isEmpty());
    }

    void writeEncodesBlockLayout()
    {
        DeviceConfigModel m;
        fill(m);
        ScriptedTransport t;
        script(t, {ack(0)}, {ack(0)});
        QuilbexProtocolV1 p(&t);
        QVERIFY(p.writeFullConfig(&m));
        QCOMPARE(t.writes.size(), 2);
        QCOMPARE(t.writes[0].size(), 64);
        QCOMPARE(t.writes[0].left(2), QByteArray::fromHex("0400"));
        QCOMPARE(t.writes[1], QByteArray::fromHex("0401") + t.writes[1].mid(2, 2) + QByteArray(60, '\0'));
        const QByteArray block = t.writes[0].mid(2) + t.writes[1].mid(2, 2);
        // Wire order clutch, brake, throttle: curves, curve types, filters, deadzones top and
        // bottom, calibrated flags, maxima, minima; then version and CRC.
        QCOMPARE(block.left(62).toHex(),
                 QByteArray("060708090a0b0c0d0e0f10030405060708090a0b0c0d000a141e28323c46505a64"
                            "0302010403020706050a0908010001ba0bb90bb80bca00c900c8001203"));
        const auto* b = reinterpret_cast<const quint8*>(block.constData());
        QCOMPARE(quint16(b[62] | (b[63] << 8)), QuilbexProtocolV1::crc16(b, 62));
        QCOMPARE(QuilbexProtocolV1::crc16(reinterpret_cast<const quint8*>("123456789"), 9), quint16(0xBB3D));

        m.ver = 0; // never read: the fallback version goes out, the model keeps its own
        QVERIFY(p.writeFullConfig(&m));
        QCOMPARE(t.writes[2].mid(62, 2), QByteArray::fromHex("0602"));
        QCOMPARE(m.ver, quint16(0));
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
        const QByteArray good0 = readReply(b, 0), good1 = readReply(b, 1);
        const auto read = [](const char* tag, const Replies& c0, const Replies& c1, bool ok) {
            QTest::newRow(tag) << false << c0 << c1 << -1 << ok;
        };
        const auto write = [](const char* tag, const Replies& c0, const Replies& c1, int failingWrite, bool ok) {
            QTest::newRow(tag) << true << c0 << c1 << failingWrite << ok;
        };
        read("read", {good0}, {good1}, true);
        read("read, telemetry first", Replies(20, report(0x02, 13)) << good0, {good1}, true);
        read("read, other chunk index accepted", {QByteArray(good0).replace(1, 1, "\x07")}, {good1}, true);
        read("read, other report id ignored", {QByteArray(good0).replace(0, 1, "\x06")}, {good1}, false);
        // Fresh pedals may never have stored a CRC: read all the same.
        read("read, stored CRC wrong", {good0}, {readReply(badCrc, 1)}, true);
        read("read, no reply to chunk 1", {good0}, {}, false);
        read("read, 2-byte reply", {readReply(b, 0, 2)}, {good1}, false);
        read("read, 63-byte reply to chunk 0", {readReply(b, 0, 63)}, {good1}, false);
        read("read, short reply, then full", {readReply(b, 0, 40), good0}, {good1}, true);
        read("read, 3-byte reply to chunk 1", {good0}, {readReply(b, 1, 3)}, false);
        read("read, 4-byte reply to chunk 1", {good0}, {readReply(b, 1, 4)}, true);
        write("write", {ack(0)}, {ack(1)}, -1, true);
        write("write, telemetry first", Replies(20, report(0x02, 13)) << ack(0), {ack(1)}, -1, true);
        write("write, read reply is no ack", {ack(0)}, Replies(10, report(0x03, 64)), -1, false);
        write("write, CRC rejected", {ack(0)}, {ack(0xFE)}, -1, false);
        write("write, chunk 1 not sent", {ack(0)}, {}, 1, false);
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
            QCOMPARE(ConfigBlock::encode(m, 0), ConfigBlock::encode(source, 0));                // every field in place
            QCOMPARE(m.crc, quint16(quint8(chunk1.last()[2]) | quint8(chunk1.last()[3]) << 8)); // as stored
        }
    }

    void telemetryReport_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("id");
        QTest::addColumn<bool>("taken");
        QTest::newRow("13 bytes") << 13 << 0x02 << true;
        QTest::newRow("30 bytes") << 30 << 0x02 << true;
        QTest::newRow("31 bytes: calibration records") << 31 << 0x02 << true;
        QTest::newRow("12 bytes") << 12 << 0x02 << false;
        QTest::newRow("configuration reply") << 31 << 0x03 << false;
    }
    void telemetryReport()
    {
        QFETCH(int, size);
        QFETCH(int, id);
        QFETCH(bool, taken);
        // Wire order: outputs, raw readings, then each axis's calibrated minimum, maximum, flag.
        QByteArray r = QByteArray::fromHex("02ff7f9cff0100570402002909"
                                           "6f00e7030100000000000000de0078030100")
                           .left(size);
        r[0] = char(id);
        ScriptedTransport t;
        t.push(r);
        PedalRuntimeState s;
        s.axisMin = {7, 7, 7};
        s.hasExtended = true;
        s.raw = {55, 55, 55};
        const bool extended = taken && size == 31;
        QCOMPARE(QuilbexProtocolV1(&t).readRuntime(&s), taken);
        QCOMPARE(s.raw, (taken ? std::array<qint16, 3>{2345, 2, 1111} : std::array<qint16, 3>{55, 55, 55}));
        QCOMPARE(s.hasExtended, !taken || extended);
        QCOMPARE(s.axisMin, (extended ? std::array<qint16, 3>{111, 0, 222} : std::array<qint16, 3>{7, 7, 7}));
        if (taken)
            QCOMPARE(s.out, (std::array<qint16, 3>{1, -100, 32767}));
        if (extended) {
            QCOMPARE(s.axisMax, (std::array<qint16, 3>{999, 0, 888}));
            QCOMPARE(s.cail, (std::array<quint8, 3>{1, 0, 1}));
        }
    }

    // Polled every 20 ms: the newest reading wins, nothing is left to age, nothing waits or runs unbounded.
    void readRuntimeDrainsToNewest()
    {
        ScriptedTransport t;
        QuilbexProtocolV1 p(&t);
        PedalRuntimeState s;
        QVERIFY(!p.readRuntime(&s));
        for (char seq = 1; seq <= 20; ++seq)
            t.push(report(0x02, 31).replace(11, 1, &seq, 1));
        QVERIFY(p.readRuntime(&s));
        QCOMPARE(s.raw[0], qint16(20));
        QVERIFY(t.queue.empty());
        QCOMPARE(t.readTimeouts.count(0), t.readTimeouts.size());

        // The newest telemetry decides about the extended records; other reports are ignored.
        s.axisMin = {1, 2, 3};
        t.push(report(0x02, 31));
        t.push(report(0x02, 13).replace(11, 1, "*", 1)); // 42
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
                 Replies{QByteArray("\x05"
                                    "bootloader run")
                         + QByteArray(49, '\0')});
    }
};

QTEST_GUILESS_MAIN(TestHidProtocol)
#include "tst_hidprotocol.moc"
