#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

#include "coordination/InputTrace.h"

class TestInputTrace : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void strokeDetection_data()
    {
        // Brake output in percent every 20 ms; -1 stands for a 1 s silence (a lost link).
        QTest::addColumn<QList<double>>("brake");
        QTest::addColumn<int>("pauseAfter"); // readings before Pause; -1: never paused
        QTest::addColumn<double>("peak");    // of the held stroke; -1: none held, one in progress
        QTest::addColumn<int>("durationMs");
        QTest::newRow("press and release") << QList<double>{0, 1, 5, 40, 80, 60, 10, 1, 0} << -1 << 80.0 << 100;
        QTest::newRow("still pressed") << QList<double>{0, 5, 50, 70} << -1 << -1.0 << 0;
        QTest::newRow("2 % is the edge") << QList<double>{0, 1.99, 5, 2.01, 2.01, 1.99} << -1 << 5.0 << 60;
        // The second stroke replaces the first, which Pause still shows.
        QTest::newRow("released while paused") << QList<double>{0, 50, 0, 60, 0} << 3 << 60.0 << 20;
        QTest::newRow("lost link ends nothing") << QList<double>{0, 50, -1, 40, 0} << -1 << 40.0 << 20;
    }
    void strokeDetection()
    {
        QFETCH(QList<double>, brake);
        QFETCH(int, pauseAfter);
        QFETCH(double, peak);
        QFETCH(int, durationMs);
        InputTrace trace;
        qint64 t = 1000;
        for (int i = 0; i < brake.size(); ++i) {
            if (i == pauseAfter)
                trace.setPaused(true);
            t += brake[i] < 0 ? 1000 : 20;
            if (brake[i] >= 0)
                trace.add({t, {}, {-32767, qint16(std::lround(brake[i] / 100.0 * 65534.0) - 32767), -32767}});
        }
        QCOMPARE(trace.strokeInProgress(), peak < 0);
        const BrakeStroke& held = trace.lastStroke();
        QCOMPARE(held.valid, peak >= 0);
        if (held.valid) {
            QVERIFY2(std::abs(held.peakPercent - peak) < 0.01, qPrintable(QString::number(held.peakPercent)));
            QCOMPARE(held.durationMs, qint64(durationMs));
        }
        if (pauseAfter >= 0) {
            // The shown picture is the one from before Pause; resuming shows what was recorded.
            QCOMPARE(trace.shownHistory().size(), pauseAfter);
            QVERIFY(trace.shownStroke().peakPercent < 51);
            trace.setPaused(false);
            QCOMPARE(trace.shownStroke().peakPercent, held.peakPercent);
        }
    }

    void csvFormat()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("trace.csv"));
        TraceCsvWriter writer;
        QVERIFY(writer.open(path, true));
        const TraceReading a{5000, {120, 3400, -5}, {-32767, -32767, -32767}};
        const TraceReading b{5020, {4095, 0, 17}, {32767, 32767, -32767}};
        QVERIFY(writer.write(a) && writer.write(b));
        QVERIFY(writer.close());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(),
                 QByteArray("time_ms,throttle_raw,throttle_out,brake_raw,brake_out,clutch_raw,clutch_out\n"
                            "0,120,-32767,3400,-32767,-5,-32767\n"
                            "20,4095,32767,0,32767,17,-32767\n"));

        // Never replaces a file unless asked, and never opens anything but a regular file.
        QString error;
        QVERIFY(!writer.open(path, false, &error));
        QVERIFY(!writer.open(dir.path(), true, &error));
        QCOMPARE(error, QStringLiteral("Not a regular file."));
    }
};

QTEST_GUILESS_MAIN(TestInputTrace)
#include "tst_inputtrace.moc"
