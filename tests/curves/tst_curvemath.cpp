#include <QtTest>

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
};

QTEST_GUILESS_MAIN(TestCurveMath)
#include "tst_curvemath.moc"
