#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "coordination/DeviceConfigModel.h"
#include "firmware/FirmwareFile.h"

class TestFirmwareFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QVERIFY(m_dir.isValid()); }
    void fileCheck_data();
    void fileCheck();
    void unreadableFile();
    void versionFromName_data();
    void versionFromName();
    void comparison_data();
    void comparison();

private:
    QString make(const QString& name, qint64 size)
    {
        const QString path = m_dir.filePath(name);
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly))
            return QString();
        f.write(QByteArray(int(size), '\x5A'));
        return path;
    }
    QTemporaryDir m_dir;
};

void TestFirmwareFile::fileCheck_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<qint64>("size"); // -1: do not create
    QTest::addColumn<QString>("message");

    QTest::newRow("upper-case suffix") << "a.BIN" << qint64(1) << QString();
    QTest::newRow("exactly the limit") << "max.bin" << qint64(55296) << QString();
    QTest::newRow("one byte over")
        << "over.bin" << qint64(55297)
        << "This firmware file is too large for your pedals (55 KB). The maximum supported size is 54 KB.";
    QTest::newRow("far over")
        << "big.bin" << qint64(300000)
        << "This firmware file is too large for your pedals (293 KB). The maximum supported size is 54 KB.";
    QTest::newRow("double suffix") << "fw.bin.txt" << qint64(10)
                                   << "Please choose a firmware file with the .bin extension.";
    QTest::newRow("no suffix") << "firmware" << qint64(10)
                               << "Please choose a firmware file with the .bin extension.";
    QTest::newRow("missing") << "missing.bin" << qint64(-1)
                             << "That file could not be found. Please check the path and try again.";
    QTest::newRow("missing, wrong suffix")
        << "missing.txt" << qint64(-1) << "That file could not be found. Please check the path and try again.";
    QTest::newRow("empty") << "empty.bin" << qint64(0)
                           << "That firmware file appears to be empty. Please export or download it again.";
}

void TestFirmwareFile::fileCheck()
{
    QFETCH(QString, name);
    QFETCH(qint64, size);
    QFETCH(QString, message);
    const QString path = size >= 0 ? make(name, size) : m_dir.filePath(name);
    const FirmwareFileCheck check = checkFirmwareFile(path);
    QCOMPARE(check.message, message);
    QCOMPARE(check.ok, message.isEmpty());
    QCOMPARE(check.bytes.size(), check.ok ? size : 0);
}

void TestFirmwareFile::unreadableFile()
{
    // A directory that looks like a firmware file cannot be read as one.
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("folder.bin")));
    QCOMPARE(checkFirmwareFile(m_dir.filePath("folder.bin")).message,
             QStringLiteral("We couldn't open that file. It may be in use or you may not have permission to read "
                            "it."));
}

void TestFirmwareFile::versionFromName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("version");
    QTest::newRow("embedded") << "quilbex_fw_v3.1.2_release.bin" << "3.1.2";
    QTest::newRow("four parts") << "fw-1.2.3.4.bin" << "1.2.3";
    QTest::newRow("leading zeros kept") << "fw007.1.1.bin" << "007.1.1";
    QTest::newRow("two parts") << "fw-1.2.bin" << "";
    QTest::newRow("none") << "firmware.bin" << "";
}

void TestFirmwareFile::versionFromName()
{
    QFETCH(QString, name);
    QFETCH(QString, version);
    QCOMPARE(versionFromFileName(name), version);
}

void TestFirmwareFile::comparison_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("deviceKnown");
    QTest::addColumn<int>("order");
    QTest::addColumn<QString>("text");

    const QString newer = "A newer firmware version is available in this file.";
    const QString older = "This file looks older than the firmware on your pedals.";
    const QString same = "This file matches the firmware already on your pedals.";
    QTest::newRow("numeric not textual") << "2.9.15" << "2.10.0" << true << 1 << newer;
    QTest::newRow("leading zeros") << "7.1.1" << "007.1.1" << true << 0 << same;
    QTest::newRow("older patch") << "3.1.2" << "3.1.1" << true << -1 << older;
    QTest::newRow("over 32 bits") << "1.0.0" << "4294967296.0.0" << true << -1 << older;
    QTest::newRow("both unusable") << "1.x.0" << "1.2" << true << 0 << same;
    QTest::newRow("device unknown") << "" << "1.0.0" << false << 1
                                    << "Connect your pedals to see the current firmware version.";
    QTest::newRow("no file version") << "1.0.0" << "" << true << -1 << "We couldn't read a version from the file name.";
}

void TestFirmwareFile::comparison()
{
    QFETCH(QString, device);
    QFETCH(QString, file);
    QFETCH(bool, deviceKnown);
    QFETCH(int, order);
    QFETCH(QString, text);
    QCOMPARE(compareVersions(file, device), order);
    QCOMPARE(compareVersions(device, file), -order);
    QCOMPARE(versionComparisonText(device, file, deviceKnown, !file.isEmpty()), text);
    // The device side as the pedals report it.
    QCOMPARE(formatFirmwareVersion(0x0312), QStringLiteral("3.1.2"));
    QCOMPARE(formatFirmwareVersion(0xFFFF), QStringLiteral("255.15.15"));
}

QTEST_GUILESS_MAIN(TestFirmwareFile)
#include "tst_firmwarefile.moc"
