#include <QTemporaryDir>
#include <QtTest>

#include "device/HidapiTransport.h"

using Interfaces = QList<HidInterfaceInfo>;
Q_DECLARE_METATYPE(HidInterfaceInfo)

class TestHidapiTransport : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void selection_data()
    {
        QTest::addColumn<Interfaces>("interfaces");
        QTest::addColumn<bool>("updateMode");
        QTest::addColumn<bool>("filter");
        QTest::addColumn<int>("expected");
        const auto iface = [](quint16 vid, quint16 pid, quint16 page) {
            return HidInterfaceInfo{QString(), vid, pid, page, 0};
        };
        const HidInterfaceInfo joystick = iface(0x7864, 0x5801, 0x0001), vendor = iface(0x7864, 0x5801, 0xFF00),
                               vendorHigh = iface(0x7864, 0x5801, 0xFFA0), noCaps = iface(0x0483, 0xBEBA, 0),
                               foreign = iface(0x1234, 0x5801, 0xFF00), sibling = iface(0x7864, 0x5802, 0xFF00);
        const auto row = [](const char* tag, const Interfaces& list, bool updateMode, bool filter, int expected) {
            QTest::newRow(tag) << list << updateMode << filter << expected;
        };
        row("empty", {}, false, true, -1);
        row("filter on, only joystick page", {joystick}, false, true, -1);
        row("filter on skips joystick", {joystick, vendor}, false, true, 1);
        row("first vendor interface wins", {joystick, vendorHigh, vendor}, false, true, 1);
        row("wrong ids skipped", {foreign, sibling, vendor}, false, true, 2);
        row("filter off takes first id match", {joystick, vendor}, false, false, 0);
        row("update mode, capabilities unavailable", {joystick, noCaps}, true, false, 1);
        row("filter on, update mode without vendor page", {noCaps}, true, true, -1);
    }
    void selection()
    {
        QFETCH(Interfaces, interfaces);
        QFETCH(bool, updateMode);
        QFETCH(bool, filter);
        QFETCH(int, expected);
        QCOMPARE(selectHidInterface(interfaces, updateMode ? 0x0483 : 0x7864, updateMode ? 0xBEBA : 0x5801, filter),
                 expected);
    }

    // Paths that are not hidraw nodes fail cleanly (the hidraw backend itself would crash on
    // some of them) and say why; with no pedals here nothing is found; closed, nothing is
    // written and no read waits.
    void withoutPedals()
    {
        using E = IHidTransport::OpenError;
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("hidraw7")));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("x") == 1);
        const QStringList paths{"/nonexistent", "", "/dev/null", file.fileName(), dir.path()};
        HidapiTransport t;
        QCOMPARE(t.lastOpenError(), E::Ok);
        for (int i = 0; i < paths.size(); ++i) {
            QVERIFY(!t.open(paths[i]));
            QCOMPARE(t.lastOpenError(), i < 2 ? E::NotFound : E::OtherError);
        }
        QVERIFY(!t.isOpen());
        QVERIFY(t.findDevice().isEmpty());
        QVERIFY(!t.writeReport(QByteArray(64, '\x04')));
        QVERIFY(t.readReport(-1).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestHidapiTransport)
#include "tst_hidapitransport.moc"
