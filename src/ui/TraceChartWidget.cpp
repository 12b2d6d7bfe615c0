#include "ui/TraceChartWidget.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "coordination/InputTrace.h"
#include "curves/CurveMath.h"
#include "ui/PedalChannelCard.h"

namespace {
constexpr int kLeft = 40; // room for "100%"
constexpr int kTop = 8;
constexpr int kRight = 10;
constexpr int kBottom = 22; // room for the time labels
constexpr int kInset = 2;   // the traces stay inside the frame's rounded corners
// The newest reading sits this far from the right edge, so a line's end never touches the
// edge: what scrolls in from the right is always empty.
constexpr double kPadX = 4.0;
constexpr double kPadY = 4.0;
// Not a whole number: with the segments' ends on pixel centres, a 2.0 pen puts its edges
// exactly on sampling points, where rounding makes the picture depend on where it is drawn
// and the scrolled image would drift from a fresh drawing by a level here and there.
constexpr double kLineWidth = 1.8;

const QColor kPlotFill(0x1a, 0x1f, 0x2e);
const QColor kGridMinor(0x22, 0x28, 0x38);
const QColor kGridMajor(0x28, 0x30, 0x42);
const QColor kLabel(0xa5, 0xad, 0xbc);

qint64 floorDiv(qint64 a, qint64 b)
{
    const qint64 q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

qint64 ceilDiv(qint64 a, qint64 b)
{
    return -floorDiv(-a, b);
}

QFont labelFont(const QWidget* w)
{
    QFont f = w->font();
    if (f.pointSizeF() > 0)
        f.setPointSizeF(std::max(8.0, f.pointSizeF() - 0.5));
    return f;
}
} // namespace

TraceChartWidget::TraceChartWidget(const InputTrace* trace, QWidget* parent) : QWidget(parent), m_trace(trace)
{
    setObjectName(QStringLiteral("traceChart"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setMinimumHeight(220);
    // Every pixel comes from the images below: nothing behind the chart needs painting.
    setAttribute(Qt::WA_OpaquePaintEvent, true);
}

QSize TraceChartWidget::minimumSizeHint() const
{
    return QSize(240, 220);
}

QRect TraceChartWidget::plotRect() const
{
    return QRect(kLeft, kTop, std::max(1, width() - kLeft - kRight), std::max(1, height() - kTop - kBottom));
}

QRect TraceChartWidget::tracesRect() const
{
    const QRect plot = plotRect();
    if (plot.width() <= 2 * kInset + 8 || plot.height() <= 2 * kInset + 8)
        return plot;
    return plot.adjusted(kInset, kInset, -kInset, -kInset);
}

TraceChartWidget::Mapping TraceChartWidget::mapping() const
{
    const qreal dpr = devicePixelRatioF();
    const QRect tr = tracesRect();
    Mapping m;
    m.width = std::max(1, int(std::lround(tr.width() * dpr)));
    m.height = std::max(1, int(std::lround(tr.height() * dpr)));
    m.anchorX = std::max(0, m.width - 1 - int(std::lround(kPadX * dpr)));
    m.span = std::max(1, m.anchorX);
    const double padY = std::round(kPadY * dpr);
    m.yTop = padY + 0.5;
    m.yRange = std::max(1.0, m.height - 1 - 2 * padY);
    return m;
}

qint64 TraceChartWidget::column(qint64 timeMs) const
{
    return floorDiv(timeMs * m_map.span, InputTrace::kWindowMs);
}

double TraceChartWidget::yOf(qint16 out) const
{
    return m_map.yTop + (100.0 - axisToPercent(out)) / 100.0 * m_map.yRange;
}

void TraceChartWidget::preparePainter(QPainter& p) const
{
    p.setRenderHint(QPainter::Antialiasing, true);
}

// Plot fill and grid for the image columns x0..x1. Horizontal lines every 10 %, vertical
// lines every second of the readings' time (they scroll with the traces).
void TraceChartWidget::paintBackground(QPainter& p, int x0, int x1, qint64 newestColumn) const
{
    const int w = x1 - x0 + 1;
    if (w <= 0)
        return;
    p.fillRect(QRect(x0, 0, w, m_map.height), kPlotFill);
    for (int k = 1; k <= 9; ++k) {
        const int row = int(std::floor(m_map.yTop + (100 - 10 * k) / 100.0 * m_map.yRange));
        p.fillRect(QRect(x0, row, w, 1), k == 5 ? kGridMajor : kGridMinor);
    }
    if (m_map.span < 10)
        return;
    for (int x = x0; x <= x1; ++x) {
        const qint64 c = newestColumn - (m_map.anchorX - x);
        const qint64 second = ceilDiv(c * 10, m_map.span);
        if (floorDiv(second * m_map.span, 10) == c)
            p.fillRect(QRect(x, 0, 1, m_map.height), second % 5 == 0 ? kGridMajor : kGridMinor);
    }
}

// The three pedals' segments from reading i - 1 to reading i.
void TraceChartWidget::drawStep(QPainter& p, const TraceHistory& h, int i, qint64 newestColumn) const
{
    if (i <= 0 || i >= h.size())
        return;
    const TraceReading& a = h.at(i - 1);
    const TraceReading& b = h.at(i);
    const qint64 dt = b.timeMs - a.timeMs;
    if (dt < 0 || dt > InputTrace::kGapMs)
        return; // no line across a lost link
    const double xa = m_map.anchorX - (newestColumn - column(a.timeMs)) + 0.5;
    const double xb = m_map.anchorX - (newestColumn - column(b.timeMs)) + 0.5;
    if (xb < -kLineWidth * 2)
        return;
    const qreal width = kLineWidth * devicePixelRatioF();
    for (int pedal = 0; pedal < 3; ++pedal) {
        p.setPen(QPen(PedalChannelCard::pedalColor(pedal), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(xa, yOf(a.out[size_t(pedal)])), QPointF(xb, yOf(b.out[size_t(pedal)])));
    }
}

void TraceChartWidget::ensureTracesImage()
{
    m_map = mapping();
    const QSize size(m_map.width, m_map.height);
    if (m_traces.size() != size)
        m_traces = QImage(size, QImage::Format_RGB32); // opaque: the cheapest to put on screen
}

void TraceChartWidget::redrawTraces()
{
    ensureTracesImage();
    QPainter p(&m_traces);
    preparePainter(p);
    if (!m_trace) {
        paintBackground(p, 0, m_map.width - 1, 0);
        m_tracesValid = true;
        return;
    }
    const TraceHistory& h = m_trace->shownHistory();
    const qint64 newest = h.size() > 0 ? column(h.latest().timeMs) : 0;
    paintBackground(p, 0, m_map.width - 1, newest);
    for (int i = 1; i < h.size(); ++i)
        drawStep(p, h, i, newest);
    m_drawnAppended = h.appended();
    m_drawnColumn = newest;
    m_tracesValid = true;
}

void TraceChartWidget::scrollTraces(int dx)
{
    if (dx <= 0)
        return;
    const int w = m_traces.width();
    const qsizetype bpl = m_traces.bytesPerLine();
    uchar* bits = m_traces.bits();
    for (int y = 0; y < m_traces.height(); ++y) {
        uchar* line = bits + y * bpl;
        std::memmove(line, line + qsizetype(dx) * 4, size_t(w - dx) * 4);
    }
}

void TraceChartWidget::advance()
{
    if (!m_trace || m_trace->isPaused() || !isVisible())
        return;
    const QRect tr = tracesRect();
    if (m_ghostStrokes != m_trace->shownStrokeCount())
        update(tr);
    const TraceHistory& h = m_trace->history();
    const quint64 fresh = h.appended() - m_drawnAppended;
    if (m_tracesValid && (fresh == 0 || h.size() == 0))
        return;
    const qint64 newest = h.size() > 0 ? column(h.latest().timeMs) : 0;
    const qint64 dx = newest - m_drawnColumn;
    if (!m_tracesValid || fresh >= quint64(h.size()) || dx < 0 || dx >= m_traces.width()) {
        redrawTraces();
        update(tr);
        return;
    }
    scrollTraces(int(dx));
    QPainter p(&m_traces);
    preparePainter(p);
    paintBackground(p, m_traces.width() - int(dx), m_traces.width() - 1, newest);
    for (int i = h.size() - int(fresh); i < h.size(); ++i)
        drawStep(p, h, i, newest);
    m_drawnAppended = h.appended();
    m_drawnColumn = newest;
    update(tr);
}

void TraceChartWidget::invalidate()
{
    m_tracesValid = false;
    m_ghostValid = false;
    update();
}

void TraceChartWidget::buildStatic()
{
    const qreal dpr = devicePixelRatioF();
    m_static = QImage((QSizeF(size()) * dpr).toSize().expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    m_static.setDevicePixelRatio(dpr);
    m_static.fill(Qt::transparent);
    QPainter p(&m_static);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.fillRect(rect(), palette().brush(QPalette::Window));

    const QRect plot = plotRect();
    p.setPen(QPen(QColor(0x33, 0x3d, 0x4f), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    p.setBrush(kPlotFill);
    p.drawRoundedRect(QRectF(plot.left() + 0.5, plot.top() + 0.5, plot.width() - 1, plot.height() - 1), 4, 4);

    const Mapping m = mapping();
    const QRect tr = tracesRect();
    p.setFont(labelFont(this));
    p.setPen(kLabel);
    for (int percent : {100, 50, 0}) {
        const double y = tr.top() + (m.yTop + (100 - percent) / 100.0 * m.yRange) / dpr;
        p.drawText(QRectF(0, y - 9, plot.left() - 6, 18), Qt::AlignRight | Qt::AlignVCenter,
                   QStringLiteral("%1%").arg(percent));
    }
    const int labelTop = plot.bottom() + 2;
    const QChar minus(0x2212);
    p.drawText(QRect(plot.left(), labelTop, plot.width() / 2, 18), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("%1%2 s").arg(minus).arg(InputTrace::kWindowMs / 1000));
    const double mid = tr.left() + (m.anchorX - m.span / 2.0 + 0.5) / dpr;
    p.drawText(QRectF(mid - 20, labelTop, 40, 18), Qt::AlignHCenter | Qt::AlignVCenter,
               QStringLiteral("%1%2 s").arg(minus).arg(InputTrace::kWindowMs / 2000));
    p.drawText(QRect(plot.right() - 44, labelTop, 44, 18), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("0 s"));
    m_staticValid = true;
}

// The held stroke from the left edge of the plot, at the traces' time scale, with its peak
// and duration beside its highest point. Drawn in logical coordinates over a device-pixel
// image, so it is put on screen unscaled.
void TraceChartWidget::buildGhost()
{
    m_ghostValid = true;
    m_ghostRect = QRect();
    m_ghostStrokes = m_trace ? m_trace->shownStrokeCount() : 0;
    if (!m_trace || !m_trace->shownStroke().valid)
        return;
    const BrakeStroke& stroke = m_trace->shownStroke();
    const qreal dpr = devicePixelRatioF();
    m_map = mapping();
    const QSize size(m_map.width, m_map.height);
    if (m_ghost.size() != size)
        m_ghost = QImage(size, QImage::Format_ARGB32_Premultiplied);
    m_ghost.fill(Qt::transparent);

    QPolygonF line;
    line.reserve(qsizetype(stroke.points.size()));
    QPointF peak(0, m_map.height);
    for (const BrakeStroke::Point& pt : stroke.points) {
        const double x = pt.offsetMs * double(m_map.span) / InputTrace::kWindowMs + 0.5;
        if (x > m_map.width)
            break;
        const QPointF devicePoint(x, yOf(pt.out));
        line << devicePoint / dpr;
        if (devicePoint.y() < peak.y())
            peak = devicePoint;
    }
    if (line.isEmpty())
        return;
    peak /= dpr;

    QPainter p(&m_ghost);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.scale(dpr, dpr);
    QColor ghost = PedalChannelCard::pedalColor(1);
    ghost.setAlpha(170);
    p.setPen(QPen(ghost, 1.6, Qt::DashLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(line);

    const QString text = QCoreApplication::translate("Quilbex", "Last brake: peak %1 %, %2 s")
                             .arg(stroke.peakPercent, 0, 'f', 0)
                             .arg(stroke.durationMs / 1000.0, 0, 'f', 2);
    const QFont font = labelFont(this);
    p.setFont(font);
    const QSizeF logical(m_map.width / dpr, m_map.height / dpr);
    QRectF box(QPointF(0, 0), QFontMetricsF(font).size(Qt::TextSingleLine, text) + QSizeF(2, 0));
    box.moveBottomLeft(QPointF(peak.x() + 8, peak.y() - 4));
    if (box.right() > logical.width() - 4)
        box.moveRight(logical.width() - 4);
    if (box.left() < 4)
        box.moveLeft(4);
    if (box.top() < 2)
        box.moveTop(2);
    p.setPen(PedalChannelCard::pedalColor(1).lighter(130));
    p.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, text);
    p.end();

    const QRectF used = line.boundingRect().adjusted(-2, -2, 2, 2).united(box.adjusted(-1, -1, 1, 1));
    const QRectF device(used.topLeft() * dpr, used.size() * dpr);
    m_ghostRect = device.toAlignedRect().intersected(m_ghost.rect());
}

void TraceChartWidget::paintEvent(QPaintEvent* event)
{
    if (!m_staticValid || m_static.isNull())
        buildStatic();
    if (!m_tracesValid)
        redrawTraces();
    if (!m_ghostValid || (m_trace && m_ghostStrokes != m_trace->shownStrokeCount()))
        buildGhost();

    QPainter p(this);
    const qreal dpr = devicePixelRatioF();
    const QRect tr = tracesRect();
    if (!tr.contains(event->rect()))
        p.drawImage(QPointF(0, 0), m_static);
    p.drawImage(QRectF(QPointF(tr.topLeft()), QSizeF(m_traces.size()) / dpr), m_traces);
    if (!m_ghostRect.isEmpty()) {
        const QRectF target(QPointF(tr.topLeft()) + QPointF(m_ghostRect.topLeft()) / dpr,
                            QSizeF(m_ghostRect.size()) / dpr);
        p.drawImage(target, m_ghost, QRectF(m_ghostRect));
    }
}

void TraceChartWidget::resizeEvent(QResizeEvent* event)
{
    m_staticValid = false;
    invalidate();
    QWidget::resizeEvent(event);
}

void TraceChartWidget::showEvent(QShowEvent* event)
{
    // Nothing was drawn while hidden: catch up in one go.
    m_tracesValid = false;
    QWidget::showEvent(event);
}

void TraceChartWidget::changeEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::PaletteChange:
    case QEvent::FontChange:
    case QEvent::StyleChange:
        m_staticValid = false;
        invalidate();
        break;
    case QEvent::LanguageChange:
        m_ghostValid = false; // the peak and duration text
        update();
        break;
    default: break;
    }
    QWidget::changeEvent(event);
}
