#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QWidget>

#include "coordination/DeviceConfigModel.h"

// Dark chart of one pedal's 11-point response curve. The nine interior points can be
// dragged vertically; the pedal's live position is shown as a marker. Edits are reported
// through curveEditedByUser, never written to the model here.
class CurvePreviewWidget : public QWidget
{
    Q_OBJECT
public:
    explicit CurvePreviewWidget(QWidget* parent = nullptr);

    void setPoints(const CurvePoints& points);
    void setCurveColor(const QColor& color);
    void setLiveMarker(qint16 raw, qint16 output, bool calibrated, qint16 calMin, qint16 calMax, int deadTop,
                       int deadBot);
    void hideLiveMarker();

    QSize minimumSizeHint() const override;

    const CurvePoints& curvePoints() const { return m_points; }
    QColor color() const { return m_curveColor; }
    bool isMarkerVisible() const { return m_markerVisible; }
    double markerInputPercent() const { return m_markerX; }
    double markerOutputPercent() const { return m_markerY; }
    bool isDragging() const { return m_dragging; }
    int hoveredPoint() const { return m_hoverIndex; }

    QRect plotRect() const;
    QRectF innerRect() const;
    QPointF pointPosition(int index) const;
    QPointF markerPosition() const;
    // Interior point within 13 px of pos (nearest, lower index on ties), else -1.
    int hitTest(const QPoint& pos) const;

    // The static layers are kept in an image and only the marker is redrawn on live
    // updates. Switching it off paints every layer each time (reference for checks).
    void setLayerCacheEnabled(bool enabled);

Q_SIGNALS:
    void curveEditedByUser(std::array<qint8, DeviceConfigModel::kCurvePoints> y);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void dragStep(const QPoint& pos);
    void updateHoverCursor();
    void invalidateLayers();
    void paintLayers(QPainter& p) const;
    void paintMarker(QPainter& p) const;
    void paintDragValue(QPainter& p, const QPointF& point) const;
    QRect markerDirtyRect() const;

    CurvePoints m_points{};
    QColor m_curveColor{0x2d, 0x7d, 0xff};
    bool m_markerVisible = false;
    double m_markerX = 0.0;
    double m_markerY = 0.0;
    bool m_dragging = false;
    int m_dragIndex = -1;
    int m_hoverIndex = -1;

    bool m_layerCacheEnabled = true;
    bool m_layersValid = false;
    QImage m_layers;
    // The live marker as drawn at each quarter-pixel offset, made on first use.
    mutable std::array<QPixmap, 16> m_markerSprites;
};
