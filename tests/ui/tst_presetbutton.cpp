#include <QtTest>

#include <QEnterEvent>
#include <QImage>

#include "ui/CurvePresetButton.h"

namespace {
QImage render(CurvePresetButton& b)
{
    QImage img(b.size(), QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    b.render(&img);
    return img;
}

void enter(CurvePresetButton& b)
{
    QEnterEvent e(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(&b, &e);
}

void leave(CurvePresetButton& b)
{
    QEvent e(QEvent::Leave);
    QCoreApplication::sendEvent(&b, &e);
}

// A pixel of the fill (inside the border, outside the icon area) and one on the border.
QRgb fillPixel(const QImage& img)
{
    return img.pixel(3, img.height() / 2);
}
QRgb borderPixel(const QImage& img)
{
    return img.pixel(img.width() / 2, 0);
}
} // namespace

class TestPresetButton : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void coloursByState_data()
    {
        QTest::addColumn<bool>("checked");
        QTest::addColumn<bool>("hovered");
        QTest::addColumn<QColor>("fill");
        QTest::addColumn<QColor>("border");
        QTest::newRow("neither") << false << false << QColor("#222a3a") << QColor("#3d4a63");
        QTest::newRow("hovered") << false << true << QColor("#2a3550") << QColor("#3d8bff");
        QTest::newRow("checked") << true << false << QColor("#3d8bff") << QColor("#2f7ae6");
        QTest::newRow("checked and hovered") << true << true << QColor("#3d8bff") << QColor("#2f7ae6");
    }
    void coloursByState()
    {
        QFETCH(bool, checked);
        QFETCH(bool, hovered);
        QFETCH(QColor, fill);
        QFETCH(QColor, border);
        CurvePresetButton b(0);
        b.setChecked(checked);
        if (hovered)
            enter(b);
        const QImage img = render(b);
        QCOMPARE(QColor(fillPixel(img)), fill);
        QCOMPARE(QColor(borderPixel(img)), border);
    }

    void leavingClearsHoverWhileChecked()
    {
        CurvePresetButton b(1);
        enter(b);
        QVERIFY(b.isHovered());
        QCOMPARE(QColor(fillPixel(render(b))), QColor("#2a3550"));
        b.setChecked(true);
        leave(b);
        QVERIFY(!b.isHovered());
        QCOMPARE(QColor(fillPixel(render(b))), QColor("#3d8bff"));
        b.setChecked(false);
        QCOMPARE(QColor(fillPixel(render(b))), QColor("#222a3a"));
    }

    // Icon rectangle (7.5, 7.5, 37, 23). Probe pixels that tell the drawn shapes apart:
    // each probe is either on the stroke (icon colour) or clearly off it (fill colour).
    void icons_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QPoint>("onStroke");
        QTest::addColumn<QPoint>("offStroke");
        // Linear: the diagonal; the point halfway along it.
        QTest::newRow("linear") << 0 << QPoint(26, 19) << QPoint(12, 11);
        // Early bulges up-left: its midpoint is high on the left; the diagonal is empty.
        QTest::newRow("early") << 2 << QPoint(22, 12) << QPoint(26, 19);
        // Late bulges down-right: its midpoint is low on the right.
        QTest::newRow("late") << 3 << QPoint(30, 26) << QPoint(17, 11);
        // S-Curve passes the centre but not the Early or Late bulges.
        QTest::newRow("s-curve") << 1 << QPoint(26, 19) << QPoint(17, 11);
        // Custom: the vertex at (0.42, 0.82) of the icon rectangle.
        QTest::newRow("custom") << 4 << QPoint(23, 26) << QPoint(12, 11);
    }
    void icons()
    {
        QFETCH(int, kind);
        QFETCH(QPoint, onStroke);
        QFETCH(QPoint, offStroke);
        CurvePresetButton b(kind);
        const QImage img = render(b);
        const QColor icon("#9aa4b8");
        const QColor fill("#222a3a");
        auto near = [&](const QPoint& centre, const QColor& want) {
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    if (QColor(img.pixel(centre + QPoint(dx, dy))) == want)
                        return true;
            return false;
        };
        QVERIFY2(near(onStroke, icon), "stroke missing");
        QCOMPARE(QColor(img.pixel(offStroke)), fill);
    }
};

QTEST_MAIN(TestPresetButton)
#include "tst_presetbutton.moc"
