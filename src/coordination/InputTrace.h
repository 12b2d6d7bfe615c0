#pragma once

#include <QString>
#include <QtGlobal>
#include <array>
#include <memory>
#include <vector>

class QFile;

// One reading of the three pedals (by host index) at a time in milliseconds.
struct TraceReading
{
    qint64 timeMs = 0;
    std::array<qint16, 3> raw{};
    std::array<qint16, 3> out{};
};

// The newest readings, oldest first, in a ring whose storage is allocated once.
class TraceHistory
{
public:
    explicit TraceHistory(int capacity);

    void append(const TraceReading& reading);
    int size() const { return m_size; }
    int capacity() const { return int(m_ring.size()); }
    // i = 0 is the oldest reading kept; valid for 0 <= i < size().
    const TraceReading& at(int i) const { return m_ring[size_t((m_start + i) % capacity())]; }
    const TraceReading& latest() const { return at(m_size - 1); }
    // Readings appended so far, including those the ring no longer holds: tells a reader
    // how many are new since it last looked.
    quint64 appended() const { return m_appended; }

private:
    std::vector<TraceReading> m_ring;
    int m_start = 0;
    int m_size = 0;
    quint64 m_appended = 0;
};

// One brake application: from the first reading above the threshold to the first one back
// below it (both included).
struct BrakeStroke
{
    struct Point
    {
        qint64 offsetMs = 0; // from the start of the stroke
        qint16 out = 0;      // the brake's output value
    };
    std::vector<Point> points; // at most InputTrace::kCapacity; a longer stroke keeps its beginning
    qint64 startMs = 0;
    qint64 durationMs = 0;
    double peakPercent = 0.0; // over the whole stroke, also past the points kept
    bool valid = false;
};

// The live input trace: a history long enough for the chart's window, the last finished
// brake stroke, and a frozen copy of both while paused. Memory is allocated once.
class InputTrace
{
public:
    static constexpr int kWindowMs = 10000;         // what the chart shows
    static constexpr int kCapacity = 1024;          // 20 s of 20 ms polls: the window with margin
    static constexpr double kStrokeThreshold = 2.0; // brake output in percent
    static constexpr qint64 kGapMs = 250;           // readings further apart: the link was interrupted

    InputTrace();

    void add(const TraceReading& reading);

    const TraceHistory& history() const { return m_history; }
    const BrakeStroke& lastStroke() const { return m_lastStroke; }
    bool strokeInProgress() const { return m_inStroke; }
    quint64 strokeCount() const { return m_strokeCount; }

    // Paused, the shown data stay as they were; readings and strokes are still recorded.
    void setPaused(bool paused);
    bool isPaused() const { return m_paused; }
    const TraceHistory& shownHistory() const { return m_paused ? m_frozenHistory : m_history; }
    const BrakeStroke& shownStroke() const { return m_paused ? m_frozenStroke : m_lastStroke; }
    // Changes whenever shownStroke() does.
    quint64 shownStrokeCount() const { return m_paused ? m_frozenStrokeCount : m_strokeCount; }

private:
    TraceHistory m_history;
    TraceHistory m_frozenHistory;
    BrakeStroke m_current;
    BrakeStroke m_lastStroke;
    BrakeStroke m_frozenStroke;
    bool m_inStroke = false;
    bool m_paused = false;
    quint64 m_strokeCount = 0;
    quint64 m_frozenStrokeCount = 0;
};

// Readings as CSV: the header line, then one line per reading, time in ms from the first
// reading written, then raw and output value of throttle, brake and clutch.
class TraceCsvWriter
{
public:
    TraceCsvWriter();
    ~TraceCsvWriter();

    static QByteArray header();

    // Refuses anything but a regular file (a directory, a device or a pipe is never opened).
    // replace false: fails when path exists.
    bool open(const QString& path, bool replace, QString* error = nullptr);
    bool isOpen() const;
    QString path() const { return m_path; }
    bool write(const TraceReading& reading, QString* error = nullptr);
    // Flushes and closes; false when the last lines could not be written.
    bool close(QString* error = nullptr);

private:
    bool fail(QString* error);

    std::unique_ptr<QFile> m_file;
    QString m_path;
    qint64 m_firstMs = 0;
    qint64 m_lastFlushMs = 0;
    bool m_haveFirst = false;
};
