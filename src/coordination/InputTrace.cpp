#include "coordination/InputTrace.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>
#include <utility>

#include "curves/CurveMath.h"

namespace {
constexpr int kBrake = 1;
constexpr qint64 kFlushIntervalMs = 1000;

void reserveStroke(BrakeStroke* stroke)
{
    stroke->points.reserve(size_t(InputTrace::kCapacity));
}
} // namespace

TraceHistory::TraceHistory(int capacity) : m_ring(size_t(std::max(1, capacity))) {}

void TraceHistory::append(const TraceReading& reading)
{
    if (m_size < capacity()) {
        m_ring[size_t((m_start + m_size) % capacity())] = reading;
        ++m_size;
    } else {
        m_ring[size_t(m_start)] = reading;
        m_start = (m_start + 1) % capacity();
    }
    ++m_appended;
}

InputTrace::InputTrace() : m_history(kCapacity), m_frozenHistory(kCapacity)
{
    reserveStroke(&m_current);
    reserveStroke(&m_lastStroke);
    reserveStroke(&m_frozenStroke);
}

void InputTrace::add(const TraceReading& reading)
{
    // A stroke interrupted by a lost link has no true end; its duration would include the gap.
    if (m_inStroke && m_history.size() > 0 && reading.timeMs - m_history.latest().timeMs > kGapMs)
        m_inStroke = false;
    m_history.append(reading);

    const qint16 out = reading.out[kBrake];
    const double percent = axisToPercent(out);
    if (!m_inStroke) {
        if (percent > kStrokeThreshold) {
            m_inStroke = true;
            m_current.points.clear();
            m_current.points.push_back({0, out});
            m_current.startMs = reading.timeMs;
            m_current.durationMs = 0;
            m_current.peakPercent = percent;
            m_current.valid = false;
        }
        return;
    }
    if (m_current.points.size() < m_current.points.capacity())
        m_current.points.push_back({reading.timeMs - m_current.startMs, out});
    m_current.peakPercent = std::max(m_current.peakPercent, percent);
    if (percent < kStrokeThreshold) {
        m_inStroke = false;
        m_current.durationMs = reading.timeMs - m_current.startMs;
        m_current.valid = true;
        std::swap(m_current, m_lastStroke); // both keep their reserved storage
        ++m_strokeCount;
    }
}

void InputTrace::setPaused(bool paused)
{
    if (paused && !m_paused) {
        // Copies into storage of the same capacity: nothing is allocated.
        m_frozenHistory = m_history;
        m_frozenStroke.points.assign(m_lastStroke.points.begin(), m_lastStroke.points.end());
        m_frozenStroke.startMs = m_lastStroke.startMs;
        m_frozenStroke.durationMs = m_lastStroke.durationMs;
        m_frozenStroke.peakPercent = m_lastStroke.peakPercent;
        m_frozenStroke.valid = m_lastStroke.valid;
        m_frozenStrokeCount = m_strokeCount;
    }
    m_paused = paused;
}

TraceCsvWriter::TraceCsvWriter() = default;

TraceCsvWriter::~TraceCsvWriter()
{
    close();
}

QByteArray TraceCsvWriter::header()
{
    return QByteArrayLiteral("time_ms,throttle_raw,throttle_out,brake_raw,brake_out,clutch_raw,clutch_out\n");
}

bool TraceCsvWriter::open(const QString& path, bool replace, QString* error)
{
    close();
    m_path = path;
    m_haveFirst = false;
    const QFileInfo info(path);
    // Checked before opening: opening a pipe for writing would wait for a reader.
    if (info.exists() && !info.isFile()) {
        if (error)
            *error = QStringLiteral("Not a regular file.");
        return false;
    }
    auto file = std::make_unique<QFile>(path);
    const QIODevice::OpenMode mode = QIODevice::WriteOnly | (replace ? QIODevice::Truncate : QIODevice::NewOnly);
    if (!file->open(mode)) {
        if (error)
            *error = file->errorString();
        return false;
    }
    if (file->isSequential()) { // replaced by something else between the check and the open
        if (error)
            *error = QStringLiteral("Not a regular file.");
        return false;
    }
    m_file = std::move(file);
    const QByteArray head = header();
    if (m_file->write(head) != head.size() || !m_file->flush())
        return fail(error);
    return true;
}

bool TraceCsvWriter::isOpen() const
{
    return m_file != nullptr;
}

bool TraceCsvWriter::write(const TraceReading& r, QString* error)
{
    if (!m_file) {
        if (error)
            *error = QStringLiteral("The file is not open.");
        return false;
    }
    if (!m_haveFirst) {
        m_firstMs = r.timeMs;
        m_lastFlushMs = r.timeMs;
        m_haveFirst = true;
    }
    char line[96];
    const int n =
        std::snprintf(line, sizeof line, "%lld,%d,%d,%d,%d,%d,%d\n", static_cast<long long>(r.timeMs - m_firstMs),
                      r.raw[0], r.out[0], r.raw[1], r.out[1], r.raw[2], r.out[2]);
    if (m_file->write(line, n) != n)
        return fail(error);
    // About once a second: a crash loses little, and the disk is not touched per reading.
    if (r.timeMs - m_lastFlushMs >= kFlushIntervalMs) {
        m_lastFlushMs = r.timeMs;
        if (!m_file->flush())
            return fail(error);
    }
    return true;
}

bool TraceCsvWriter::close(QString* error)
{
    if (!m_file)
        return true;
    const bool flushed = m_file->flush();
    if (!flushed)
        return fail(error);
    m_file->close();
    const bool ok = m_file->error() == QFileDevice::NoError;
    if (!ok && error)
        *error = m_file->errorString();
    m_file.reset();
    return ok;
}

bool TraceCsvWriter::fail(QString* error)
{
    if (error)
        *error = m_file ? m_file->errorString() : QString();
    if (m_file) {
        // Whatever is still buffered cannot be written either; drop it quietly.
        m_file->close();
        m_file.reset();
    }
    return false;
}
