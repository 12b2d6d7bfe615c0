#include "ui/CurvePreviewWidget.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QtMath>
#include <algorithm>
#include <array>
#include <cmath>

#include "curves/CurveMath.h"

namespace {
constexpr double kHitRadius = 13.0;
// Half the side of the square repainted around the marker: radius 4, half the 1.8 pen,
// antialiasing fringe and rounding to whole pixels.
constexpr int kMarkerReach = 7;

double clampPercent(double v)
{
    return std::clamp(v, 0.0, 100.0);
}
} // namespace

CurvePreviewWidget::CurvePreviewWidget(QWidget* parent) : QWidget(parent)
{
    registerCurvePointsMetaType();
    setObjectName(QStringLiteral("curvePreviewPlot"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::MinimumExpanding);
    setMinimumHeight(260);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    // The first layer covers the widget with the window brush anyway; letting Qt fill
    // with that same brush marks the widget opaque, so a marker move does not repaint
    // the frames behind the chart. (Re-applied after polishing: style sheets turn it off.)
    setAutoFillBackground(true);
    setMouseTracking(true);
}

QSize CurvePreviewWidget::minimumSizeHint() const
{
    return QSize(140, 260);
}

QRect CurvePreviewWidget::plotRect() const
{
    return QRect(12, 8, std::max(1, width() - 22), std::max(1, height() - 30));
}

QRectF CurvePreviewWidget::innerRect() const
{
    const QRect plot = plotRect();
    if (plot.width() - 18 >= 8 && plot.height() - 18 >= 8)
        return QRectF(plot.left() + 9, plot.top() + 9, plot.width() - 18, plot.height() - 18);
    return QRectF(plot);
}

QPointF CurvePreviewWidget::pointPosition(int index) const
{
    const QRectF in = innerRect();
    const double p = std::clamp(int(m_points[size_t(std::clamp(index, 0, 10))]), 0, 100);
    return QPointF(in.left() + (index / 10.0) * in.width(), in.top() + in.height() - (p / 100.0) * in.height());
}

QPointF CurvePreviewWidget::markerPosition() const
{
    const QRectF in = innerRect();
    return QPointF(in.left() + (clampPercent(m_markerX) / 100.0) * in.width(),
                   in.top() + in.height() - (clampPercent(m_markerY) / 100.0) * in.height());
}

int CurvePreviewWidget::hitTest(const QPoint& pos) const
{
    int best = -1;
    double bestDist = 0.0;
    for (int i = 1; i <= 9; ++i) {
        const QPointF d = QPointF(pos) - pointPosition(i);
        const double dist = std::hypot(d.x(), d.y());
        // Strictly smaller, so the lower index keeps a tie.
        if (dist <= kHitRadius && (best < 0 || dist < bestDist)) {
            best = i;
            bestDist = dist;
        }
    }
    return best;
}

void CurvePreviewWidget::setLayerCacheEnabled(bool enabled)
{
    m_layerCacheEnabled = enabled;
    invalidateLayers();
}

void CurvePreviewWidget::invalidateLayers()
{
    m_layersValid = false;
    m_layers = QImage();
    update();
}

void CurvePreviewWidget::setPoints(const CurvePoints& newPoints)
{
    // The user's drag owns the points until release.
    if (m_dragging)
        return;
    CurvePoints p = newPoints;
    p[0] = 0;
    p[10] = 100;
    if (p == m_points)
        return;
    m_points = p;
    invalidateLayers();
}

void CurvePreviewWidget::setCurveColor(const QColor& color)
{
    if (color.isValid() && color != m_curveColor) {
        m_curveColor = color;
        invalidateLayers();
    }
    update();
}

QRect CurvePreviewWidget::markerDirtyRect() const
{
    if (!m_markerVisible)
        return QRect();
    const QPointF c = markerPosition();
    return QRect(qFloor(c.x()) - kMarkerReach, qFloor(c.y()) - kMarkerReach, 2 * kMarkerReach + 2,
                 2 * kMarkerReach + 2);
}

void CurvePreviewWidget::setLiveMarker(qint16 raw, qint16 output, bool calibrated, qint16 calMin, qint16 calMax,
                                       int deadTop, int deadBot)
{
    const double x = pedalInputPercent(raw, calibrated, calMin, calMax, deadTop, deadBot);
    const double y = axisToPercent(output);
    if (m_markerVisible && x == m_markerX && y == m_markerY)
        return; // idle pedal: nothing to repaint
    const QRect before = markerDirtyRect();
    m_markerX = x;
    m_markerY = y;
    m_markerVisible = true;
    update(before.united(markerDirtyRect()));
}

void CurvePreviewWidget::hideLiveMarker()
{
    if (!m_markerVisible)
        return;
    const QRect before = markerDirtyRect();
    m_markerVisible = false;
    update(before);
}

void CurvePreviewWidget::paintLayers(QPainter& p) const
{
    const QRect plot = plotRect();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);

    p.fillRect(rect(), palette().brush(QPalette::Window));

    p.setPen(QPen(QColor(0x33, 0x3d, 0x4f), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    p.setBrush(QColor(0x1a, 0x1f, 0x2e));
    p.drawRoundedRect(QRectF(plot.left() + 0.5, plot.top() + 0.5, plot.width() - 1, plot.height() - 1), 6, 6);

    p.setClipRect(plot);
    p.setBrush(Qt::NoBrush);
    const QColor gridMajor(0x28, 0x30, 0x42);
    const QColor gridMinor(0x22, 0x28, 0x38);
    for (int k = 1; k <= 9; ++k) {
        p.setPen(QPen(k == 5 ? gridMajor : gridMinor, 1.0));
        const double x = plot.left() + plot.width() * k / 10.0;
        p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        const double y = plot.bottom() - plot.height() * k / 10.0;
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }
    p.setClipping(false);

    QFont f = font();
    if (f.pointSizeF() > 0)
        f.setPointSizeF(std::max(8.0, f.pointSizeF() - 0.5));
    p.setFont(f);
    p.setPen(QColor(0xa5, 0xad, 0xbc));
    const int labelTop = plot.bottom() + 2;
    p.drawText(QRect(plot.left(), labelTop, plot.width() / 2, 18), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("0%"));
    const int mid = (plot.left() + plot.right()) / 2;
    p.drawText(QRect(mid - 20, labelTop, 40, 18), Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("50%"));
    p.drawText(QRect(plot.right() - 44, labelTop, 44, 18), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("100%"));

    p.setClipRect(plot);
    std::array<QPointF, DeviceConfigModel::kCurvePoints> pts;
    for (int i = 0; i < DeviceConfigModel::kCurvePoints; ++i)
        pts[size_t(i)] = pointPosition(i);
    p.setPen(QPen(m_curveColor, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(pts.data(), int(pts.size()));

    const QColor handleFill(0x1e, 0x24, 0x33);
    for (int i = 0; i < DeviceConfigModel::kCurvePoints; ++i) {
        double radius = 5.2;
        double penWidth = 1.2;
        QColor penColor = m_curveColor;
        const bool endPoint = i == 0 || i == 10;
        if (endPoint) {
            radius = 3.6;
        } else if (m_dragging && i == m_dragIndex) {
            radius = 7.2;
            penWidth = 2.2;
            penColor = m_curveColor.darker(115);
        } else if (!m_dragging && i == m_hoverIndex) {
            radius = 6.0;
            penWidth = 1.8;
            penColor = m_curveColor.darker(108);
        }
        p.setPen(QPen(penColor, penWidth, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
        p.setBrush(handleFill);
        p.drawEllipse(pts[size_t(i)], radius, radius);
        if (!endPoint && m_dragging && i == m_dragIndex) {
            p.setPen(QPen(m_curveColor.lighter(120), 1.0));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(pts[size_t(i)], radius + 2.5, radius + 2.5);
        }
    }
    // The clip stays on for the marker, which paintMarker sets up itself.
    p.setClipping(false);

    if (m_dragging && m_dragIndex >= 1 && m_dragIndex <= 9)
        paintDragValue(p, pts[size_t(m_dragIndex)]);
}

void CurvePreviewWidget::paintDragValue(QPainter& p, const QPointF& point) const
{
    // Input and output of the dragged point, beside it and inside the chart where possible.
    const int output = std::clamp(int(m_points[size_t(m_dragIndex)]), 0, 100);
    const QString text = QStringLiteral("%1% \u2192 %2%").arg(m_dragIndex * 10).arg(output);
    QFont f = font();
    f.setBold(true);
    p.setFont(f);
    const QFontMetrics metrics(f);
    const QSizeF box(metrics.horizontalAdvance(text) + 12, metrics.height() + 6);
    constexpr double kGap = 12.0;
    const QRectF bounds = QRectF(plotRect()).adjusted(2, 2, -2, -2);
    double x = point.x() + kGap;
    if (x + box.width() > bounds.right())
        x = point.x() - kGap - box.width();
    double y = point.y() - kGap - box.height();
    if (y < bounds.top())
        y = point.y() + kGap;
    x = std::clamp(x, 0.0, std::max(0.0, width() - box.width()));
    y = std::clamp(y, 0.0, std::max(0.0, height() - box.height()));
    const QRectF r(QPointF(x, y), box);
    p.setPen(QPen(m_curveColor, 1.0));
    p.setBrush(QColor(0x12, 0x18, 0x24, 235));
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    p.setPen(QColor(0xe8, 0xea, 0xef));
    p.drawText(r, Qt::AlignCenter, text);
}

void CurvePreviewWidget::paintMarker(QPainter& p) const
{
    if (!m_markerVisible)
        return;
    p.setRenderHint(QPainter::Antialiasing, true);
    // Clipping to the plot only matters on charts too small for the marker; a clip on
    // top of the update region makes every live repaint slower.
    const bool clip = !plotRect().contains(markerDirtyRect());
    if (clip)
        p.setClipRect(plotRect());
    const auto draw = [](QPainter& painter, const QPointF& centre) {
        painter.setPen(QPen(QColor(0xe8, 0xea, 0xef), 1.8));
        painter.setBrush(QColor(0xff, 0xd6, 0x6b));
        painter.drawEllipse(centre, 4.0, 4.0);
    };
    if (clip) {
        draw(p, markerPosition());
        p.setClipping(false);
        return;
    }
    // An antialiased circle costs as much as everything else the chart repaints per reading;
    // it is drawn once per quarter-pixel offset and then copied into place.
    const QPointF c = markerPosition();
    int x = qFloor(c.x());
    int y = qFloor(c.y());
    int qx = qRound((c.x() - x) * 4);
    int qy = qRound((c.y() - y) * 4);
    x += qx / 4;
    y += qy / 4;
    qx %= 4;
    qy %= 4;
    QPixmap& sprite = m_markerSprites[size_t(qy * 4 + qx)];
    const qreal dpr = p.device()->devicePixelRatioF();
    const int side = 2 * kMarkerReach + 2;
    if (sprite.isNull() || sprite.devicePixelRatio() != dpr) {
        sprite = QPixmap(QSize(side, side) * dpr);
        sprite.setDevicePixelRatio(dpr);
        sprite.fill(Qt::transparent);
        QPainter sp(&sprite);
        sp.setRenderHint(QPainter::Antialiasing, true);
        draw(sp, QPointF(kMarkerReach + qx / 4.0, kMarkerReach + qy / 4.0));
    }
    p.drawPixmap(x - kMarkerReach, y - kMarkerReach, sprite);
}

void CurvePreviewWidget::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (!m_layerCacheEnabled) {
        paintLayers(p);
        paintMarker(p);
        return;
    }
    const qreal dpr = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * dpr).toSize();
    if (!m_layersValid || m_layers.size() != pixels || m_layers.devicePixelRatio() != dpr) {
        m_layers = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        m_layers.setDevicePixelRatio(dpr);
        m_layers.fill(Qt::transparent);
        QPainter lp(&m_layers);
        paintLayers(lp);
        lp.end();
        m_layersValid = true;
    }
    // The painter is clipped to the update region, so a marker move copies only its
    // old and new squares.
    p.drawImage(QPointF(0, 0), m_layers);
    paintMarker(p);
}

bool CurvePreviewWidget::event(QEvent* event)
{
    const bool result = QWidget::event(event);
    if (event->type() == QEvent::Polish)
        setAutoFillBackground(true);
    return result;
}

void CurvePreviewWidget::resizeEvent(QResizeEvent* event)
{
    invalidateLayers();
    QWidget::resizeEvent(event);
}

void CurvePreviewWidget::changeEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::PaletteChange:
    case QEvent::FontChange:
    case QEvent::StyleChange:
    case QEvent::EnabledChange:
    case QEvent::ActivationChange:
        // The window brush of the current colour group and the label font are baked in.
        invalidateLayers();
        break;
    default: break;
    }
    QWidget::changeEvent(event);
}

void CurvePreviewWidget::dragStep(const QPoint& pos)
{
    const QRectF in = innerRect();
    if (m_dragIndex < 1 || m_dragIndex > 9 || !(in.height() > 1.0))
        return;
    const double raw = (in.top() + in.height() - pos.y()) / in.height() * 100.0;
    const int v = std::clamp(int(std::round(raw)), 0, 100); // std::round: halves away from zero
    if (v == m_points[size_t(m_dragIndex)])
        return;
    m_points[size_t(m_dragIndex)] = qint8(v);
    m_points[0] = 0;
    m_points[10] = 100;
    invalidateLayers();
    Q_EMIT curveEditedByUser(m_points);
}

void CurvePreviewWidget::updateHoverCursor()
{
    if (m_hoverIndex >= 0)
        setCursor(Qt::SizeVerCursor);
    else
        unsetCursor();
}

void CurvePreviewWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        const QPoint pos = event->position().toPoint();
        const int hit = hitTest(pos);
        if (hit >= 0) {
            m_dragIndex = hit;
            m_dragging = true;
            grabMouse();
            invalidateLayers();
            dragStep(pos);
            event->accept();
            return;
        }
    }
    QWidget::mousePressEvent(event);
}

void CurvePreviewWidget::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (m_dragging && m_dragIndex >= 1 && m_dragIndex <= 9) {
        dragStep(pos);
        event->accept();
        return;
    }
    const int hit = hitTest(pos);
    if (hit != m_hoverIndex) {
        m_hoverIndex = hit;
        updateHoverCursor();
        invalidateLayers();
    }
    QWidget::mouseMoveEvent(event);
}

void CurvePreviewWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_dragging) {
        m_dragging = false;
        m_dragIndex = -1;
        releaseMouse();
        m_hoverIndex = hitTest(event->position().toPoint());
        updateHoverCursor();
        invalidateLayers();
        event->accept();
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

void CurvePreviewWidget::hideEvent(QHideEvent* event)
{
    // Hidden mid-drag, the release never arrives; without ending the drag here the
    // chart would ignore every later setPoints.
    if (m_dragging) {
        m_dragging = false;
        m_dragIndex = -1;
        releaseMouse();
        invalidateLayers();
    }
    QWidget::hideEvent(event);
}

void CurvePreviewWidget::leaveEvent(QEvent* event)
{
    if (!m_dragging && m_hoverIndex >= 0) {
        m_hoverIndex = -1;
        unsetCursor();
        invalidateLayers();
    }
    QWidget::leaveEvent(event);
}
