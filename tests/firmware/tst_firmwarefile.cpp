#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "firmware/FirmwareFile.h"

class TestFirmwareFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fileCheck_data();
    void fileCheck();
    void versions_data();
    void versions();
};

void TestFirmwareFile::fileCheck_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("size"); // -1: nothing there, -2: a directory
    QTest::addColumn<QString>("message");
    QTest::newRow("upper-case suffix, one byte") << "a.BIN" << 1 << "";
    QTest::newRow("exactly 54 KiB") << "max.bin" << 55296 << "";
    QTest::newRow("one byte over")
        << "over.bin" << 55297
        << "This firmware file is too large for your pedals (55 KB). The maximum supported size is 54 KB.";
    QTest::newRow("double suffix") << "fw.bin.txt" << 10 << "Please choose a firmware file with the .bin extension.";
    QTest::newRow("missing") << "missing.bin" << -1
                             << "That file could not be found. Please check the path and try again.";
    QTest::newRow("directory") << "folder.bin" << -2
                               << "We couldn't open that file. It may be in use or you may not have permission to "
                                  "read it.";
    QTest::newRow("empty") << "empty.bin" << 0
                           << "That firmware file appears to be empty. Please export or download it again.";
}

void TestFirmwareFile::fileCheck()
{
    QFETCH(QString, name);
    QFETCH(int, size);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    if (size == -2)
        QVERIFY(QDir(dir.path()).mkdir(name));
    QFile f(path);
    if (size >= 0)
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(QByteArray(size, '\x5A')) == size);
    f.close();
    const FirmwareFileCheck check = checkFirmwareFile(path);
    QCOMPARE(check.message, message);
    QCOMPARE(check.ok, message.isEmpty());
    QCOMPARE(check.bytes, check.ok ? QByteArray(size, '\x5A') : QByteArray());
}

void TestFirmwareFile::versions_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("fileVersion");
    QTest::addColumn<int>("order");
    QTest::addColumn<QString>("text");
    const QString newer = "A newer firmware version is available in this file.";
    const QString older = "This file looks older than the firmware on your pedals.";
    const QString same = "This file matches the firmware already on your pedals.";
    QTest::newRow("numeric, not textual") << "2.9.15"
                                          << "fw_v2.10.0_rc.bin"
                                          << "2.10.0" << 1 << newer;
    QTest::newRow("leading zeros kept") << "7.1.1"
                                        << "fw007.1.1.bin"
                                        << "007.1.1" << 0 << same;
    QTest::newRow("first three of four") << "1.2.4"
                                         << "fw-1.2.3.4.bin"
                                         << "1.2.3" << -1 << older;
    QTest::newRow("over 32 bits is unusable") << "1.0.0"
                                              << "fw4294967296.0.0.bin"
                                              << "4294967296.0.0" << -1 << older;
    QTest::newRow("device unknown") << ""
                                    << "fw1.0.0.bin"
                                    << "1.0.0" << 1 << "Connect your pedals to see the current firmware version.";
    QTest::newRow("no version in name") << "1.0.0"
                                        << "fw-1.2.bin"
                                        << "" << -1 << "We couldn't read a version from the file name.";
}

void TestFirmwareFile::versions()
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

QTEST_GUILESS_MAIN(TestFirmwareFile)
#include "tst_firmwarefile.moc"
