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
    void startReport();
    void dataReports_data();
    void dataReports();
    void statusParsing_data();
    void statusParsing();
    void statusTexts_data();
    void statusTexts();
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
    QCOMPARE(crc16(QByteArray()), quint16(0));
}

void TestBootloaderProtocol::startReport()
{
    const QByteArray r = buildStartReport(55296, 0xABCD);
    QByteArray expected(64, '\0');
    expected[0] = 0x04;
    expected[4] = char(0x00);
    expected[5] = char(0xD8); // 55,296 = 0xD800, little-endian
    expected[6] = char(0xCD);
    expected[7] = char(0xAB);
    QCOMPARE(r, expected);
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
    QTest::newRow("full report") << QByteArray::fromHex("04f000") + QByteArray(61, '\0') << 0xF000;
    QTest::newRow("after other bytes") << QByteArray::fromHex("01020400070000") << 7;
    QTest::newRow("first 0x04 wins") << QByteArray::fromHex("0401020403") << 0x0102;
    QTest::newRow("0x04 in the last two positions") << QByteArray::fromHex("00000401") << -1;
    QTest::newRow("0x04 last") << QByteArray::fromHex("000004") << -1;
    QTest::newRow("too short") << QByteArray::fromHex("0400") << -1;
    QTest::newRow("empty") << QByteArray() << -1;
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

void TestBootloaderProtocol::statusTexts_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("text");
    QTest::newRow("sequence") << 0x00AB << "Device status code 0x00ab";
    QTest::newRow("highest sequence") << 0xEFFF << "Device status code 0xefff";
    QTest::newRow("zero") << 0x0000 << "Unexpected device response (0x0000)";
    QTest::newRow("done") << 0xF000 << "Update completed on the device";
    QTest::newRow("invalid") << 0xF001 << "This firmware file doesn't fit or isn't valid for your pedals";
    QTest::newRow("sync") << 0xF004
                          << QString::fromUtf8("The update was interrupted or got out of sync\u2014try again from the "
                                               "beginning");
    QTest::newRow("undefined") << 0xF0AB << "Unexpected device response (0xf0ab)";
}

void TestBootloaderProtocol::statusTexts()
{
    QFETCH(int, status);
    QFETCH(QString, text);
    QCOMPARE(deviceStatusText(quint16(status)), text);
}

void TestBootloaderProtocol::exchange_data()
{
    // Script: per write, the replies it produces (empty list: none); writes beyond the
    // script get no reply.
    QTest::addColumn<bool>("writesFail");
    QTest::addColumn<int>("reportSize");
    QTest::addColumn<int>("timeoutMs");
    QTest::addColumn<QList<QByteArray>>("repliesPerWrite");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("writes");
    QTest::addColumn<int>("reads");
    QTest::addColumn<QString>("message");

    QTest::newRow("first reply") << false << 64 << 1200 << QList<QByteArray>{QByteArray::fromHex("040001")}
                                 << true << 1 << 1 << 1 << "";
    QTest::newRow("noise then status")
        << false << 64 << 900 << QList<QByteArray>{QByteArray::fromHex("0201"), QByteArray::fromHex("040002")}
        << true << 2 << 1 << 2 << "";
    QTest::newRow("every write fails") << true << 64 << 1200 << QList<QByteArray>{} << false << 0 << 5 << 0
                                       << "Couldn't send data to the device (try 5 of 5). Check the USB cable.";
    QTest::newRow("silent, 1200 ms") << false << 64 << 1200 << QList<QByteArray>{} << false << 0 << 5 << 75
                                     << "The device didn't reply in time (try 5 of 5). Check the USB connection.";
    QTest::newRow("silent, 900 ms") << false << 64 << 900 << QList<QByteArray>{} << false << 0 << 5 << 60
                                    << "The device didn't reply in time (try 5 of 5). Check the USB connection.";
    QTest::newRow("wrong length") << false << 63 << 1200 << QList<QByteArray>{} << false << 0 << 0 << 0
                                  << "Something went wrong while preparing the update. Please try again.";
}

void TestBootloaderProtocol::exchange()
{
    QFETCH(bool, writesFail);
    QFETCH(int, reportSize);
    QFETCH(int, timeoutMs);
    QFETCH(QList<QByteArray>, repliesPerWrite);
    QFETCH(bool, ok);
    QFETCH(int, status);
    QFETCH(int, writes);
    QFETCH(int, reads);
    QFETCH(QString, message);

    ScriptedTransport t;
    t.writeResult = !writesFail;
    for (const QByteArray& r : repliesPerWrite)
        t.push(r);
    quint16 value = 0;
    QString text;
    QCOMPARE(sendAndAwaitStatus(&t, QByteArray(reportSize, '\x04'), timeoutMs, 5, &value, &text), ok);
    QCOMPARE(int(value), status);
    QCOMPARE(text, message);
    QCOMPARE(t.writes.size(), writes);
    QCOMPARE(t.readTimeouts.size(), reads);
    for (int timeout : std::as_const(t.readTimeouts))
        QCOMPARE(timeout, 80);
}

QTEST_GUILESS_MAIN(TestBootloaderProtocol)
#include "tst_bootloaderprotocol.moc"
