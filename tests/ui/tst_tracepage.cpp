#include <QtTest>

#include <cmath>

#include "support/UiSupport.h"
#include "ui/TraceChartWidget.h"
#include "ui/TracePage.h"

namespace {
// The traces as drawn so far against the same traces drawn from scratch.
void compareWithFullRepaint(TraceChartWidget* chart)
{
    const QImage incremental = chart->tracesImage();
    chart->redrawTraces();
    QCOMPARE(chart->tracesImage(), incremental);
}
} // namespace

class TestTracePage : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void incrementalDrawingMatchesFullRepaint()
    {
        InputTrace trace;
        TraceChartWidget chart(&trace);
        chart.resize(700, 300);
        chart.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chart));
        qint64 t = 0;
        for (int i = 1; i <= 1200; ++i) {
            // Irregular polls (0 to 3 columns each), one lost link, all three pedals moving.
            t += i % 7 == 0 ? 37 : (i % 11 == 0 ? 3 : 20);
            if (i == 500)
                t += 2000;
            TraceReading r{t, {}, {}};
            for (int p = 0; p < 3; ++p)
                r.out[size_t(p)] = qint16(32767 * std::sin(i * (0.05 + 0.04 * p)));
            trace.add(r);
            chart.advance();
            if (i % 400 == 0)
                compareWithFullRepaint(&chart);
        }
        compareWithFullRepaint(&chart);
    }

    void historySurvivesPageChange()
    {
        WindowRig rig(Application::simulatedTransportFactory());
        rig.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(rig.window.get()));
        auto* page = rig.open<TracePage>(2);
        QVERIFY(page);
        const TraceHistory& history = page->trace().history();
        QTRY_VERIFY_WITH_TIMEOUT(history.size() > 10, 10000);

        rig.nav()->setCurrentRow(4);
        const qint64 first = history.at(0).timeMs;
        const quint64 before = history.appended();
        QTRY_VERIFY_WITH_TIMEOUT(history.appended() >= before + 25, 10000); // recorded while hidden
        QCOMPARE(history.at(0).timeMs, first);

        // Shown again, the chart catches up with everything recorded meanwhile.
        QCOMPARE(rig.open<TracePage>(2), page);
        page->chart()->repaint();
        compareWithFullRepaint(page->chart());
    }
};

QTEST_MAIN(TestTracePage)
#include "tst_tracepage.moc"
