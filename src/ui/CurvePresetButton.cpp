#include "ui/CurvePresetButton.h"

#include <QEnterEvent>
#include <QPainter>
#include <QPainterPath>

CurvePresetButton::CurvePresetButton(int kind_, QWidget* parent) : QAbstractButton(parent), m_kind(kind_)
{
    setCheckable(true);
    setCursor(Qt::PointingHandCursor);
    // 52 x 38 where the column has room; narrower columns shrink it toward 44 x 32.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    setMinimumSize(44, 32);
    setMaximumSize(52, 38);
}

QSize CurvePresetButton::sizeHint() const
{
    return QSize(52, 38);
}

QSize CurvePresetButton::minimumSizeHint() const
{
    return QSize(44, 32);
}

void CurvePresetButton::enterEvent(QEnterEvent* event)
{
    m_hovered = true;
    update();
    QAbstractButton::enterEvent(event);
}

void CurvePresetButton::leaveEvent(QEvent* event)
{
    m_hovered = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void CurvePresetButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, true);

    // Checked wins over hovered, so a hovered selection still reads as selected.
    QColor fill(0x22, 0x2a, 0x3a);
    QColor border(0x3d, 0x4a, 0x63);
    QColor icon(0x9a, 0xa4, 0xb8);
    if (isChecked()) {
        fill = QColor(0x3d, 0x8b, 0xff);
        border = QColor(0x2f, 0x7a, 0xe6);
        icon = Qt::white;
    } else if (m_hovered) {
        fill = QColor(0x2a, 0x35, 0x50);
        border = QColor(0x3d, 0x8b, 0xff);
        icon = QColor(0x6e, 0xb8, 0xff);
    }

    const QRectF bg(0.5, 0.5, width() - 1.0, height() - 1.0);
    p.setPen(QPen(border, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    p.setBrush(fill);
    p.drawRoundedRect(bg, 5, 5);

    const QRectF r = bg.adjusted(7, 7, -7, -7);
    const qreal x = r.left();
    const qreal y = r.top();
    const qreal iw = r.width();
    const qreal ih = r.height();

    QPainterPath path(QPointF(x, y + ih));
    const QPointF end(x + iw, y);
    switch (m_kind) {
    case 0: path.lineTo(end); break;
    case 1: path.cubicTo(QPointF(x + 0.4 * iw, y + ih), QPointF(x + 0.6 * iw, y), end); break;
    case 2: path.cubicTo(QPointF(x + 0.15 * iw, y + 0.15 * ih), QPointF(x + 0.55 * iw, y), end); break;
    case 3: path.cubicTo(QPointF(x + 0.45 * iw, y + ih), QPointF(x + 0.85 * iw, y + 0.85 * ih), end); break;
    case 4:
        path.lineTo(x + 0.22 * iw, y + 0.65 * ih);
        path.lineTo(x + 0.42 * iw, y + 0.82 * ih);
        path.lineTo(x + 0.58 * iw, y + 0.22 * ih);
        path.lineTo(x + 0.78 * iw, y + 0.48 * ih);
        path.lineTo(end);
        break;
    default: break; // unknown kind: only the start point, nothing drawn
    }

    p.setPen(QPen(icon, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}
