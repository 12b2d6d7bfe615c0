// The curve chart and the preset buttons that draw their curves.
#include <QtTest>

#include <QEnterEvent>
#include <QScreen>
#include <QSignalSpy>

#include "curves/CurveMath.h"
#include "ui/CurvePresetButton.h"
#include "ui/CurvePreviewWidget.h"

namespace {
const CurvePoints kLinear{0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100};

// A 400 x 300 chart of the linear curve: inner rectangle top 17, height 252 (2.52 px per percent).
struct Chart : CurvePreviewWidget
{
    Chart()
    {
        resize(400, 300);
        setPoints(kLinear);
    }
    QPoint at(int index) const { return pointPosition(index).toPoint(); }
};

QImage plain(const QImage& img)
{
    return img.convertToFormat(QImage::Format_RGB32);
}
} // namespace

class TestCurvePreview : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { registerCurvePointsMetaType(); }

    void pointsOutOfRangeAreKeptButDrawnInside()
    {
        Chart w;
        w.setPoints(CurvePoints{5, 10, -5, 30, 40, 120, 60, 70, 80, 90, 90});
        QCOMPARE(w.curvePoints()[0], qint8(0)); // the ends are fixed
        QCOMPARE(w.curvePoints()[10], qint8(100));
        QCOMPARE(w.curvePoints()[2], qint8(-5));
        QCOMPARE(w.curvePoints()[5], qint8(120));
        QCOMPARE(w.pointPosition(2).y(), w.innerRect().bottom());
        QCOMPARE(w.pointPosition(5).y(), w.innerRect().top());
        // Smaller than its margins it still paints.
        w.setMinimumHeight(0);
        w.resize(20, 25);
        w.setLiveMarker(0, 0, false, 0, 0, 0, 0);
        QVERIFY(!w.grab().isNull());
    }

    void drag()
    {
        Chart w;
        QSignalSpy spy(&w, &CurvePreviewWidget::curveEditedByUser);
        const int x = w.at(5).x();
        QTest::mousePress(&w, Qt::LeftButton, {}, w.at(5));
        QVERIFY(w.isDragging());
        QCOMPARE(spy.count(), 0); // pressing exactly on the point changes nothing
        // y 143 is exactly 50 %, y 142 is 50.4 -> 50, y 141 is 50.79 -> 51.
        for (int y : {143, 142, 141})
            QTest::mouseMove(&w, QPoint(x, y));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(w.curvePoints()[5], qint8(51));
        QTest::mouseMove(&w, QPoint(x, -40));
        QTest::mouseMove(&w, QPoint(x, -90)); // still 100: no second report
        QCOMPARE(spy.count(), 2);
        QTest::mouseMove(&w, QPoint(x, 600));
        CurvePoints expected = kLinear;
        expected[5] = 0;
        QCOMPARE(spy.last().at(0).value<CurvePoints>(), expected);
        // While dragging the page's refresh cannot overwrite the point.
        w.setPoints(kLinear);
        QCOMPARE(w.curvePoints()[5], qint8(0));
        QTest::mouseRelease(&w, Qt::LeftButton, {}, QPoint(x, 600));
        w.setPoints(kLinear);
        QCOMPARE(w.curvePoints()[5], qint8(50));

        // Hiding ends a drag whose release is never seen.
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::mousePress(&w, Qt::LeftButton, {}, w.at(6));
        w.hide();
        QVERIFY(!w.isDragging());
        w.setPoints(presetCurvePoints(3));
        QCOMPARE(w.curvePoints(), presetCurvePoints(3));
    }

    void endPointsAreNeverPicked()
    {
        Chart w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QSignalSpy spy(&w, &CurvePreviewWidget::curveEditedByUser);
        for (int end : {0, 10}) {
            QTest::mouseMove(&w, w.at(end));
            QCOMPARE(w.hoveredPoint(), -1);
            QTest::mousePress(&w, Qt::LeftButton, {}, w.at(end));
            QVERIFY(!w.isDragging());
            QTest::mouseMove(&w, QPoint(w.at(end).x(), 100));
            QTest::mouseRelease(&w, Qt::LeftButton, {}, QPoint(w.at(end).x(), 100));
        }
        QCOMPARE(spy.count(), 0);
        QCOMPARE(w.curvePoints(), kLinear);
        // Hover follows the nearest interior point and ends when the pointer leaves.
        QTest::mouseMove(&w, w.at(3) + QPoint(0, 12));
        QCOMPARE(w.hoveredPoint(), 3);
        QCOMPARE(w.cursor().shape(), Qt::SizeVerCursor);
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(&w, &leave);
        QCOMPARE(w.hoveredPoint(), -1);
        QVERIFY(w.cursor().shape() != Qt::SizeVerCursor);
    }

    void markerPlacement()
    {
        Chart w;
        QVERIFY(!w.isMarkerVisible());
        const QRectF in = w.innerRect();
        // Uncalibrated: raw read as an axis value; extremes sit on the inner edges.
        w.setLiveMarker(32767, -32768, false, 0, 0, 0, 0);
        QCOMPARE(w.markerPosition(), QPointF(in.right(), in.bottom()));
        w.setLiveMarker(2000, 0, true, 1000, 3000, 5, 5);
        QCOMPARE(w.markerInputPercent(), 50.0);
        QCOMPARE(w.markerOutputPercent(), 50.0);
        QCOMPARE(w.markerPosition(), in.center());
        w.hideLiveMarker();
        QVERIFY(!w.isMarkerVisible());
    }

    // The cached layers, and many marker moves that repaint only small squares, give exactly
    // the picture of one full repaint.
    void cachedDrawingMatchesFullPaint_data()
    {
        QTest::addColumn<int>("hover");
        QTest::addColumn<int>("moves");
        QTest::newRow("plain") << -1 << 0;
        QTest::newRow("hover and marker") << 4 << 1;
        QTest::newRow("marker moved 40 times, as shown") << -1 << 40;
    }
    void cachedDrawingMatchesFullPaint()
    {
        QFETCH(int, hover);
        QFETCH(int, moves);
        CurvePreviewWidget w;
        w.resize(360, 280);
        w.setCurveColor(QColor("#e17055"));
        w.setPoints(presetCurvePoints(1));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        if (hover >= 0)
            QTest::mouseMove(&w, w.pointPosition(hover).toPoint());
        for (int i = 1; i <= moves; ++i) {
            w.setLiveMarker(qint16(1000 + i * 50), qint16(-32000 + i * 1600), true, 1000, 3000, 3, 3);
            QCoreApplication::processEvents();
        }
        QImage shown = plain(w.grab().toImage());
        if (moves > 1) {
            shown = plain(w.screen()->grabWindow(w.winId()).toImage());
            if (shown.isNull())
                QSKIP("the platform cannot read back the window");
            shown = shown.copy(QRect(QPoint(0, 0), w.size() * w.devicePixelRatio()));
        }
        w.setLayerCacheEnabled(false);
        QCOMPARE(shown, plain(w.grab().toImage()));
    }

    // Each preset button draws its own curve; a pointer that leaves a checked button clears its hover.
    void presetButtons()
    {
        QList<QImage> icons;
        for (int kind = 0; kind < 5; ++kind) {
            CurvePresetButton b(kind);
            QImage img(b.size(), QImage::Format_ARGB32_Premultiplied);
            img.fill(Qt::transparent);
            b.render(&img);
            QVERIFY(!icons.contains(img));
            icons << img;
        }
        CurvePresetButton b(1);
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QCoreApplication::sendEvent(&b, &enter);
        QVERIFY(b.isHovered());
        b.setChecked(true);
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(&b, &leave);
        QVERIFY(!b.isHovered());
    }
};

QTEST_MAIN(TestCurvePreview)
#include "tst_curvepreview.moc"
