#include <QtTest>

#include "coordination/DeviceConfigModel.h"
#include "curves/CurveMath.h"

class TestCurveMath : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void presets()
    {
        const CurvePoints linear{0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100};
        const CurvePoints sCurve{0, 3, 10, 22, 35, 50, 65, 78, 90, 97, 100};
        const CurvePoints early{0, 32, 45, 55, 63, 71, 77, 84, 89, 95, 100};
        QCOMPARE(presetCurvePoints(1), sCurve);
        QCOMPARE(presetCurvePoints(2), early);
        QCOMPARE(presetCurvePoints(3), (CurvePoints{0, 1, 4, 9, 16, 25, 36, 49, 64, 81, 100}));
        // Recognised within 3 points of a preset (linear exactly); a stored custom type wins.
        QCOMPARE(matchCurvePreset(linear, 0), 0);
        QCOMPARE(matchCurvePreset(linear, 4), 4);
        QCOMPARE(matchCurvePreset({0, 11, 20, 30, 40, 50, 60, 70, 80, 90, 100}, 0), 4);
        QCOMPARE(matchCurvePreset({0, 4, 12, 20, 36, 50, 62, 80, 88, 97, 100}, 0), 1);
        QCOMPARE(matchCurvePreset({0, 7, 10, 22, 35, 50, 65, 78, 90, 97, 100}, 1), 4);
        QCOMPARE(matchCurvePreset({0, 3, 10, 22, 35, 50, 65, 78, 90, 97, 99}, 1), 4);
        QCOMPARE(matchCurvePreset({0, -3, 10, 22, 35, 50, 65, 78, 90, 97, 100}, 1), 4);
        QCOMPARE(matchCurvePreset(early, 0), 2);
        QCOMPARE(matchCurvePreset(CurvePoints{}, 0), 4);

        // A type out of range is clamped; custom keeps the points; other pedals are untouched.
        DeviceConfigModel model;
        model.curve = {early, early, early};
        applyCurvePresetToModel(&model, 1, 9);
        QVERIFY(model.curveType[1] == 4 && model.curve[1] == early);
        applyCurvePresetToModel(&model, 1, -2);
        QVERIFY(model.curveType[1] == 0 && model.curve[1] == linear);
        applyCurvePresetToModel(&model, 2, 1);
        QVERIFY(model.curveType[2] == 1 && model.curve[2] == sCurve);
        QVERIFY(model.curveType[0] == 0 && model.curve[0] == early);
    }

    // Output in percent of the axis for a raw reading, calibration and deadzones, in the
    // integer arithmetic of the pedals' firmware.
    void inputPercent_data()
    {
        QTest::addColumn<int>("raw");
        QTest::addColumn<bool>("calibrated");
        QTest::addColumn<QList<int>>("calibration"); // two ends (either order), top and bottom deadzone
        QTest::addColumn<double>("expected");
        QTest::newRow("at low") << 1100 << true << QList<int>{1000, 3000, 5, 5} << 0.0;
        QTest::newRow("at high, ends swapped") << 2900 << true << QList<int>{3000, 1000, 5, 5} << 100.0;
        QTest::newRow("middle") << 2000 << true << QList<int>{1000, 3000, 5, 5} << 50.0;
        QTest::newRow("bottom deadzone") << 1200 << true << QList<int>{1000, 3000, 0, 10} << 0.0;
        // 1 * 65534 / 1800 truncates to 36.
        QTest::newRow("truncated") << 1101 << true << QList<int>{1000, 3000, 5, 5} << 36 / 655.34;
        // Span 999: 3 % is 29 (not 29.97), then 1 * 65534 / 941 truncates to 69.
        QTest::newRow("deadzone truncated") << 1030 << true << QList<int>{1000, 1999, 3, 3} << 69 / 655.34;
        QTest::newRow("not calibrated: axis value") << 0 << false << QList<int>{1000, 3000, 5, 5} << 50.0;
        QTest::newRow("axis max") << 32767 << false << QList<int>{0, 0, 0, 0} << 100.0;
        QTest::newRow("axis min") << -32768 << false << QList<int>{0, 0, 0, 0} << 0.0;
        QTest::newRow("span 49: axis value") << 0 << true << QList<int>{1000, 1049, 0, 0} << 50.0;
        QTest::newRow("deadzones 50/50: axis value") << 0 << true << QList<int>{1000, 3000, 50, 50} << 50.0;
        // A full 16-bit calibration needs more than 32 bits: (raw - low) * 65534.
        QTest::newRow("wide range, near top") << 32766 << true << QList<int>{-32768, 32767, 0, 0} << 65533 / 655.34;
    }
    void inputPercent()
    {
        QFETCH(int, raw);
        QFETCH(bool, calibrated);
        QFETCH(QList<int>, calibration);
        const QList<int>& c = calibration;
        QTEST(pedalInputPercent(qint16(raw), calibrated, qint16(c[0]), qint16(c[1]), c[2], c[3]), "expected");
    }
};

QTEST_GUILESS_MAIN(TestCurveMath)
#include "tst_curvemath.moc"
