#pragma once

#include <QImage>
#include <QPolygonF>
#include <QStaticText>
#include <QWidget>

class InputTrace;
class QPainter;
class TraceHistory;

// Dark chart of the three pedals' output over the last 10 s, newest reading at the right,
// with the held brake stroke as a ghost line from the left edge. The traces live in an
// image used as a ring: as time advances its origin moves by whole pixel columns and only
// the new segment is drawn. Time is quantised to columns, so this equals drawing
// everything anew.
class TraceChartWidget : public QWidget
{
    Q_OBJECT
public:
    explicit TraceChartWidget(const InputTrace* trace, QWidget* parent = nullptr);

    // The trace has new readings. Does nothing while hidden or paused: the next paint after
    // showing or resuming draws everything.
    void advance();
    // Draws everything anew at the next paint.
    void invalidate();

    QSize minimumSizeHint() const override;
    QRect plotRect() const;
    QRect tracesRect() const;
    // The traces as on screen (device pixels, oldest column first); redrawTraces() draws
    // them from scratch.
    QImage tracesImage() const;
    void redrawTraces();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Mapping
    {
        int width = 1; // traces image, device pixels
        int height = 1;
        int anchorX = 0;     // column of the newest reading
        qint64 span = 1;     // columns per window
        double yTop = 0.0;   // y of 100 %
        double yRange = 1.0; // y distance from 100 % to 0 %
    };
    Mapping mapping() const;
    qint64 column(qint64 timeMs) const;
    double yOf(qint16 out) const;
    void paintBackground(QPainter& p, int x0, int x1, qint64 newestColumn);
    void drawStep(QPainter& p, const TraceHistory& h, int i, qint64 newestColumn);
    void buildStatic();
    void buildGhost();

    const InputTrace* m_trace = nullptr;
    Mapping m_map;
    QImage m_static;         // window background, frame, axis labels
    QImage m_traces;         // plot interior with grid and traces; a ring in x
    int m_origin = 0;        // image column shown at the left edge
    QPolygonF m_ghost;       // held brake stroke, logical coordinates within the traces
    QStaticText m_ghostText; // its peak and duration
    QPointF m_ghostTextPos;
    bool m_staticValid = false;
    bool m_tracesValid = false;
    bool m_ghostValid = false;
    quint64 m_ghostStrokes = 0;  // strokes counted when the ghost was built
    quint64 m_drawnAppended = 0; // readings counted when the traces were last drawn
    qint64 m_drawnColumn = 0;    // column of the newest reading drawn
};
