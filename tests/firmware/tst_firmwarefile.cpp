#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include "firmware/FirmwareFile.h"

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
};

QTEST_GUILESS_MAIN(TestFirmwareFile)
#include "tst_firmwarefile.moc"
