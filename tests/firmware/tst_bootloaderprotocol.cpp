#include <QRandomGenerator>
#include <QtTest>

#include "device/Crc16.h"
#include "firmware/BootloaderProtocol.h"
#include "support/ScriptedTransport.h"

using namespace Bootloader;
using Replies = QList<QByteArray>;

class TestBootloaderProtocol : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void reports()
    {
        QCOMPARE(crc16(QByteArray("123456789")), quint16(0xBB3D)); // CRC-16/ARC check value
        QByteArray bytes(55296, '\0');
        for (char& c : bytes)
            c = char(QRandomGenerator::global()->bounded(256));
        QCOMPARE(crc16(bytes), ::crc16(reinterpret_cast<const quint8*>(bytes.constData()), int(bytes.size())));
        // Size and checksum little-endian; data reports: sequence big-endian, 60 bytes, 0xFF filler.
        QCOMPARE(buildStartReport(55296, 0xABCD), QByteArray::fromHex("0400000000d8cdab") + QByteArray(56, '\0'));
        QByteArray piece(70, '\0');
        for (int i = 0; i < piece.size(); ++i)
            piece[i] = char(i + 1);
        QCOMPARE(buildDataReport(256, piece), QByteArray::fromHex("04010000") + piece.left(60));
        QCOMPARE(buildDataReport(0xFFFF, piece.left(1)),
                 QByteArray::fromHex("04ffff0001") + QByteArray(59, char(0xFF)));
    }

    void statusParsing_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("status"); // -1: no status
        QTest::newRow("three bytes") << QByteArray::fromHex("040002") << 2;
        QTest::newRow("first 0x04 wins") << QByteArray::fromHex("0401020403") << 0x0102;
        QTest::newRow("0x04 in the last two positions") << QByteArray::fromHex("00000401") << -1;
        QTest::newRow("no 0x04") << QByteArray::fromHex("0203000100") << -1;
    }
    void statusParsing()
    {
        QFETCH(QByteArray, reply);
        QFETCH(int, status);
        quint16 value = 0x1234;
        QCOMPARE(parseStatus(reply, &value), status >= 0);
        QCOMPARE(int(value), status >= 0 ? status : 0x1234);
    }

    void exchange_data()
    {
        QTest::addColumn<QByteArray>("report");
        QTest::addColumn<bool>("writesFail");
        QTest::addColumn<Replies>("replies"); // queued up front; none: silence
        QTest::addColumn<int>("status");      // -1: fails
        QTest::addColumn<int>("writes");
        QTest::addColumn<int>("reads");
        QTest::addColumn<QString>("message");
        const QByteArray report(64, '\x04');
        QTest::newRow("first reply") << report << false << Replies{QByteArray::fromHex("040001")} << 1 << 1 << 1 << "";
        QTest::newRow("noise then status")
            << report << false << Replies{QByteArray::fromHex("0201"), QByteArray::fromHex("040002")} << 2 << 1 << 2
            << "";
        QTest::newRow("every write fails") << report << true << Replies{} << -1 << 5 << 0
                                           << "Couldn't send data to the device (try 5 of 5). Check the USB cable.";
        // 900 ms in reads of 80 ms at most, so a time-out never overshoots by much.
        QTest::newRow("silent") << report << false << Replies{} << -1 << 5 << 60
                                << "The device didn't reply in time (try 5 of 5). Check the USB connection.";
        QTest::newRow("wrong length, never sent")
            << report.left(63) << false << Replies{} << -1 << 0 << 0
            << "Something went wrong while preparing the update. Please try again.";
    }
    void exchange()
    {
        QFETCH(QByteArray, report);
        QFETCH(bool, writesFail);
        QFETCH(Replies, replies);
        QFETCH(int, status);
        QFETCH(int, writes);
        QFETCH(int, reads);
        QFETCH(QString, message);
        ScriptedTransport t;
        t.writeResult = !writesFail;
        for (const QByteArray& r : replies)
            t.push(r);
        quint16 value = 0xABCD;
        QString text;
        QCOMPARE(sendAndAwaitStatus(&t, report, 900, 5, &value, &text), status >= 0);
        QCOMPARE(int(value), status >= 0 ? status : 0xABCD);
        QCOMPARE(text, message);
        QCOMPARE(t.writes.size(), writes);
        QCOMPARE(t.readTimeouts.size(), reads);
        QVERIFY(t.readTimeouts.count(80) == reads);
    }
};

QTEST_GUILESS_MAIN(TestBootloaderProtocol)
#include "tst_bootloaderprotocol.moc"
