#include <QtTest>

#include <QScreen>
#include <QSignalSpy>

#include "curves/CurveMath.h"
#include "ui/CurvePreviewWidget.h"

namespace {
const CurvePoints kLinear{0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100};

QPoint at(const CurvePreviewWidget& w, int index)
{
    return w.pointPosition(index).toPoint();
}

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

    void setPointsForcesEndsAndKeepsStoredValues()
    {
        CurvePreviewWidget w;
        w.resize(400, 300);
        w.setPoints(CurvePoints{5, 10, -5, 30, 40, 120, 60, 70, 80, 90, 90});
        QCOMPARE(w.curvePoints()[0], qint8(0));
        QCOMPARE(w.curvePoints()[10], qint8(100));
        QCOMPARE(w.curvePoints()[2], qint8(-5)); // stored as given ...
        QCOMPARE(w.curvePoints()[5], qint8(120));
        const QRectF in = w.innerRect();
        QCOMPARE(w.pointPosition(2).y(), in.top() + in.height()); // ... drawn at 0
        QCOMPARE(w.pointPosition(5).y(), in.top());               // ... and at 100
    }

    void geometry_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("plot");
        QTest::addColumn<QRectF>("inner");
        QTest::newRow("normal") << QSize(400, 300) << QRect(12, 8, 378, 270) << QRectF(21, 17, 360, 252);
        QTest::newRow("smaller than margins") << QSize(20, 25) << QRect(12, 8, 1, 1) << QRectF(12, 8, 1, 1);
        QTest::newRow("inner too narrow") << QSize(47, 300) << QRect(12, 8, 25, 270) << QRectF(12, 8, 25, 270);
    }
    void geometry()
    {
        QFETCH(QSize, size);
        QFETCH(QRect, plot);
        QFETCH(QRectF, inner);
        CurvePreviewWidget w;
        w.setMinimumHeight(0);
        w.resize(size);
        QCOMPARE(w.plotRect(), plot);
        QCOMPARE(w.innerRect(), inner);
        w.setPoints(kLinear);
        w.setLiveMarker(0, 0, false, 0, 0, 0, 0);
        QVERIFY(!w.grab().isNull()); // paints without trouble
    }

    void dragAboveAndBelow()
    {
        CurvePreviewWidget w;
        w.resize(400, 300);
        w.setPoints(kLinear);
        QSignalSpy spy(&w, &CurvePreviewWidget::curveEditedByUser);

        const QPoint p5 = at(w, 5);
        QTest::mousePress(&w, Qt::LeftButton, {}, p5);
        QVERIFY(w.isDragging());
        QCOMPARE(spy.count(), 0); // pressing exactly on the point changes nothing

        QTest::mouseMove(&w, QPoint(p5.x(), -40));
        QCOMPARE(spy.count(), 1);
        CurvePoints expected = kLinear;
        expected[5] = 100;
        QCOMPARE(spy.last().at(0).value<CurvePoints>(), expected);
        QTest::mouseMove(&w, QPoint(p5.x(), -90)); // still 100: no second report
        QCOMPARE(spy.count(), 1);

        QTest::mouseMove(&w, QPoint(p5.x(), 600));
        QCOMPARE(spy.count(), 2);
        expected[5] = 0;
        QCOMPARE(spy.last().at(0).value<CurvePoints>(), expected);

        // While dragging the page's refresh cannot overwrite the point.
        w.setPoints(kLinear);
        QCOMPARE(w.curvePoints()[5], qint8(0));

        QTest::mouseRelease(&w, Qt::LeftButton, {}, QPoint(p5.x(), 600));
        QVERIFY(!w.isDragging());
        w.setPoints(kLinear);
        QCOMPARE(w.curvePoints()[5], qint8(50));
    }

    void hidingEndsADrag()
    {
        CurvePreviewWidget w;
        w.resize(400, 300);
        w.setPoints(kLinear);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::mousePress(&w, Qt::LeftButton, {}, at(w, 6));
        QVERIFY(w.isDragging());
        w.hide(); // the release is never seen
        QVERIFY(!w.isDragging());
        w.setPoints(presetCurvePoints(3));
        QCOMPARE(w.curvePoints(), presetCurvePoints(3));
    }

    void dragStepRounding()
    {
        CurvePreviewWidget w;
        w.resize(400, 300); // inner: top 17, height 252, so 2.52 px per percent
        w.setPoints(kLinear);
        QSignalSpy spy(&w, &CurvePreviewWidget::curveEditedByUser);
        const QPoint p3 = at(w, 3);
        QTest::mousePress(&w, Qt::LeftButton, {}, p3);
        // y = 17 + 252 - 252 * v / 100; y 143 is exactly 50 %, y 142 is 50.4 -> 50, y 141 is 50.79 -> 51.
        QTest::mouseMove(&w, QPoint(p3.x(), 143));
        QCOMPARE(w.curvePoints()[3], qint8(50));
        QTest::mouseMove(&w, QPoint(p3.x(), 142));
        QCOMPARE(spy.count(), 1);
        QTest::mouseMove(&w, QPoint(p3.x(), 141));
        QCOMPARE(w.curvePoints()[3], qint8(51));
        QCOMPARE(spy.count(), 2);
        QTest::mouseRelease(&w, Qt::LeftButton, {}, QPoint(p3.x(), 141));
    }

    void endPointsAreNeverPicked()
    {
        CurvePreviewWidget w;
        w.resize(400, 300);
        w.setPoints(kLinear);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QSignalSpy spy(&w, &CurvePreviewWidget::curveEditedByUser);
        for (int end : {0, 10}) {
            QCOMPARE(w.hitTest(at(w, end)), -1);
            QTest::mouseMove(&w, at(w, end));
            QCOMPARE(w.hoveredPoint(), -1);
            QVERIFY(w.cursor().shape() != Qt::SizeVerCursor);
            QTest::mousePress(&w, Qt::LeftButton, {}, at(w, end));
            QVERIFY(!w.isDragging());
            QTest::mouseMove(&w, QPoint(at(w, end).x(), 100));
            QTest::mouseRelease(&w, Qt::LeftButton, {}, QPoint(at(w, end).x(), 100));
        }
        QCOMPARE(spy.count(), 0);
        QCOMPARE(w.curvePoints(), kLinear);
    }

    void hoverCursor()
    {
        CurvePreviewWidget w;
        w.resize(400, 300);
        w.setPoints(kLinear);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::mouseMove(&w, at(w, 3) + QPoint(0, 12)); // within 13 px
        QCOMPARE(w.hoveredPoint(), 3);
        QCOMPARE(w.cursor().shape(), Qt::SizeVerCursor);
        QTest::mouseMove(&w, at(w, 3) + QPoint(0, 14)); // just outside
        QCOMPARE(w.hoveredPoint(), -1);
        QTest::mouseMove(&w, at(w, 7));
        QCOMPARE(w.hoveredPoint(), 7);
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(&w, &leave);
        QCOMPARE(w.hoveredPoint(), -1);
        QVERIFY(w.cursor().shape() != Qt::SizeVerCursor);
    }

    void equalDistancesPickLowerIndex()
    {
        CurvePreviewWidget w;
        w.setMinimumHeight(0);
        w.resize(60, 300); // inner rectangle 21..41 wide: points 2 px apart
        w.setPoints(CurvePoints{0, 50, 50, 50, 50, 50, 50, 50, 50, 50, 100});
        QCOMPARE(w.pointPosition(4), QPointF(29, 143));
        QCOMPARE(w.pointPosition(5), QPointF(31, 143));
        QCOMPARE(w.hitTest(QPoint(30, 143)), 4);
        QCOMPARE(w.hitTest(QPoint(32, 143)), 5);
        QCOMPARE(w.hitTest(QPoint(31, 143)), 5);
    }

    void markerPlacement()
    {
        CurvePreviewWidget w;
        w.resize(400, 300);
        QVERIFY(!w.isMarkerVisible());
        const QRectF in = w.innerRect();
        // Uncalibrated: raw read as an axis value; extremes sit on the inner edges.
        w.setLiveMarker(32767, -32768, false, 0, 0, 0, 0);
        QVERIFY(w.isMarkerVisible());
        QCOMPARE(w.markerPosition(), QPointF(in.right(), in.bottom()));
        w.setLiveMarker(2000, 0, true, 1000, 3000, 5, 5);
        QCOMPARE(w.markerInputPercent(), 50.0);
        QCOMPARE(w.markerOutputPercent(), 50.0);
        QCOMPARE(w.markerPosition(), in.center());
        w.hideLiveMarker();
        QVERIFY(!w.isMarkerVisible());
    }

    // The cached layers must give the same picture as painting every layer.
    void cachedLayersMatchFullPaint_data()
    {
        QTest::addColumn<int>("hover");
        QTest::addColumn<bool>("marker");
        QTest::newRow("plain") << -1 << false;
        QTest::newRow("hover and marker") << 4 << true;
    }
    void cachedLayersMatchFullPaint()
    {
        QFETCH(int, hover);
        QFETCH(bool, marker);
        CurvePreviewWidget w;
        w.resize(360, 280);
        w.setCurveColor(QColor("#e17055"));
        w.setPoints(presetCurvePoints(1));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        if (hover >= 0) {
            QTest::mouseMove(&w, at(w, hover));
            QCOMPARE(w.hoveredPoint(), hover);
        }
        if (marker)
            w.setLiveMarker(1700, 9000, true, 1000, 3000, 3, 3);
        const QImage cached = plain(w.grab().toImage());
        w.setLayerCacheEnabled(false);
        const QImage full = plain(w.grab().toImage());
        QCOMPARE(cached, full);
    }

    // After many marker moves that repaint only small squares, the window shows exactly
    // what one full repaint gives.
    void partialMarkerUpdatesLeaveNoTrace()
    {
        CurvePreviewWidget w;
        w.resize(360, 280);
        w.setPoints(presetCurvePoints(2));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        for (int i = 0; i <= 40; ++i) {
            const qint16 raw = qint16(1000 + i * 50);
            w.setLiveMarker(raw, qint16(-32000 + i * 1600), true, 1000, 3000, 0, 0);
            QCoreApplication::processEvents();
        }
        w.setLiveMarker(1400, -12000, true, 1000, 3000, 0, 0);
        QCoreApplication::processEvents();
        QScreen* screen = w.screen();
        QVERIFY(screen);
        QImage shown = plain(screen->grabWindow(w.winId()).toImage());
        if (shown.isNull())
            QSKIP("the platform cannot read back the window");
        shown = shown.copy(QRect(QPoint(0, 0), w.size() * w.devicePixelRatio()));
        w.setLayerCacheEnabled(false);
        const QImage full = plain(w.grab().toImage());
        QCOMPARE(shown, full);
    }
};

QTEST_MAIN(TestCurvePreview)
#include "tst_curvepreview.moc"
