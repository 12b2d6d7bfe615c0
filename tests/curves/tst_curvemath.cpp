#include <QtTest>

#include "coordination/DeviceConfigModel.h"
#include "curves/CurveMath.h"

class TestCurveMath : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void presetTables_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<CurvePoints>("points");
        QTest::newRow("linear") << 0 << CurvePoints{0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100};
        QTest::newRow("s-curve") << 1 << CurvePoints{0, 3, 10, 22, 35, 50, 65, 78, 90, 97, 100};
        QTest::newRow("early") << 2 << CurvePoints{0, 32, 45, 55, 63, 71, 77, 84, 89, 95, 100};
        QTest::newRow("late") << 3 << CurvePoints{0, 1, 4, 9, 16, 25, 36, 49, 64, 81, 100};
    }
    void presetTables()
    {
        QFETCH(int, type);
        QFETCH(CurvePoints, points);
        QCOMPARE(presetCurvePoints(type), points);
    }

    void recognition_data()
    {
        QTest::addColumn<CurvePoints>("points");
        QTest::addColumn<int>("storedType");
        QTest::addColumn<int>("expected");
        const CurvePoints linear{0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100};
        QTest::newRow("exact linear") << linear << 0 << 0;
        QTest::newRow("linear stored as custom") << linear << 4 << 4;
        QTest::newRow("linear one off") << CurvePoints{0, 11, 20, 30, 40, 50, 60, 70, 80, 90, 100} << 0 << 4;
        QTest::newRow("s-curve within 3") << CurvePoints{0, 4, 12, 20, 36, 50, 62, 80, 88, 97, 100} << 1 << 1;
        QTest::newRow("s-curve 4 away") << CurvePoints{0, 7, 10, 22, 35, 50, 65, 78, 90, 97, 100} << 1 << 4;
        QTest::newRow("last point 99") << CurvePoints{0, 3, 10, 22, 35, 50, 65, 78, 90, 97, 99} << 1 << 4;
        QTest::newRow("stored type ignored for presets")
            << CurvePoints{0, 32, 45, 55, 63, 71, 77, 84, 89, 95, 100} << 0 << 2;
        QTest::newRow("all zero (fresh model)") << CurvePoints{} << 0 << 4;
        QTest::newRow("negative stored values") << CurvePoints{0, -3, 10, 22, 35, 50, 65, 78, 90, 97, 100} << 1 << 4;
    }
    void recognition()
    {
        QFETCH(CurvePoints, points);
        QFETCH(int, storedType);
        QFETCH(int, expected);
        QCOMPARE(matchCurvePreset(points, storedType), expected);
    }

    void applyingRequestedType_data()
    {
        QTest::addColumn<int>("requested");
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("pointsKept");
        QTest::newRow("s-curve") << 1 << 1 << false;
        QTest::newRow("late") << 3 << 3 << false;
        QTest::newRow("custom keeps points") << 4 << 4 << true;
        QTest::newRow("below range is linear") << -2 << 0 << false;
        QTest::newRow("above range is custom") << 9 << 4 << true;
    }
    void applyingRequestedType()
    {
        QFETCH(int, requested);
        QFETCH(int, type);
        QFETCH(bool, pointsKept);
        DeviceConfigModel model;
        const CurvePoints own{0, 5, 9, 30, 41, 55, 60, 70, 80, 95, 100};
        model.curve[1] = own;
        model.curve[0] = own;
        applyCurvePresetToModel(&model, 1, requested);
        QCOMPARE(int(model.curveType[1]), type);
        QCOMPARE(model.curve[1], pointsKept ? own : presetCurvePoints(type));
        QCOMPARE(model.curve[0], own); // other pedals untouched
        QCOMPARE(int(model.curveType[0]), 0);
    }

    void axisToPercent_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<double>("expected");
        QTest::newRow("max") << 32767 << 100.0;
        QTest::newRow("zero") << 0 << 50.0;
        QTest::newRow("min") << -32768 << 0.0;
        QTest::newRow("-32767") << -32767 << 0.0;
    }
    void axisToPercent()
    {
        QFETCH(int, value);
        QFETCH(double, expected);
        QCOMPARE(::axisToPercent(qint16(value)), expected);
    }

    void inputPercent_data()
    {
        QTest::addColumn<int>("raw");
        QTest::addColumn<bool>("calibrated");
        QTest::addColumn<int>("cal1");
        QTest::addColumn<int>("cal2");
        QTest::addColumn<int>("deadTop");
        QTest::addColumn<int>("deadBot");
        QTest::addColumn<double>("expected");
        QTest::newRow("at low") << 1100 << true << 1000 << 3000 << 5 << 5 << 0.0;
        QTest::newRow("below low") << 900 << true << 1000 << 3000 << 5 << 5 << 0.0;
        QTest::newRow("at high") << 2900 << true << 1000 << 3000 << 5 << 5 << 100.0;
        QTest::newRow("middle") << 2000 << true << 1000 << 3000 << 5 << 5 << 50.0;
        QTest::newRow("middle, swapped calibration") << 2000 << true << 3000 << 1000 << 5 << 5 << 50.0;
        QTest::newRow("high, swapped calibration") << 2900 << true << 3000 << 1000 << 5 << 5 << 100.0;
        QTest::newRow("not calibrated: axis value") << 0 << false << 1000 << 3000 << 5 << 5 << 50.0;
        QTest::newRow("span 49: axis value") << 0 << true << 1000 << 1049 << 0 << 0 << 50.0;
        QTest::newRow("deadzones 50/50: axis value") << 0 << true << 1000 << 3000 << 50 << 50 << 50.0;
        // Full 16-bit calibration: (raw - low) * 65534 needs more than 32 bits;
        // 32768 * 65534 / 65535 truncates to 32767, so the axis value is 0.
        QTest::newRow("wide range") << 0 << true << -32768 << 32767 << 0 << 0 << 50.0;
        QTest::newRow("wide range, near top") << 32766 << true << -32768 << 32767 << 0 << 0
                                              << (65534.0 * 65534 / 65535 - 32767 + 32767.0) / 65534.0 * 100.0;
    }
    void inputPercent()
    {
        QFETCH(int, raw);
        QFETCH(bool, calibrated);
        QFETCH(int, cal1);
        QFETCH(int, cal2);
        QFETCH(int, deadTop);
        QFETCH(int, deadBot);
        QFETCH(double, expected);
        const double got = pedalInputPercent(qint16(raw), calibrated, qint16(cal1), qint16(cal2), deadTop, deadBot);
        QVERIFY2(qAbs(got - expected) < 1e-3, qPrintable(QString::number(got)));
    }

    void inputPercentTruncates()
    {
        // low = 1000 + 5 * 2000 / 100 = 1100, high = 2900; raw 1101 gives
        // 1 * 65534 / 1800 = 36 (truncated) - 32767 = -32731.
        const double got = pedalInputPercent(1101, true, 1000, 3000, 5, 5);
        QCOMPARE(got, ::axisToPercent(-32731));
        // Integer deadzone arithmetic truncates: span 999, 3 % -> 29 (not 29.97).
        const double atLow = pedalInputPercent(1029, true, 1000, 1999, 3, 3);
        QCOMPARE(atLow, 0.0);
        QVERIFY(pedalInputPercent(1030, true, 1000, 1999, 3, 3) > 0.0);
    }
};

QTEST_GUILESS_MAIN(TestCurveMath)
#include "tst_curvemath.moc"
