#include <QtTest>

#include "coordination/DeviceConfigModel.h"
#include "device/ConfigBlock.h"
#include "device/QuilbexProtocolV1.h"
#include "support/ScriptedTransport.h"

namespace {

QStringList g_log;
void captureMessage(QtMsgType, const QMessageLogContext&, const QString& m)
{
    g_log.append(m);
}
int logged(const QString& fragment)
{
    return int(g_log.filter(fragment).size());
}

QByteArray telemetry(int size)
{
    QByteArray r(size, '\0');
    r[0] = 0x02;
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
    QByteArray r(64, '\0');
    r[0] = 0x03;
    r[1] = char(chunk);
    for (int i = 0; i < (chunk == 0 ? 62 : 2); ++i)
        r[2 + i] = char(block[size_t((chunk == 0 ? 0 : 62) + i)]);
    return r.left(size);
}

QByteArray ack(int status)
{
    return ScriptedTransport::bytesOf({0x04, status});
}

void fillModel(DeviceConfigModel& m)
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
    void init()
    {
        g_log.clear();
        qInstallMessageHandler(captureMessage);
    }
    void cleanup() { qInstallMessageHandler(nullptr); }

    void crcCheckValue()
    {
        const QByteArray text("123456789");
        QCOMPARE(QuilbexProtocolV1::crc16(reinterpret_cast<const quint8*>(text.constData()), 9), quint16(0xBB3D));
    }

    void writeEncodesBlockLayout_data()
    {
        QTest::addColumn<int>("modelVersion");
        QTest::addColumn<int>("wireVersion");
        QTest::newRow("version 0 falls back to 0x0206") << 0 << 0x0206;
        QTest::newRow("model version kept") << 0x0312 << 0x0312;
    }
    void writeEncodesBlockLayout()
    {
        QFETCH(int, modelVersion);
        QFETCH(int, wireVersion);
        DeviceConfigModel m;
        fillModel(m);
        m.ver = quint16(modelVersion);
        ScriptedTransport t;
        script(t, {ack(0)}, {ack(0)});
        QVERIFY(QuilbexProtocolV1(&t).writeFullConfig(&m));

        QCOMPARE(t.writes.size(), 2);
        QByteArray block;
        for (int c = 0; c < 2; ++c) {
            QCOMPARE(t.writes[c].size(), 64);
            QCOMPARE(t.writes[c].left(2), ScriptedTransport::bytesOf({0x04, c}));
            block += t.writes[c].mid(2, c == 0 ? 62 : 2);
        }
        QCOMPARE(t.writes[1].mid(4), QByteArray(60, '\0'));
        const auto* b = reinterpret_cast<const quint8*>(block.constData());
        for (int i = 0; i < 11; ++i) {
            QCOMPARE(int(b[22 + i]), 10 * i); // throttle = wire 2
            QCOMPARE(int(b[i]), 6 + i);       // clutch = wire 0
        }
        QCOMPARE(block.mid(52, 2), QByteArray("\xB8\x0B"));    // throttle max 3000
        QCOMPARE(block.mid(58, 2), QByteArray("\xC8\x00", 2)); // throttle min 200
        QCOMPARE(b[60] | (b[61] << 8), wireVersion);
        QCOMPARE(quint16(b[62] | (b[63] << 8)), QuilbexProtocolV1::crc16(b, 62));
        QCOMPARE(logged(QStringLiteral("in.ver==0")), modelVersion == 0 ? 1 : 0);
        QCOMPARE(m.ver, quint16(modelVersion)); // a write does not store what it sent
    }

    void readReplies_data()
    {
        QTest::addColumn<Replies>("chunk0");
        QTest::addColumn<Replies>("chunk1");
        QTest::addColumn<bool>("ok");

        DeviceConfigModel source;
        fillModel(source);
        const ConfigBlock::Bytes b = ConfigBlock::encode(source, 0x0312);
        const QByteArray t13 = telemetry(13), good0 = readReply(b, 0), good1 = readReply(b, 1);
        QByteArray otherIndex = good0;
        otherIndex[1] = 7;

        QTest::newRow("plain") << Replies{good0} << Replies{good1} << true;
        QTest::newRow("4 telemetry, then reply") << Replies{t13, t13, t13, t13, good0} << Replies{good1} << true;
        QTest::newRow("20 telemetry, then reply") << (Replies(20, t13) << good0) << Replies{good1} << true;
        QTest::newRow("other chunk index accepted") << Replies{otherIndex} << Replies{good1} << true;
        QTest::newRow("no reply to chunk 1") << Replies{good0} << Replies{} << false;
        QTest::newRow("2-byte reply") << Replies{readReply(b, 0, 2)} << Replies{good1} << false;
        QTest::newRow("63-byte reply to chunk 0") << Replies{readReply(b, 0, 63)} << Replies{good1} << false;
        QTest::newRow("short reply, then full") << Replies{readReply(b, 0, 40), good0} << Replies{good1} << true;
        QTest::newRow("3-byte reply to chunk 1") << Replies{good0} << Replies{readReply(b, 1, 3)} << false;
        QTest::newRow("4-byte reply to chunk 1") << Replies{good0} << Replies{readReply(b, 1, 4)} << true;
    }
    void readReplies()
    {
        QFETCH(Replies, chunk0);
        QFETCH(Replies, chunk1);
        QFETCH(bool, ok);
        ScriptedTransport t;
        script(t, chunk0, chunk1);
        DeviceConfigModel m, source;
        fillModel(source);
        source.crc = ConfigBlock::storedCrc(ConfigBlock::encode(source, 0x0312));
        m.ver = 0x1111;
        m.max[2] = 1234;

        QCOMPARE(QuilbexProtocolV1(&t).readFullConfig(&m), ok);
        if (ok) {
            QCOMPARE(m.curve, source.curve);
            QCOMPARE(m.deadBot, source.deadBot);
            QCOMPARE(m.max, source.max);
            QCOMPARE(m.min, source.min);
            QCOMPARE(m.ver, source.ver);
            QCOMPARE(m.crc, source.crc);
            QCOMPARE(logged(QStringLiteral("CRC mismatch")), 0);
        } else { // nothing decoded unless both chunks arrived
            QCOMPARE(m.ver, quint16(0x1111));
            QCOMPARE(m.max[2], qint16(1234));
        }
        QVERIFY(t.readTimeouts.count(50) <= 30);
    }

    void readAcceptsBadCrcButSaysSo()
    {
        DeviceConfigModel m;
        fillModel(m);
        ConfigBlock::Bytes b = ConfigBlock::encode(m, 0x0312);
        const quint16 computed = ConfigBlock::computedCrc(b);
        b[62] = 0x34;
        b[63] = 0x12;
        ScriptedTransport t;
        script(t, {readReply(b, 0)}, {readReply(b, 1)});
        QVERIFY(QuilbexProtocolV1(&t).readFullConfig(&m));
        QCOMPARE(m.crc, quint16(0x1234));
        const QStringList lines = g_log.filter(QStringLiteral("[readFullConfig] CRC mismatch"));
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines[0].contains(QStringLiteral("1234")) && lines[0].contains(QString::number(computed, 16)),
                 qPrintable(lines[0]));
    }

    // The pedals stream telemetry while the host is busy elsewhere; a backlog queued before
    // a request or chunk must not use up its reply attempts.
    void staleBacklogDoesNotFailTransfers()
    {
        DeviceConfigModel m;
        fillModel(m);
        const ConfigBlock::Bytes b = ConfigBlock::encode(m, 0x0312);
        ScriptedTransport t;
        t.onWrite = [&b](ScriptedTransport& tr, const QByteArray& r) {
            tr.push(r[0] == 0x03 ? readReply(b, int(r[1])) : ack(0));
            for (int i = 0; i < 30; ++i)
                tr.push(telemetry(31));
            return true;
        };
        QuilbexProtocolV1 p(&t);
        for (int i = 0; i < 64; ++i)
            t.push(telemetry(31));
        QVERIFY(p.readFullConfig(&m));
        for (int i = 0; i < 64; ++i)
            t.push(telemetry(31));
        QVERIFY(p.writeFullConfig(&m));
    }

    void writeOutcomes_data()
    {
        QTest::addColumn<Replies>("chunk0");
        QTest::addColumn<Replies>("chunk1");
        QTest::addColumn<int>("failingWrite");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("logLine");
        const QByteArray t13 = telemetry(13);
        QTest::newRow("acknowledged") << Replies{ack(0)} << Replies{ack(1)} << -1 << true
                                      << "[writeFullConfig] success — device will reset and reload config";
        QTest::newRow("ack after 9 telemetry")
            << (Replies(9, t13) << ack(0)) << Replies{ack(0)} << -1 << true << "[writeFullConfig] chunk 0 ACK OK";
        QTest::newRow("20 telemetry, then ack")
            << (Replies(20, t13) << ack(0)) << Replies{ack(1)} << -1 << true << "[writeFullConfig] chunk 1 ACK OK";
        QTest::newRow("read reply is no ack") << Replies{ack(0)} << Replies(10, ScriptedTransport::report(3, 64)) << -1
                                              << false << "[writeFullConfig] no ACK for chunk 1";
        QTest::newRow("CRC rejected") << Replies{ack(0)} << Replies{ack(0xFE)} << -1 << false
                                      << "[writeFullConfig] CRC mismatch — firmware rejected config";
        QTest::newRow("chunk 1 write fails")
            << Replies{ack(0)} << Replies{ack(0)} << 1 << false << "[writeFullConfig] writeReport failed on chunk 1";
    }
    void writeOutcomes()
    {
        QFETCH(Replies, chunk0);
        QFETCH(Replies, chunk1);
        QFETCH(int, failingWrite);
        QFETCH(bool, ok);
        QFETCH(QString, logLine);
        ScriptedTransport t;
        script(t, chunk0, chunk1, failingWrite);
        DeviceConfigModel m;
        QCOMPARE(QuilbexProtocolV1(&t).writeFullConfig(&m), ok);
        QVERIFY2(logged(logLine) == 1, qPrintable(g_log.join(QLatin1Char('\n'))));
        QCOMPARE(logged(QStringLiteral("[writeFullConfig] success")), ok ? 1 : 0);
    }

    void readRequestWriteFails()
    {
        ScriptedTransport t;
        t.writeResult = false;
        DeviceConfigModel m;
        QVERIFY(!QuilbexProtocolV1(&t).readFullConfig(&m));
        QCOMPARE(logged(QStringLiteral("[readFullConfig] writeReport failed on chunk 0")), 1);
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
        QByteArray r(size, '\0');
        r[0] = char(id);
        if (size >= 13) {
            put16(r, 1, 32767); // FF 7F: clutch output
            put16(r, 3, -100);  // brake output
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
        s.raw[0] = 55;

        QCOMPARE(QuilbexProtocolV1(&t).readRuntime(&s), taken);
        QCOMPARE(s.raw[0], qint16(taken ? 2345 : 55));
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

    // Polled every 20 ms against 1000 reports a second: the newest reading wins and nothing
    // is left behind to age; the call never waits and never runs unbounded.
    void readRuntimeDrainsToNewest()
    {
        ScriptedTransport t;
        QuilbexProtocolV1 p(&t);
        PedalRuntimeState s;
        QVERIFY(!p.readRuntime(&s));
        qint16 seq = 0;
        for (int tick = 0; tick < 5; ++tick) {
            for (int i = 0; i < 20; ++i) {
                QByteArray r = telemetry(31);
                put16(r, 11, ++seq);
                t.push(r);
            }
            QVERIFY(p.readRuntime(&s));
            QCOMPARE(s.raw[0], seq);
            QVERIFY(t.queue.empty());
        }
        QCOMPARE(t.readTimeouts.count(0), t.readTimeouts.size());

        // The newest telemetry decides about the extended records; other reports are ignored.
        QByteArray newest = telemetry(13);
        put16(newest, 11, 42);
        s.axisMin = {1, 2, 3};
        t.push(telemetry(31));
        t.push(newest);
        t.push(ScriptedTransport::report(0x03, 64));
        QVERIFY(p.readRuntime(&s));
        QCOMPARE(s.raw[0], qint16(42));
        QVERIFY(!s.hasExtended);
        QCOMPARE(s.axisMin, (std::array<qint16, 3>{1, 2, 3}));

        t.onRead = [](ScriptedTransport& tr, int) { tr.push(telemetry(13)); }; // never runs dry
        t.readTimeouts.clear();
        QVERIFY(p.readRuntime(&s));
        QCOMPARE(t.readTimeouts.size(), QuilbexProtocolV1::kDrainLimit);
    }

    void enterUpdateModeCommand()
    {
        ScriptedTransport t;
        QVERIFY(QuilbexProtocolV1(&t).enterUpdateMode());
        QByteArray expected = QByteArray("\x05"
                                         "bootloader run")
            + QByteArray(49, '\0');
        QCOMPARE(t.writes, QList<QByteArray>{expected});
        QVERIFY(t.readTimeouts.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestProtocolV1)
#include "tst_protocolv1.moc"
