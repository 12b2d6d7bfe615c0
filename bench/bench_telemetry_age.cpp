// How old is the pedal reading the interface shows? The pedals send a telemetry report every
// millisecond into an input queue of 64 reports; the coordinator polls every 20 ms. This
// compares taking everything waiting and applying the newest report (QuilbexProtocolV1::
// readRuntime) with taking one report per poll, for both ways an operating system may treat
// a full queue. Prints results; asserts nothing.
//
// Usage: bench_telemetry_age [seconds per variant, default 3]

#include "coordination/DeviceConfigModel.h"
#include "device/IHidTransport.h"
#include "device/QuilbexProtocolV1.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <vector>

namespace {

constexpr qint64 kReportIntervalNs = 1000 * 1000; // 1000 Hz
constexpr qint64 kPollIntervalNs = 20 * 1000 * 1000;
constexpr int kQueueDepth = 64;

enum class FullQueue { DropNewest, DropOldest };

// Telemetry generated from the wall clock. Report k is due at k ms after start and carries
// k in the throttle and brake raw fields (wire 2 and 1 raw, bytes 11..12 and 9..10).
class StreamingTransport : public IHidTransport
{
public:
    explicit StreamingTransport(FullQueue policy) : m_policy(policy) { m_clock.start(); }

    qint64 nowNs() const { return m_clock.nsecsElapsed(); }
    qint64 dropped() const { return m_dropped; }

    bool open(const QString&) override { return true; }
    void close() override {}
    bool isOpen() const override { return true; }
    bool writeReport(const QByteArray&) override { return true; }
    QByteArray readReport(int timeoutMs) override
    {
        generate();
        if (m_queue.empty() && timeoutMs != 0) {
            const qint64 waitNs = std::min<qint64>(m_nextIndex * kReportIntervalNs - nowNs(),
                                                   timeoutMs < 0 ? kReportIntervalNs : qint64(timeoutMs) * 1000000);
            if (waitNs > 0)
                QThread::usleep(quint64(waitNs / 1000));
            generate();
        }
        if (m_queue.empty())
            return QByteArray();
        QByteArray r = m_queue.front();
        m_queue.pop_front();
        return r;
    }

    static qint64 indexOf(qint16 throttleRaw, qint16 brakeRaw)
    {
        return qint64(quint16(throttleRaw)) | (qint64(quint16(brakeRaw)) << 16);
    }

private:
    void generate()
    {
        const qint64 now = nowNs();
        while (m_nextIndex * kReportIntervalNs <= now) {
            QByteArray r(31, '\0');
            r[0] = 0x02;
            const quint32 k = quint32(m_nextIndex);
            r[11] = char(k & 0xFF);
            r[12] = char((k >> 8) & 0xFF);
            r[9] = char((k >> 16) & 0xFF);
            r[10] = char((k >> 24) & 0xFF);
            ++m_nextIndex;
            if (int(m_queue.size()) >= kQueueDepth) {
                ++m_dropped;
                if (m_policy == FullQueue::DropNewest)
                    continue;
                m_queue.pop_front();
            }
            m_queue.push_back(r);
        }
    }

    FullQueue m_policy;
    QElapsedTimer m_clock;
    std::deque<QByteArray> m_queue;
    qint64 m_nextIndex = 0;
    qint64 m_dropped = 0;
};

struct Result
{
    double medianMs = 0;
    double worstMs = 0;
    int polls = 0;
    int emptyPolls = 0;
    qint64 dropped = 0;
};

Result run(FullQueue policy, bool drain, double seconds)
{
    StreamingTransport t(policy);
    QuilbexProtocolV1 protocol(&t);
    PedalRuntimeState state;
    std::vector<double> ages;
    Result res;
    const qint64 endNs = qint64(seconds * 1e9);
    qint64 nextPoll = kPollIntervalNs;
    while (nextPoll < endNs) {
        const qint64 sleepNs = nextPoll - t.nowNs();
        if (sleepNs > 0)
            QThread::usleep(quint64(sleepNs / 1000));
        nextPoll += kPollIntervalNs;
        ++res.polls;

        qint64 index = -1;
        if (drain) {
            if (protocol.readRuntime(&state))
                index = StreamingTransport::indexOf(state.raw[0], state.raw[1]);
        } else {
            // One report per poll, as a single zero-time-out read did.
            const QByteArray r = t.readReport(0);
            if (r.size() >= 13 && r[0] == 0x02)
                index = qint64(quint8(r[11])) | (qint64(quint8(r[12])) << 8) | (qint64(quint8(r[9])) << 16)
                    | (qint64(quint8(r[10])) << 24);
        }
        if (index < 0) {
            ++res.emptyPolls;
            continue;
        }
        ages.push_back(double(t.nowNs() - index * kReportIntervalNs) / 1e6);
    }
    res.dropped = t.dropped();
    if (!ages.empty()) {
        std::sort(ages.begin(), ages.end());
        res.medianMs = ages[ages.size() / 2];
        res.worstMs = ages.back();
    }
    return res;
}

} // namespace

int main(int argc, char** argv)
{
    double seconds = 3.0;
    if (argc > 1)
        seconds = std::max(0.2, std::atof(argv[1]));

    std::printf("telemetry 1000 Hz, poll every 20 ms, input queue %d reports, %.1f s per variant\n", kQueueDepth,
                seconds);
    std::printf("%-16s %-20s %12s %12s %7s %7s %9s\n", "full queue", "poll", "median ms", "worst ms", "polls", "empty",
                "dropped");
    const struct
    {
        FullQueue policy;
        const char* name;
    } policies[] = {{FullQueue::DropNewest, "drops newest"}, {FullQueue::DropOldest, "drops oldest"}};
    for (const auto& p : policies) {
        for (bool drain : {true, false}) {
            const Result r = run(p.policy, drain, seconds);
            std::printf("%-16s %-20s %12.2f %12.2f %7d %7d %9lld\n", p.name,
                        drain ? "drain, newest" : "one report per poll", r.medianMs, r.worstMs, r.polls, r.emptyPolls,
                        static_cast<long long>(r.dropped));
            std::fflush(stdout);
        }
    }
    return 0;
}
