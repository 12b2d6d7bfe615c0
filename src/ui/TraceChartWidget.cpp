#include "ui/TraceChartWidget.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
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

// Screen columns x0..x1 of the plot fill, in the ring. Whole pixels only: no rounding
// depends on where in the image they land.
void fillColumns(QPainter& p, int origin, int width, int x0, int x1, int y, int h, const QColor& color)
{
    const int r0 = (x0 + origin) % width;
    const int n = x1 - x0 + 1;
    const int first = std::min(n, width - r0);
    p.fillRect(QRect(r0, y, first, h), color);
    if (first < n)
        p.fillRect(QRect(0, y, n - first, h), color);
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

// Plot fill and grid for the screen columns x0..x1. Horizontal lines every 10 %, vertical
// lines every second of the readings' time (they scroll with the traces).
void TraceChartWidget::paintBackground(QPainter& p, int x0, int x1, qint64 newestColumn)
{
    if (x1 < x0)
        return;
    const int w = m_map.width;
    fillColumns(p, m_origin, w, x0, x1, 0, m_map.height, kPlotFill);
    for (int k = 1; k <= 9; ++k) {
        const int row = int(std::floor(m_map.yTop + (100 - 10 * k) / 100.0 * m_map.yRange));
        fillColumns(p, m_origin, w, x0, x1, row, 1, k == 5 ? kGridMajor : kGridMinor);
    }
    if (m_map.span < 10)
        return;
    for (int x = x0; x <= x1; ++x) {
        const qint64 c = newestColumn - (m_map.anchorX - x);
        const qint64 second = ceilDiv(c * 10, m_map.span);
        if (floorDiv(second * m_map.span, 10) == c)
            p.fillRect(QRect((x + m_origin) % w, 0, 1, m_map.height), second % 5 == 0 ? kGridMajor : kGridMinor);
    }
}

// The three pedals' segments from reading i - 1 to reading i. A segment across the ring's
// seam is drawn on both sides; the image's edges clip each copy to its own part. Only a
// drawing from scratch (origin 0) reaches past the left edge: new segments are at most
// kGapMs long and lie at the right.
void TraceChartWidget::drawStep(QPainter& p, const TraceHistory& h, int i, qint64 newestColumn)
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
    const double reach = kLineWidth * devicePixelRatioF();
    if (xb < -reach)
        return;
    const int w = m_map.width;
    const bool low = xa - reach + m_origin < w;   // a part lands before the seam
    const bool high = xb + reach + m_origin >= w; // a part lands after it
    for (int pedal = 0; pedal < 3; ++pedal) {
        p.setPen(QPen(PedalChannelCard::pedalColor(pedal), reach, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const double ya = yOf(a.out[size_t(pedal)]);
        const double yb = yOf(b.out[size_t(pedal)]);
        if (low)
            p.drawLine(QPointF(xa + m_origin, ya), QPointF(xb + m_origin, yb));
        if (high)
            p.drawLine(QPointF(xa + m_origin - w, ya), QPointF(xb + m_origin - w, yb));
    }
}

void TraceChartWidget::redrawTraces()
{
    m_map = mapping();
    const QSize size(m_map.width, m_map.height);
    if (m_traces.size() != size)
        m_traces = QImage(size, QImage::Format_RGB32); // opaque: the cheapest to put on screen
    m_origin = 0;
    QPainter p(&m_traces);
    p.setRenderHint(QPainter::Antialiasing, true);
    const TraceHistory* h = m_trace ? &m_trace->shownHistory() : nullptr;
    const qint64 newest = h && h->size() > 0 ? column(h->latest().timeMs) : 0;
    paintBackground(p, 0, m_map.width - 1, newest);
    if (h) {
        for (int i = 1; i < h->size(); ++i)
            drawStep(p, *h, i, newest);
        m_drawnAppended = h->appended();
    }
    m_drawnColumn = newest;
    m_tracesValid = true;
}

QImage TraceChartWidget::tracesImage() const
{
    if (m_origin == 0)
        return m_traces.copy();
    QImage unrolled(m_traces.size(), m_traces.format());
    const int w = m_traces.width();
    for (int y = 0; y < m_traces.height(); ++y) {
        const uchar* from = m_traces.constScanLine(y);
        uchar* to = unrolled.scanLine(y);
        std::memcpy(to, from + m_origin * 4, size_t(w - m_origin) * 4);
        std::memcpy(to + (w - m_origin) * 4, from, size_t(m_origin) * 4);
    }
    return unrolled;
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
    // Moving the origin scrolls the picture; the columns that come in at the right are new.
    const int w = m_traces.width();
    m_origin = int((m_origin + dx) % w);
    QPainter p(&m_traces);
    p.setRenderHint(QPainter::Antialiasing, true);
    paintBackground(p, w - int(dx), w - 1, newest);
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
// and duration beside its highest point. Kept as a line and a laid-out text: drawn over the
// traces at every paint, it costs less than blending an image of it.
void TraceChartWidget::buildGhost()
{
    m_ghostValid = true;
    m_ghost.clear();
    m_ghostStrokes = m_trace ? m_trace->shownStrokeCount() : 0;
    if (!m_trace || !m_trace->shownStroke().valid)
        return;
    const BrakeStroke& stroke = m_trace->shownStroke();
    const qreal dpr = devicePixelRatioF();
    m_map = mapping();
    m_ghost.reserve(qsizetype(stroke.points.size()));
    QPointF peak(0, m_map.height);
    for (const BrakeStroke::Point& pt : stroke.points) {
        const double x = pt.offsetMs * double(m_map.span) / InputTrace::kWindowMs + 0.5;
        if (x > m_map.width)
            break;
        const QPointF point(x / dpr, yOf(pt.out) / dpr);
        m_ghost << point;
        if (point.y() < peak.y())
            peak = point;
    }
    if (m_ghost.isEmpty())
        return;

    m_ghostText.setText(QCoreApplication::translate("Quilbex", "Last brake: peak %1 %, %2 s")
                            .arg(stroke.peakPercent, 0, 'f', 0)
                            .arg(stroke.durationMs / 1000.0, 0, 'f', 2));
    m_ghostText.setTextFormat(Qt::PlainText);
    const QFont font = labelFont(this);
    m_ghostText.prepare(QTransform(), font);
    const QSizeF text = m_ghostText.size();
    const double right = m_map.width / dpr - 4;
    double x = peak.x() + 8;
    if (x + text.width() > right)
        x = right - text.width();
    m_ghostTextPos = QPointF(std::max(4.0, x), std::max(2.0, peak.y() - 4 - text.height()));
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
    // The ring unrolled: from the origin to the image's end, then from its start.
    const int w = m_traces.width();
    const int h = m_traces.height();
    const int first = w - m_origin;
    p.drawImage(QRectF(tr.left(), tr.top(), first / dpr, h / dpr), m_traces, QRectF(m_origin, 0, first, h));
    if (m_origin > 0)
        p.drawImage(QRectF(tr.left() + first / dpr, tr.top(), m_origin / dpr, h / dpr), m_traces,
                    QRectF(0, 0, m_origin, h));
    if (!m_ghost.isEmpty()) {
        p.translate(tr.topLeft());
        p.setRenderHint(QPainter::Antialiasing, true);
        QColor ghost = PedalChannelCard::pedalColor(1);
        ghost.setAlpha(200);
        QPen pen(ghost, 1.0, Qt::DashLine, Qt::RoundCap, Qt::RoundJoin);
        pen.setCosmetic(true); // the painter's fast line path
        p.setPen(pen);
        p.drawPolyline(m_ghost);
        p.setFont(labelFont(this));
        p.setPen(PedalChannelCard::pedalColor(1).lighter(130));
        p.drawStaticText(m_ghostTextPos, m_ghostText);
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
