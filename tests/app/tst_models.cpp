#include <QSignalSpy>
#include <QtTest>

#include "coordination/DeviceConfigModel.h"

class TestModels : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void configDefaultsAreZero()
    {
        DeviceConfigModel m;
        for (int i = 0; i < 3; ++i) {
            for (qint8 p : m.curve[size_t(i)])
                QCOMPARE(int(p), 0);
            QCOMPARE(int(m.curveType[size_t(i)]), 0);
            QCOMPARE(int(m.filter[size_t(i)]), 0);
            QCOMPARE(int(m.deadTop[size_t(i)]), 0);
            QCOMPARE(int(m.deadBot[size_t(i)]), 0);
            QCOMPARE(int(m.cali[size_t(i)]), 0);
            QCOMPARE(int(m.min[size_t(i)]), 0);
            QCOMPARE(int(m.max[size_t(i)]), 0);
        }
        QCOMPARE(int(m.ver), 0);
        QCOMPARE(int(m.crc), 0);
        QVERIFY(!m.parent());
    }

    void runtimeDefaultsAreZero()
    {
        PedalRuntimeState r;
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(int(r.raw[size_t(i)]), 0);
            QCOMPARE(int(r.out[size_t(i)]), 0);
            QCOMPARE(int(r.axisMin[size_t(i)]), 0);
            QCOMPARE(int(r.axisMax[size_t(i)]), 0);
            QCOMPARE(int(r.cail[size_t(i)]), 0);
        }
        QVERIFY(!r.hasExtended);
    }

    void hostToWireMapsBothWays()
    {
        QCOMPARE(hostToWire(0), 2);
        QCOMPARE(hostToWire(1), 1);
        QCOMPARE(hostToWire(2), 0);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(hostToWire(hostToWire(i)), i);
    }

    void firmwareVersion_data()
    {
        QTest::addColumn<int>("word");
        QTest::addColumn<QString>("text");
        QTest::newRow("3.1.2") << 0x0312 << "3.1.2";
        QTest::newRow("max") << 0xFFFF << "255.15.15";
        QTest::newRow("zero") << 0 << "0.0.0";
        QTest::newRow("fallback") << 0x0206 << "2.0.6";
        QTest::newRow("minor only") << 0x00F0 << "0.15.0";
    }
    void firmwareVersion()
    {
        QFETCH(int, word);
        QFETCH(QString, text);
        QCOMPARE(formatFirmwareVersion(quint16(word)), text);
    }

    void curveTypeTravelsThroughQueuedSignal()
    {
        DeviceConfigModel m;
        const int id = QMetaType::fromName("std::array<qint8,DeviceConfigModel::kCurvePoints>").id();
        QVERIFY(id != QMetaType::UnknownType);
        QCOMPARE(id, qMetaTypeId<CurvePoints>());
        CurvePoints p{0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100};
        QString text;
        QDebug(&text) << p;
        QCOMPARE(text.trimmed(), QStringLiteral("(0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100)"));
    }
};

QTEST_GUILESS_MAIN(TestModels)
#include "tst_models.moc"
