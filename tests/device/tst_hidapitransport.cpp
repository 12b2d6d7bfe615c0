#include <QtTest>

#include "device/HidapiTransport.h"

#include <QTemporaryDir>

namespace {

QStringList* g_lines = nullptr;

void captureMessage(QtMsgType, const QMessageLogContext&, const QString& message)
{
    if (g_lines)
        g_lines->append(message);
}

struct LogCapture
{
    QStringList lines;
    LogCapture()
    {
        g_lines = &lines;
        qInstallMessageHandler(captureMessage);
    }
    ~LogCapture()
    {
        qInstallMessageHandler(nullptr);
        g_lines = nullptr;
    }
    bool has(const QString& fragment) const { return !lines.filter(fragment).isEmpty(); }
};

HidInterfaceInfo iface(quint16 vid, quint16 pid, quint16 usagePage, const char* path)
{
    return HidInterfaceInfo{QString::fromLatin1(path), vid, pid, usagePage, 0};
}

using Interfaces = QList<HidInterfaceInfo>;

} // namespace

Q_DECLARE_METATYPE(HidInterfaceInfo)

class TestHidapiTransport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void selection_data()
    {
        QTest::addColumn<Interfaces>("interfaces");
        QTest::addColumn<int>("vid");
        QTest::addColumn<int>("pid");
        QTest::addColumn<bool>("filter");
        QTest::addColumn<int>("expected");

        const HidInterfaceInfo joystick = iface(0x7864, 0x5801, 0x0001, "joy");
        const HidInterfaceInfo vendor = iface(0x7864, 0x5801, 0xFF00, "vendor");
        const HidInterfaceInfo vendorHigh = iface(0x7864, 0x5801, 0xFFA0, "vendor2");
        const HidInterfaceInfo noCaps = iface(0x0483, 0xBEBA, 0x0000, "boot");
        const HidInterfaceInfo otherVendorPage = iface(0x1234, 0x5801, 0xFF00, "foreign");
        const HidInterfaceInfo otherProduct = iface(0x7864, 0x5802, 0xFF00, "sibling");

        QTest::newRow("empty") << Interfaces{} << 0x7864 << 0x5801 << true << -1;
        QTest::newRow("filter on, only joystick page") << Interfaces{joystick} << 0x7864 << 0x5801 << true << -1;
        QTest::newRow("filter on skips joystick") << Interfaces{joystick, vendor} << 0x7864 << 0x5801 << true << 1;
        QTest::newRow("first vendor interface wins")
            << Interfaces{joystick, vendorHigh, vendor} << 0x7864 << 0x5801 << true << 1;
        QTest::newRow("wrong ids skipped")
            << Interfaces{otherVendorPage, otherProduct, vendor} << 0x7864 << 0x5801 << true << 2;
        QTest::newRow("filter off takes first id match")
            << Interfaces{joystick, vendor} << 0x7864 << 0x5801 << false << 0;
        QTest::newRow("filter off, capabilities unavailable")
            << Interfaces{joystick, noCaps} << 0x0483 << 0xBEBA << false << 1;
        QTest::newRow("filter on, update mode without vendor page")
            << Interfaces{noCaps} << 0x0483 << 0xBEBA << true << -1;
    }
    void selection()
    {
        QFETCH(Interfaces, interfaces);
        QFETCH(int, vid);
        QFETCH(int, pid);
        QFETCH(bool, filter);
        QFETCH(int, expected);
        QCOMPARE(selectHidInterface(interfaces, quint16(vid), quint16(pid), filter), expected);
    }

    // No pedals attached in the test environment.
    void findDeviceWithoutHardware()
    {
        HidapiTransport t;
        LogCapture log;
        QVERIFY(t.findDevice().isEmpty());
        QVERIFY2(log.has(QStringLiteral("[HID] Scan done")), qPrintable(log.lines.join(QLatin1Char('\n'))));
        QVERIFY(log.lines.filter(QStringLiteral("[HID] Scan done")).first().endsWith(QStringLiteral("result: (none)")));
        QVERIFY(!log.has(QStringLiteral("Selected HID interface")));

        t.setVidPid(0x0483, 0xBEBA, false);
        QVERIFY(t.findDevice().isEmpty());
    }

    // Paths that are not hidraw nodes fail cleanly (the hidraw backend itself would crash on
    // some of them) and say why.
    void openFailures_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("expected");
        QTest::newRow("missing") << "/nonexistent" << int(IHidTransport::OpenError::NotFound);
        QTest::newRow("empty") << "" << int(IHidTransport::OpenError::NotFound);
        QTest::newRow("character device, not hidraw") << "/dev/null" << int(IHidTransport::OpenError::OtherError);
        QTest::newRow("plain file") << "FILE" << int(IHidTransport::OpenError::OtherError);
        QTest::newRow("directory") << "DIR" << int(IHidTransport::OpenError::OtherError);
    }
    void openFailures()
    {
        QFETCH(QString, path);
        QFETCH(int, expected);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        if (path == QLatin1String("FILE")) {
            path = dir.filePath(QStringLiteral("hidraw7"));
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("x");
        } else if (path == QLatin1String("DIR")) {
            path = dir.path();
        }
        HidapiTransport t;
        LogCapture log;
        QVERIFY(!t.open(path));
        QVERIFY(!t.isOpen());
        QCOMPARE(int(t.lastOpenError()), expected);
        QVERIFY(log.has(QStringLiteral("[HID] close()"))); // open always starts from closed
        QVERIFY(log.has(QStringLiteral("[HID] open FAILED")));
        QVERIFY(!log.has(QStringLiteral("open SUCCESS")));
    }

    void closedTransport()
    {
        HidapiTransport t;
        QVERIFY(!t.isOpen());
        QCOMPARE(t.lastOpenError(), IHidTransport::OpenError::Ok);
        LogCapture log;
        QVERIFY(!t.writeReport(QByteArray(64, '\x04')));
        QVERIFY(log.has(QStringLiteral("[HID] writeReport: device not open")));
        QVERIFY(t.readReport(0).isEmpty());
        QVERIFY(t.readReport(50).isEmpty());
        QVERIFY(t.readReport(-1).isEmpty()); // closed: never waits
        t.close();
        QVERIFY(log.has(QStringLiteral("[HID] close()")));
    }
};

QTEST_GUILESS_MAIN(TestHidapiTransport)
#include "tst_hidapitransport.moc"
