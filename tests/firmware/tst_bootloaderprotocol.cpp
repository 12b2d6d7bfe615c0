#include <QRandomGenerator>
#include <QtTest>

#include "device/Crc16.h"
#include "firmware/BootloaderProtocol.h"
#include "support/ScriptedTransport.h"

using namespace Bootloader;

class TestBootloaderProtocol : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void crcMatchesBitwiseForm();
    void dataReports_data();
    void dataReports();
    void statusParsing_data();
    void statusParsing();
    void exchange_data();
    void exchange();
};

void TestBootloaderProtocol::crcMatchesBitwiseForm()
{
    QCOMPARE(crc16(QByteArray("123456789")), quint16(0xBB3D)); // CRC-16/ARC check value
    QByteArray bytes(55296, '\0');
    for (char& c : bytes)
        c = char(QRandomGenerator::global()->bounded(256));
    QCOMPARE(crc16(bytes), ::crc16(reinterpret_cast<const quint8*>(bytes.constData()), int(bytes.size())));
    // The start report carries size and checksum little-endian.
    QCOMPARE(buildStartReport(55296, 0xABCD),
             QByteArray::fromHex("04000000"
                                 "00d8cdab")
                 + QByteArray(56, '\0'));
    // A report of the wrong length is never sent.
    ScriptedTransport t;
    QString message;
    QVERIFY(!sendAndAwaitStatus(&t, QByteArray(63, '\x04'), 900, 5, nullptr, &message));
    QCOMPARE(message, QStringLiteral("Something went wrong while preparing the update. Please try again."));
    QVERIFY(t.writes.isEmpty());
}

void TestBootloaderProtocol::dataReports_data()
{
    QTest::addColumn<int>("sequence");
    QTest::addColumn<int>("pieceSize");
    QTest::addColumn<QByteArray>("header");
    QTest::newRow("full piece") << 1 << 60 << QByteArray::fromHex("04000100");
    QTest::newRow("one byte, rest filler") << 2 << 1 << QByteArray::fromHex("04000200");
    QTest::newRow("sequence 256 big-endian") << 256 << 60 << QByteArray::fromHex("04010000");
    QTest::newRow("oversized piece cut") << 0xFFFF << 70 << QByteArray::fromHex("04ffff00");
}

void TestBootloaderProtocol::dataReports()
{
    QFETCH(int, sequence);
    QFETCH(int, pieceSize);
    QFETCH(QByteArray, header);
    QByteArray piece(pieceSize, '\0');
    for (int i = 0; i < pieceSize; ++i)
        piece[i] = char(i + 1);
    const QByteArray r = buildDataReport(quint16(sequence), piece);
    QCOMPARE(r.size(), 64);
    QCOMPARE(r.left(4), header);
    const int used = qMin(pieceSize, 60);
    QCOMPARE(r.mid(4, used), piece.left(used));
    QCOMPARE(r.mid(4 + used), QByteArray(60 - used, char(0xFF)));
}

void TestBootloaderProtocol::statusParsing_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("status"); // -1: no status
    QTest::newRow("three bytes") << QByteArray::fromHex("040002") << 2;
    QTest::newRow("first 0x04 wins") << QByteArray::fromHex("0401020403") << 0x0102;
    QTest::newRow("0x04 in the last two positions") << QByteArray::fromHex("00000401") << -1;
    QTest::newRow("no 0x04") << QByteArray::fromHex("0203000100") << -1;
}

void TestBootloaderProtocol::statusParsing()
{
    QFETCH(QByteArray, reply);
    QFETCH(int, status);
    quint16 value = 0x1234;
    QCOMPARE(parseStatus(reply, &value), status >= 0);
    QCOMPARE(int(value), status >= 0 ? status : 0x1234);
}

void TestBootloaderProtocol::exchange_data()
{
    // Replies queued up front; an empty queue means silence.
    QTest::addColumn<bool>("writesFail");
    QTest::addColumn<int>("timeoutMs");
    QTest::addColumn<QList<QByteArray>>("replies");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("writes");
    QTest::addColumn<int>("reads");
    QTest::addColumn<QString>("message");

    QTest::newRow("first reply") << false << 1200 << QList<QByteArray>{QByteArray::fromHex("040001")} << true << 1 << 1
                                 << 1 << "";
    QTest::newRow("noise then status") << false << 900
                                       << QList<QByteArray>{QByteArray::fromHex("0201"), QByteArray::fromHex("040002")}
                                       << true << 2 << 1 << 2 << "";
    QTest::newRow("every write fails") << true << 1200 << QList<QByteArray>{} << false << 0 << 5 << 0
                                       << "Couldn't send data to the device (try 5 of 5). Check the USB cable.";
    QTest::newRow("silent, 900 ms") << false << 900 << QList<QByteArray>{} << false << 0 << 5 << 60
                                    << "The device didn't reply in time (try 5 of 5). Check the USB connection.";
}

void TestBootloaderProtocol::exchange()
{
    QFETCH(bool, writesFail);
    QFETCH(int, timeoutMs);
    QFETCH(QList<QByteArray>, replies);
    QFETCH(bool, ok);
    QFETCH(int, status);
    QFETCH(int, writes);
    QFETCH(int, reads);
    QFETCH(QString, message);

    ScriptedTransport t;
    t.writeResult = !writesFail;
    for (const QByteArray& r : replies)
        t.push(r);
    quint16 value = 0;
    QString text;
    QCOMPARE(sendAndAwaitStatus(&t, QByteArray(64, '\x04'), timeoutMs, 5, &value, &text), ok);
    QCOMPARE(int(value), status);
    QCOMPARE(text, message);
    QCOMPARE(t.writes.size(), writes);
    QCOMPARE(t.readTimeouts.size(), reads);
    for (int timeout : std::as_const(t.readTimeouts))
        QCOMPARE(timeout, 80);
}

QTEST_GUILESS_MAIN(TestBootloaderProtocol)
#include "tst_bootloaderprotocol.moc"
