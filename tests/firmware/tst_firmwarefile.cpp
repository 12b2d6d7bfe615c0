// The firmware file: its checks and version, and the update-mode reports that carry it.
#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include "device/Crc16.h"
#include "firmware/BootloaderProtocol.h"
#include "firmware/FirmwareFile.h"
#include "support/ScriptedTransport.h"

using namespace Bootloader;

struct Exchange
{
    QByteArray report;
    bool writesSucceed;
    QList<QByteArray> replies; // queued up front; none: silence
    int status;                // -1: the exchange fails
    int writes;
    int reads;
    QString message;
};
Q_DECLARE_METATYPE(Exchange)

class TestFirmwareFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fileCheck_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("size"); // -1: nothing there, -2: a directory
        QTest::addColumn<QString>("message");
        const auto row = [](const char* name, int size, const char* message) {
            QTest::newRow(name) << name << size << message;
        };
        row("a.BIN", 1, "");
        row("max.bin", 55296, "");
        row("over.bin", 55297,
            "This firmware file is too large for your pedals (55 KB). The maximum supported size is 54 KB.");
        row("fw.bin.txt", 10, "Please choose a firmware file with the .bin extension.");
        row("missing.bin", -1, "That file could not be found. Please check the path and try again.");
        row("folder.bin", -2,
            "We couldn't open that file. It may be in use or you may not have permission to read it.");
        row("empty.bin", 0, "That firmware file appears to be empty. Please export or download it again.");
    }
    void fileCheck()
    {
        QFETCH(QString, name);
        QFETCH(int, size);
        QFETCH(QString, message);
        QTemporaryDir dir;
        QFile f(dir.filePath(name));
        if (size == -2)
            QVERIFY(QDir(dir.path()).mkdir(name));
        else if (size >= 0)
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(QByteArray(size, '\x5A')) == size);
        f.close();
        const FirmwareFileCheck check = checkFirmwareFile(f.fileName());
        QCOMPARE(check.message, message);
        QCOMPARE(check.ok, message.isEmpty());
        QCOMPARE(check.bytes, check.ok ? QByteArray(size, '\x5A') : QByteArray());
    }

    void versions_data()
    {
        QTest::addColumn<QString>("device");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("fileVersion");
        QTest::addColumn<int>("order");
        QTest::addColumn<QString>("text");
        const auto row = [](const char* tag, const char* device, const char* file, const char* version, int order,
                            const char* text) { QTest::newRow(tag) << device << file << version << order << text; };
        const char* newer = "A newer firmware version is available in this file.";
        const char* older = "This file looks older than the firmware on your pedals.";
        row("numeric, not textual", "2.9.15", "fw_v2.10.0_rc.bin", "2.10.0", 1, newer);
        row("leading zeros kept", "7.1.1", "fw007.1.1.bin", "007.1.1", 0,
            "This file matches the firmware already on your pedals.");
        row("first three of four", "1.2.4", "fw-1.2.3.4.bin", "1.2.3", -1, older);
        row("over 32 bits is unusable", "1.0.0", "fw4294967296.0.0.bin", "4294967296.0.0", -1, older);
        row("device unknown", "", "fw1.0.0.bin", "1.0.0", 1,
            "Connect your pedals to see the current firmware version.");
        row("no version in name", "1.0.0", "fw-1.2.bin", "", -1, "We couldn't read a version from the file name.");
    }
    void versions()
    {
        QFETCH(QString, device);
        QFETCH(QString, fileName);
        QFETCH(QString, fileVersion);
        QFETCH(int, order);
        QFETCH(QString, text);
        QCOMPARE(versionFromFileName(fileName), fileVersion);
        QCOMPARE(compareVersions(fileVersion, device), order);
        QCOMPARE(compareVersions(device, fileVersion), -order);
        QCOMPARE(versionComparisonText(device, fileVersion, !device.isEmpty(), !fileVersion.isEmpty()), text);
    }

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

    void exchange_data()
    {
        QTest::addColumn<Exchange>("x");
        const QByteArray report(64, '\x04');
        const QByteArray noise = QByteArray::fromHex("0201");
        const QString noReply("The device didn't reply in time (try 5 of 5). Check the USB connection.");
        QTest::newRow("first reply") << Exchange{report, true, {QByteArray::fromHex("040001")}, 1, 1, 1, ""};
        QTest::newRow("noise then status")
            << Exchange{report, true, {noise, QByteArray::fromHex("040002")}, 2, 1, 2, ""};
        QTest::newRow("first 0x04 wins") << Exchange{report, true, {QByteArray::fromHex("0401020403")}, 0x0102, 1,
                                                     1,      ""};
        // A status needs two bytes behind its 0x04.
        QTest::newRow("0x04 at the end") << Exchange{report, true,   {QByteArray::fromHex("00000401")}, -1, 5,
                                                     60,     noReply};
        QTest::newRow("every write fails") << Exchange{
            report, false, {}, -1, 5, 0, "Couldn't send data to the device (try 5 of 5). Check the USB cable."};
        // 900 ms in reads of 80 ms at most, so a time-out never overshoots by much.
        QTest::newRow("silent") << Exchange{report, true, {}, -1, 5, 60, noReply};
        QTest::newRow("wrong length, never sent") << Exchange{
            report.left(63), true, {}, -1, 0, 0, "Something went wrong while preparing the update. Please try again."};
    }
    void exchange()
    {
        QFETCH(Exchange, x);
        ScriptedTransport t;
        t.writeResult = x.writesSucceed;
        for (const QByteArray& r : x.replies)
            t.push(r);
        quint16 value = 0xABCD;
        QString text;
        QCOMPARE(sendAndAwaitStatus(&t, x.report, 900, 5, &value, &text), x.status >= 0);
        QCOMPARE(int(value), x.status >= 0 ? x.status : 0xABCD);
        QCOMPARE(text, x.message);
        QCOMPARE(t.writes.size(), x.writes);
        QCOMPARE(t.readTimeouts.size(), x.reads);
        QCOMPARE(t.readTimeouts.count(80), x.reads);
    }
};

QTEST_GUILESS_MAIN(TestFirmwareFile)
#include "tst_firmwarefile.moc"
