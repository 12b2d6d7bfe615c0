#include <QtTest>

#include "coordination/DeviceConfigModel.h"
#include "device/ConfigBlock.h"
#include "device/QuilbexProtocolV1.h"
#include "support/ScriptedTransport.h"

#include <memory>

namespace {

QStringList* g_lines = nullptr;

void captureMessage(QtMsgType, const QMessageLogContext&, const QString& message)
{
    if (g_lines)
        g_lines->append(message);
}

// Collects every log line written while it lives.
struct LogCapture
{
    QStringList lines;
    QtMessageHandler previous = nullptr;
    LogCapture()
    {
        g_lines = &lines;
        previous = qInstallMessageHandler(captureMessage);
    }
    ~LogCapture()
    {
        qInstallMessageHandler(previous);
        g_lines = nullptr;
    }
    int count(const QString& fragment) const
    {
        int n = 0;
        for (const QString& l : lines)
            n += l.contains(fragment) ? 1 : 0;
        return n;
    }
};

QByteArray telemetry(int size, quint8 fill = 0)
{
    QByteArray r(size, char(fill));
    r[0] = 0x02;
    return r;
}

void put16(QByteArray& r, int offset, qint16 v)
{
    r[offset] = char(quint16(v) & 0xFF);
    r[offset + 1] = char(quint16(v) >> 8);
}

// The device's replies to a read request of one chunk of `block`.
QByteArray readReply(const ConfigBlock::Bytes& block, int chunk, int size = 64)
{
    QByteArray r(qMax(size, 2), '\0');
    r[0] = 0x03;
    r[1] = char(chunk);
    const int from = chunk == 0 ? 0 : 62;
    const int n = chunk == 0 ? 62 : 2;
    for (int i = 0; i < n && 2 + i < r.size(); ++i)
        r[2 + i] = char(block[size_t(from + i)]);
    r.truncate(size);
    return r;
}

QByteArray ack(quint8 status)
{
    QByteArray r(64, '\0');
    r[0] = 0x04;
    r[1] = char(status);
    return r;
}

// Reassembles the block from the recorded 0x04 chunk reports.
ConfigBlock::Bytes writtenBlock(const QList<QByteArray>& writes)
{
    ConfigBlock::Bytes b{};
    for (const QByteArray& w : writes) {
        if (w.size() != 64 || w[0] != 0x04)
            continue;
        if (w[1] == 0)
            for (int i = 0; i < 62; ++i)
                b[size_t(i)] = quint8(w[2 + i]);
        else
            for (int i = 0; i < 2; ++i)
                b[size_t(62 + i)] = quint8(w[2 + i]);
    }
    return b;
}

void fillModel(DeviceConfigModel& m)
{
    for (int h = 0; h < 3; ++h) {
        for (int i = 0; i < DeviceConfigModel::kCurvePoints; ++i)
            m.curve[size_t(h)][size_t(i)] = qint8(h == 0 ? 10 * i : h * 3 + i);
        m.curveType[size_t(h)] = quint8(h + 1);
        m.filter[size_t(h)] = quint8(h + 2);
        m.deadTop[size_t(h)] = quint8(5 + h);
        m.deadBot[size_t(h)] = quint8(8 + h);
        m.cali[size_t(h)] = quint8(h != 1);
        m.max[size_t(h)] = qint16(3000 + h);
        m.min[size_t(h)] = qint16(200 + h);
    }
    m.ver = 0x0312;
}

bool sameConfig(const DeviceConfigModel& a, const DeviceConfigModel& b)
{
    return a.curve == b.curve && a.curveType == b.curveType && a.filter == b.filter && a.deadTop == b.deadTop
        && a.deadBot == b.deadBot && a.cali == b.cali && a.max == b.max && a.min == b.min && a.ver == b.ver
        && a.crc == b.crc;
}

using Replies = QList<QByteArray>;

} // namespace

class TestProtocolV1 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void crcCheckValue()
    {
        const QByteArray text("123456789");
        QCOMPARE(QuilbexProtocolV1::crc16(reinterpret_cast<const quint8*>(text.constData()), int(text.size())),
                 quint16(0xBB3D));
        QCOMPARE(QuilbexProtocolV1::crc16(nullptr, 5), quint16(0));
    }

    // Block layout as the device stores it, checked on the bytes actually sent.
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
        m.max[0] = 3000;
        m.min[0] = 200;
        m.ver = quint16(modelVersion);

        ScriptedTransport t;
        t.onWrite = [](ScriptedTransport& tr, const QByteArray&) {
            tr.push(ack(0x00));
            return true;
        };
        QuilbexProtocolV1 p(&t);
        LogCapture log;
        QVERIFY(p.writeFullConfig(&m));

        QCOMPARE(t.writes.size(), 2);
        for (int c = 0; c < 2; ++c) {
            QCOMPARE(t.writes[c].size(), 64);
            QCOMPARE(int(t.writes[c][0]), 0x04);
            QCOMPARE(int(t.writes[c][1]), c);
        }
        // Chunk 1 carries only the CRC; the rest of the report stays zero.
        QCOMPARE(t.writes[1].mid(4), QByteArray(60, '\0'));

        const ConfigBlock::Bytes b = writtenBlock(t.writes);
        for (int i = 0; i < 11; ++i) {
            QCOMPARE(int(b[size_t(22 + i)]), 10 * i); // throttle = wire 2
            QCOMPARE(int(b[size_t(i)]), 6 + i);       // clutch = wire 0
        }
        QCOMPARE(int(b[52]), 0xB8);
        QCOMPARE(int(b[53]), 0x0B);
        QCOMPARE(int(b[58]), 0xC8);
        QCOMPARE(int(b[59]), 0x00);
        QCOMPARE(int(b[35]), 1); // throttle curve type
        QCOMPARE(int(b[33]), 3); // clutch curve type
        QCOMPARE(int(b[60] | (b[61] << 8)), wireVersion);
        QCOMPARE(quint16(b[62] | (b[63] << 8)), QuilbexProtocolV1::crc16(b.data(), 62));

        QCOMPARE(log.count(QStringLiteral("in.ver==0")), modelVersion == 0 ? 1 : 0);
        QCOMPARE(log.count(QStringLiteral("[writeFullConfig] success — device will reset and reload config")), 1);
        QCOMPARE(m.ver, quint16(modelVersion)); // a write never stores the version it sent
    }

    void readDecodesDeviceBlock()
    {
        DeviceConfigModel source;
        fillModel(source);
        const ConfigBlock::Bytes block = ConfigBlock::encode(source, 0x0312);
        source.crc = ConfigBlock::storedCrc(block);

        ScriptedTransport t;
        t.onWrite = [&block](ScriptedTransport& tr, const QByteArray& r) {
            tr.push(readReply(block, int(r[1])));
            return true;
        };
        QuilbexProtocolV1 p(&t);
        DeviceConfigModel m;
        LogCapture log;
        QVERIFY(p.readFullConfig(&m));
        QVERIFY(sameConfig(m, source));
        QCOMPARE(t.writes, (QList<QByteArray>{ ScriptedTransport::bytesOf({ 0x03, 0 }),
                                               ScriptedTransport::bytesOf({ 0x03, 1 }) }));
        QVERIFY(t.readTimeouts.contains(50));
        QCOMPARE(log.count(QStringLiteral("CRC mismatch")), 0);
        QCOMPARE(log.count(QStringLiteral("[L3-device-flash-cfg-wire]")), 3);
    }

    // Replies scripted per chunk: what the device sends after each read request.
    void readReplyHandling_data()
    {
        QTest::addColumn<Replies>("chunk0");
        QTest::addColumn<Replies>("chunk1");
        QTest::addColumn<bool>("ok");

        DeviceConfigModel source;
        fillModel(source);
        const ConfigBlock::Bytes b = ConfigBlock::encode(source, 0x0312);
        const QByteArray t13 = telemetry(13);
        const QByteArray good0 = readReply(b, 0);
        const QByteArray good1 = readReply(b, 1);

        QTest::newRow("plain") << Replies{ good0 } << Replies{ good1 } << true;
        QTest::newRow("4 telemetry then reply") << Replies{ t13, t13, t13, t13, good0 } << Replies{ good1 } << true;
        QTest::newRow("5 telemetry use up the attempts")
            << Replies{ t13, t13, t13, t13, t13, good0 } << Replies{ good1 } << false;
        QTest::newRow("ack id is not a reply") << Replies{ ack(0), ack(0), ack(0), ack(0), ack(0) } << Replies{ good1 }
                                               << false;
        QByteArray otherIndex = good0;
        otherIndex[1] = 7;
        QTest::newRow("other chunk index accepted") << Replies{ otherIndex } << Replies{ good1 } << true;
        QTest::newRow("no reply") << Replies{} << Replies{ good1 } << false;
        QTest::newRow("no reply to chunk 1") << Replies{ good0 } << Replies{} << false;
        QTest::newRow("2-byte reply") << Replies{ readReply(b, 0, 2) } << Replies{ good1 } << false;
        QTest::newRow("chunk 0 reply of 63 bytes") << Replies{ readReply(b, 0, 63) } << Replies{ good1 } << false;
        QTest::newRow("short reply then full one") << Replies{ readReply(b, 0, 40), good0 } << Replies{ good1 } << true;
        QTest::newRow("chunk 1 reply of 3 bytes") << Replies{ good0 } << Replies{ readReply(b, 1, 3) } << false;
        QTest::newRow("chunk 1 reply of 4 bytes") << Replies{ good0 } << Replies{ readReply(b, 1, 4) } << true;
        QTest::newRow("5 short replies") << Replies(5, readReply(b, 0, 10)) << Replies{ good1 } << false;
    }
    void readReplyHandling()
    {
        QFETCH(Replies, chunk0);
        QFETCH(Replies, chunk1);
        QFETCH(bool, ok);

        ScriptedTransport t;
        t.onWrite = [&](ScriptedTransport& tr, const QByteArray& r) {
            for (const QByteArray& reply : (r[1] == 0 ? chunk0 : chunk1))
                tr.push(reply);
            return true;
        };
        QuilbexProtocolV1 p(&t);
        DeviceConfigModel m;
        m.ver = 0x1111;
        m.max[2] = 1234;
        QCOMPARE(p.readFullConfig(&m), ok);
        if (ok) {
            QCOMPARE(m.ver, quint16(0x0312));
            QCOMPARE(m.max[0], qint16(3000));
        } else {
            // Nothing is decoded unless both chunks arrived.
            QCOMPARE(m.ver, quint16(0x1111));
            QCOMPARE(m.max[2], qint16(1234));
            QCOMPARE(m.max[0], qint16(0));
        }
        // Never more than five waits per request.
        QVERIFY(t.readTimeouts.count(50) <= 10);
    }

    void readAcceptsBadCrcButSaysSo()
    {
        DeviceConfigModel source;
        fillModel(source);
        ConfigBlock::Bytes block = ConfigBlock::encode(source, 0x0312);
        const quint16 computed = ConfigBlock::computedCrc(block);
        block[62] = 0x34;
        block[63] = 0x12;

        ScriptedTransport t;
        t.onWrite = [&block](ScriptedTransport& tr, const QByteArray& r) {
            tr.push(readReply(block, int(r[1])));
            return true;
        };
        QuilbexProtocolV1 p(&t);
        DeviceConfigModel m;
        LogCapture log;
        QVERIFY(p.readFullConfig(&m));
        QCOMPARE(m.crc, quint16(0x1234));
        QCOMPARE(m.ver, quint16(0x0312));
        QCOMPARE(log.count(QStringLiteral("[readFullConfig] CRC mismatch")), 1);
        const QString line = log.lines.filter(QStringLiteral("CRC mismatch")).value(0);
        QVERIFY2(line.contains(QStringLiteral("1234")), qPrintable(line));
        QVERIFY2(line.contains(QString::number(computed, 16)), qPrintable(line));
    }

    // Telemetry queued since the last poll must not use up the reply attempts.
    void staleBacklogDoesNotFailTransfers()
    {
        DeviceConfigModel source;
        fillModel(source);
        const ConfigBlock::Bytes block = ConfigBlock::encode(source, 0x0312);

        ScriptedTransport t;
        for (int i = 0; i < 64; ++i)
            t.push(telemetry(31));
        t.onWrite = [&block](ScriptedTransport& tr, const QByteArray& r) {
            if (r[0] == 0x03) {
                tr.push(readReply(block, int(r[1])));
                for (int i = 0; i < 30; ++i) // keeps streaming after the reply
                    tr.push(telemetry(31));
            } else {
                tr.push(ack(0));
                for (int i = 0; i < 30; ++i)
                    tr.push(telemetry(31));
            }
            return true;
        };
        QuilbexProtocolV1 p(&t);
        DeviceConfigModel m;
        QVERIFY(p.readFullConfig(&m));
        QCOMPARE(m.max[0], qint16(3000));

        for (int i = 0; i < 64; ++i)
            t.push(telemetry(31));
        t.writes.clear();
        QVERIFY(p.writeFullConfig(&source));
        QCOMPARE(t.writes.size(), 2);
    }

    void writeFailures_data()
    {
        QTest::addColumn<Replies>("chunk0");
        QTest::addColumn<Replies>("chunk1");
        QTest::addColumn<int>("failingWrite"); // index of the write that fails, -1 none
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("logLine");

        const QByteArray t13 = telemetry(13);
        QTest::newRow("both acknowledged") << Replies{ ack(0) } << Replies{ ack(1) } << -1 << true
                                           << "[writeFullConfig] chunk 1 ACK OK";
        QTest::newRow("ack after 9 telemetry") << (Replies(9, t13) << ack(0)) << Replies{ ack(0) } << -1 << true
                                               << "[writeFullConfig] chunk 0 ACK OK";
        QTest::newRow("10 telemetry, no ack") << (Replies(10, t13) << ack(0)) << Replies{ ack(0) } << -1 << false
                                              << "[writeFullConfig] no ACK for chunk 0";
        QTest::newRow("no ack for chunk 1") << Replies{ ack(0) } << Replies{} << -1 << false
                                            << "[writeFullConfig] no ACK for chunk 1";
        QTest::newRow("read reply is not an ack") << Replies{ ack(0) } << Replies(10, ScriptedTransport::report(3, 64))
                                                  << -1 << false << "[writeFullConfig] no ACK for chunk 1";
        QTest::newRow("CRC rejected") << Replies{ ack(0) } << Replies{ ack(0xFE) } << -1 << false
                                      << "[writeFullConfig] CRC mismatch — firmware rejected config";
        QTest::newRow("write of chunk 0 fails") << Replies{ ack(0) } << Replies{ ack(0) } << 0 << false
                                                << "[writeFullConfig] writeReport failed on chunk 0";
        QTest::newRow("write of chunk 1 fails") << Replies{ ack(0) } << Replies{ ack(0) } << 1 << false
                                                << "[writeFullConfig] writeReport failed on chunk 1";
    }
    void writeFailures()
    {
        QFETCH(Replies, chunk0);
        QFETCH(Replies, chunk1);
        QFETCH(int, failingWrite);
        QFETCH(bool, ok);
        QFETCH(QString, logLine);

        ScriptedTransport t;
        t.onWrite = [&](ScriptedTransport& tr, const QByteArray& r) {
            if (tr.writes.size() - 1 == failingWrite)
                return false;
            for (const QByteArray& reply : (r[1] == 0 ? chunk0 : chunk1))
                tr.push(reply);
            return true;
        };
        DeviceConfigModel m;
        fillModel(m);
        QuilbexProtocolV1 p(&t);
        LogCapture log;
        QCOMPARE(p.writeFullConfig(&m), ok);
        QVERIFY2(log.count(logLine) == 1, qPrintable(log.lines.join(QLatin1Char('\n'))));
        QCOMPARE(log.count(QStringLiteral("[writeFullConfig] success")), ok ? 1 : 0);
        QVERIFY(t.readTimeouts.count(50) <= 20);
    }

    void readFailsWhenRequestCannotBeSent()
    {
        ScriptedTransport t;
        t.writeResult = false;
        QuilbexProtocolV1 p(&t);
        DeviceConfigModel m;
        LogCapture log;
        QVERIFY(!p.readFullConfig(&m));
        QCOMPARE(log.count(QStringLiteral("[readFullConfig] writeReport failed on chunk 0")), 1);
        QCOMPARE(t.writes.size(), 1);
    }

    void nullArgumentsFail()
    {
        ScriptedTransport t;
        QuilbexProtocolV1 p(&t);
        LogCapture log;
        QVERIFY(!p.readFullConfig(nullptr));
        QVERIFY(!p.writeFullConfig(nullptr));
        QVERIFY(!p.readRuntime(nullptr));
        QuilbexProtocolV1 none(nullptr);
        DeviceConfigModel m;
        PedalRuntimeState r;
        QVERIFY(!none.readFullConfig(&m));
        QVERIFY(!none.readRuntime(&r));
        QVERIFY(!none.enterUpdateMode());
        QVERIFY(t.writes.isEmpty());
    }

    void telemetrySizes_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("id");
        QTest::addColumn<bool>("taken");
        QTest::addColumn<bool>("extended");
        QTest::newRow("13 bytes") << 13 << 0x02 << true << false;
        QTest::newRow("30 bytes") << 30 << 0x02 << true << false;
        QTest::newRow("31 bytes") << 31 << 0x02 << true << true;
        QTest::newRow("64 bytes") << 64 << 0x02 << true << true;
        QTest::newRow("12 bytes") << 12 << 0x02 << false << false;
        QTest::newRow("config reply") << 64 << 0x03 << false << false;
        QTest::newRow("ack") << 64 << 0x04 << false << false;
    }
    void telemetrySizes()
    {
        QFETCH(int, size);
        QFETCH(int, id);
        QFETCH(bool, taken);
        QFETCH(bool, extended);

        QByteArray r(size, '\0');
        r[0] = char(id);
        if (size >= 13) {
            r[1] = char(0xFF); // wire 0 (clutch) output
            r[2] = char(0x7F);
            put16(r, 11, 2345); // wire 2 (throttle) raw
            put16(r, 3, -100);  // wire 1 (brake) output
        }
        if (size >= 31) {
            put16(r, 13, 111); // axis 0 min
            put16(r, 15, 999); // axis 0 max
            r[17] = 1;
            put16(r, 25, 222); // axis 2 min
            put16(r, 27, 888); // axis 2 max
            r[29] = 1;
        }
        ScriptedTransport t;
        t.push(r);
        QuilbexProtocolV1 p(&t);
        PedalRuntimeState s;
        s.axisMin = { 7, 7, 7 };
        s.axisMax = { 8, 8, 8 };
        s.cail = { 9, 9, 9 };
        s.hasExtended = true;
        s.raw[0] = 55;

        QCOMPARE(p.readRuntime(&s), taken);
        QVERIFY(t.queue.empty());
        if (!taken) {
            QCOMPARE(s.raw[0], qint16(55));
            QCOMPARE(s.hasExtended, true);
            return;
        }
        QCOMPARE(s.out[2], qint16(32767));
        QCOMPARE(s.out[1], qint16(-100));
        QCOMPARE(s.raw[0], qint16(2345));
        QCOMPARE(s.hasExtended, extended);
        if (extended) {
            QCOMPARE(s.axisMin, (std::array<qint16, 3>{ 111, 0, 222 }));
            QCOMPARE(s.axisMax, (std::array<qint16, 3>{ 999, 0, 888 }));
            QCOMPARE(s.cail, (std::array<quint8, 3>{ 1, 0, 1 }));
        } else {
            QCOMPARE(s.axisMin, (std::array<qint16, 3>{ 7, 7, 7 }));
            QCOMPARE(s.axisMax, (std::array<qint16, 3>{ 8, 8, 8 }));
            QCOMPARE(s.cail, (std::array<quint8, 3>{ 9, 9, 9 }));
        }
    }

    // Polled every 20 ms against up to 1000 reports a second: the newest reading wins and
    // nothing is left behind to age.
    void readRuntimeTakesNewestAndDrains()
    {
        ScriptedTransport t;
        QuilbexProtocolV1 p(&t);
        PedalRuntimeState s;
        QVERIFY(!p.readRuntime(&s)); // nothing waiting

        int seq = 0;
        for (int tick = 0; tick < 10; ++tick) {
            for (int i = 0; i < 20; ++i) {
                QByteArray r = telemetry(31);
                put16(r, 11, qint16(++seq));
                t.push(r);
            }
            QVERIFY(p.readRuntime(&s));
            QCOMPARE(s.raw[0], qint16(seq));
            QVERIFY(t.queue.empty());
        }
        QVERIFY(!t.readTimeouts.isEmpty());
        QCOMPARE(t.readTimeouts.count(0), t.readTimeouts.size()); // never waits

        // The newest telemetry decides about the extended records; later non-telemetry is ignored.
        QByteArray older = telemetry(31);
        put16(older, 13, 500);
        QByteArray newest = telemetry(13);
        put16(newest, 11, 42);
        s.axisMin = { 1, 2, 3 };
        t.push(older);
        t.push(newest);
        t.push(ScriptedTransport::report(0x03, 64));
        QVERIFY(p.readRuntime(&s));
        QCOMPARE(s.raw[0], qint16(42));
        QCOMPARE(s.hasExtended, false);
        QCOMPARE(s.axisMin, (std::array<qint16, 3>{ 1, 2, 3 }));

        // Only non-telemetry waiting: false, nothing changed, queue emptied.
        t.push(ScriptedTransport::report(0x04, 64));
        t.push(telemetry(5));
        QVERIFY(!p.readRuntime(&s));
        QCOMPARE(s.raw[0], qint16(42));
        QVERIFY(t.queue.empty());
    }

    void readRuntimeIsBounded()
    {
        // A transport that never runs dry must not hold the GUI thread.
        ScriptedTransport t;
        t.onRead = [](ScriptedTransport& tr, int) { tr.push(telemetry(13)); };
        QuilbexProtocolV1 p(&t);
        PedalRuntimeState s;
        QVERIFY(p.readRuntime(&s));
        QCOMPARE(t.readTimeouts.size(), QuilbexProtocolV1::kDrainLimit);
    }

    void enterUpdateModeCommand()
    {
        ScriptedTransport t;
        QuilbexProtocolV1 p(&t);
        QVERIFY(p.enterUpdateMode());
        QByteArray expected(64, '\0');
        expected[0] = 0x05;
        expected.replace(1, 14, QByteArray("bootloader run"));
        QCOMPARE(expected.size(), 64);
        QCOMPARE(t.writes, QList<QByteArray>{ expected });
        QVERIFY(t.readTimeouts.isEmpty()); // no reply is awaited

        t.writeResult = false;
        QVERIFY(!p.enterUpdateMode());
    }
};

QTEST_GUILESS_MAIN(TestProtocolV1)
#include "tst_protocolv1.moc"
