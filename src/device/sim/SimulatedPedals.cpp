#include "device/sim/SimulatedPedals.h"

#include "coordination/DeviceConfigModel.h"
#include "device/Crc16.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <limits>
#include <map>
#include <mutex>
#include <thread>

const QString SimulatedPedals::kJoystickPath = QStringLiteral("sim:quilbex/normal/joystick");
const QString SimulatedPedals::kVendorPath = QStringLiteral("sim:quilbex/normal/vendor");
const QString SimulatedPedals::kUpdatePath = QStringLiteral("sim:quilbex/update");

namespace {

constexpr qint64 kNever = std::numeric_limits<qint64>::max();
constexpr qint64 kNsPerSec = 1000000000;
constexpr qint64 kNsPerMs = 1000000;
// The last stretch before a reply is due is waited for without sleeping (see readReport).
constexpr qint64 kSpinNs = 200000;
constexpr int kWrittenLogCapacity = 1024;
constexpr int kMaxTelemetryRateHz = 100000;
// A restart begins this long after the last reply went out, so the host can still read it.
constexpr qint64 kRestartLeadNs = kNsPerMs;
constexpr int kFirmwarePiece = 60;
constexpr int kConfigPayload = 62;
constexpr quint8 kReportTelemetry = 0x02;
constexpr quint8 kReportConfigRead = 0x03;
constexpr quint8 kReportConfigWrite = 0x04;
constexpr quint8 kReportCommand = 0x05;
constexpr quint8 kReportUpdate = 0x04;
constexpr quint8 kAckAccepted = 0x00;
constexpr quint8 kAckCrcRejected = 0xFE;
constexpr quint16 kStatusDone = 0xF000;
constexpr quint16 kStatusInvalid = 0xF001;
constexpr quint16 kStatusNotVerified = 0xF002;
constexpr quint16 kStatusOutOfSequence = 0xF004;
constexpr char kBootloaderCommand[] = "bootloader run";
constexpr int kBootloaderCommandLength = 14;
// Sweep periods in seconds by host pedal, different so the three columns move independently.
constexpr std::array<double, 3> kSweepPeriodS{2.0, 2.7, 3.5};
constexpr double kTwoPi = 6.283185307179586;

enum class Phase { Normal, Update };
enum class HandleKind { None, Joystick, Vendor, Update };

struct Entry
{
    qint64 t = 0;
    bool telemetry = false;
    std::array<qint16, 3> raw{}; // host order, telemetry only
    QByteArray bytes;            // replies only
};

// What the firmware derives from the flash block for one pedal (host order).
struct PedalParams
{
    bool useCalibration = false;
    qint64 low = 0;
    qint64 high = 0;
    CurvePoints curve{};
    qint16 min = 0;
    qint16 max = 0;
    quint8 cali = 0;
};

quint16 get16le(const quint8* p)
{
    return quint16(p[0] | (quint16(p[1]) << 8));
}

void put16le(char* p, quint16 v)
{
    p[0] = char(v & 0xFF);
    p[1] = char(v >> 8);
}

quint8 byteAt(const QByteArray& report, int index)
{
    return index < report.size() ? quint8(report.at(index)) : quint8(0);
}

quint16 le16At(const QByteArray& report, int index)
{
    return quint16(byteAt(report, index) | (quint16(byteAt(report, index + 1)) << 8));
}

// "QBXVER=a.b.c" inside an image names its version; fields beyond the word's bits are invalid.
bool parseImageVersion(const QByteArray& image, quint16* word)
{
    static const QByteArray tag("QBXVER=");
    const qsizetype at = image.indexOf(tag);
    if (at < 0)
        return false;
    qsizetype pos = at + tag.size();
    std::array<int, 3> parts{};
    for (int i = 0; i < 3; ++i) {
        if (i > 0) {
            if (pos >= image.size() || image.at(pos) != '.')
                return false;
            ++pos;
        }
        int digits = 0;
        int value = 0;
        while (pos < image.size() && digits < 4 && image.at(pos) >= '0' && image.at(pos) <= '9') {
            value = value * 10 + (image.at(pos) - '0');
            ++pos;
            ++digits;
        }
        if (digits == 0)
            return false;
        parts[size_t(i)] = value;
    }
    if (parts[0] > 255 || parts[1] > 15 || parts[2] > 15)
        return false;
    *word = quint16((parts[0] << 8) | (parts[1] << 4) | parts[2]);
    return true;
}

} // namespace

struct SimulatedPedals::Impl
{
    mutable std::mutex mutex;
    std::condition_variable cv;
    std::chrono::steady_clock::time_point epoch = std::chrono::steady_clock::now();
    bool manualClock = false;
    qint64 manualNs = 0;

    // Bus presence. Every disappearance bumps the generation; a handle opened under an older
    // generation is dead.
    Phase phase = Phase::Normal;
    bool unplugged = false;
    bool stayAway = false;
    qint64 absentUntil = 0;
    quint64 generation = 0;
    struct Transition
    {
        bool active = false;
        qint64 at = 0;
        Phase phase = Phase::Normal;
        qint64 absentFor = 0;
        bool restart = false;
    } transition;
    int restartCount = 0;
    int restartDelayMs = kDefaultRestartDelayMs;
    int switchDelayMs = kDefaultSwitchDelayMs;

    // Host-side target of findDevice.
    quint16 vid = kNormalVid;
    quint16 pid = kNormalPid;
    bool vendorPageFilter = true;

    // The open handle.
    bool open = false;
    HandleKind kind = HandleKind::None;
    quint64 handleGeneration = 0;
    OpenError lastOpenError = OpenError::Ok;

    // Input side: the OS queue (ring) and replies not yet sent, ordered by time.
    std::array<Entry, kQueueCapacity> ring;
    int head = 0;
    int count = 0;
    std::deque<Entry> pending;
    qint64 telemetryOrigin = 0;
    qint64 telemetryNext = 1;
    int rateHz = kDefaultTelemetryRateHz;
    bool extended = true;
    qint64 latencyNs = qint64(kDefaultReplyLatencyUs) * 1000;
    qint64 lastReadTs = 0;

    // Flash and the configuration write in progress.
    ConfigBlock::Bytes flash = defaultFlashBlock();
    std::array<PedalParams, 3> params{};
    std::array<quint8, kConfigPayload> chunk0{};
    bool haveChunk0 = false;

    // Update-mode transfer.
    bool transferActive = false;
    int imageSize = 0;
    quint16 imageCrc = 0;
    int expectedSeq = 1;
    QByteArray image;
    QByteArray lastDataReport;
    quint16 lastDataStatus = 0;
    int forcedStart = -1;
    std::map<int, quint16> forcedData;

    // Motion.
    Motion motion = Motion::Sweep;
    std::array<qint16, 3> setRaw{kRestRaw, kRestRaw, kRestRaw};

    // Faults.
    int unplugCountdown = 0;
    bool failWrites = false;
    bool dropAll = false;
    int dropNext = 0;
    qint64 delayNs = 0;
    int shortLength = 0;
    bool rejectCrc = false;

    // Observation.
    int written = 0;
    std::deque<QByteArray> writtenLog;

    Impl() { recomputeParams(); }

    qint64 now() const
    {
        if (manualClock)
            return manualNs;
        return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now() - epoch).count();
    }

    bool present(qint64 t) const { return !unplugged && t >= absentUntil; }
    bool alive() const { return open && handleGeneration == generation; }
    bool telemetryActive() const
    {
        return alive() && (kind == HandleKind::Joystick || kind == HandleKind::Vendor) && phase == Phase::Normal
            && rateHz > 0;
    }
    qint64 telemetryTime(qint64 k) const { return telemetryOrigin + k * kNsPerSec / rateHz; }

    void recomputeParams()
    {
        for (int h = 0; h < 3; ++h) {
            const int w = hostToWire(h);
            PedalParams& p = params[size_t(h)];
            for (int i = 0; i < DeviceConfigModel::kCurvePoints; ++i)
                p.curve[size_t(i)] = qint8(flash[size_t(11 * w + i)]);
            p.cali = flash[size_t(45 + w)];
            p.max = qint16(get16le(&flash[size_t(48 + 2 * w)]));
            p.min = qint16(get16le(&flash[size_t(54 + 2 * w)]));
            const qint64 deadTop = flash[size_t(39 + w)];
            const qint64 deadBot = flash[size_t(42 + w)];
            const qint64 lo = std::min<qint64>(p.min, p.max);
            const qint64 hi = std::max<qint64>(p.min, p.max);
            const qint64 span = hi - lo;
            p.low = lo + deadBot * span / 100;
            p.high = hi - deadTop * span / 100;
            p.useCalibration = p.cali != 0 && span >= 50 && p.low < p.high;
        }
    }

    qint16 output(int h, qint16 raw) const
    {
        const PedalParams& p = params[size_t(h)];
        qint64 v = 0;
        if (p.useCalibration) {
            if (raw <= p.low)
                v = -32767;
            else if (raw >= p.high)
                v = 32767;
            else
                v = (qint64(raw) - p.low) * 65534 / (p.high - p.low) - 32767;
        } else {
            v = qint64(std::clamp<qint16>(raw, 0, kAdcMax)) * 65534 / kAdcMax - 32767;
        }
        // Linear interpolation between the 11 points, in units of percent * 65534.
        const qint64 x10 = (std::clamp<qint64>(v, -32767, 32767) + 32767) * 10;
        const qint64 i = std::min<qint64>(x10 / 65534, 9);
        const qint64 rem = x10 - i * 65534;
        const qint64 c0 = p.curve[size_t(i)];
        const qint64 c1 = p.curve[size_t(i + 1)];
        const qint64 scaled = c0 * 65534 + (c1 - c0) * rem;
        const qint64 out = qint64(std::llround(double(scaled) / 100.0)) - 32767;
        return qint16(std::clamp<qint64>(out, -32767, 32767));
    }

    std::array<qint16, 3> rawAt(qint64 t) const
    {
        switch (motion) {
        case Motion::Idle: return {kRestRaw, kRestRaw, kRestRaw};
        case Motion::Set: return setRaw;
        case Motion::Sweep: break;
        }
        std::array<qint16, 3> raw{};
        const double seconds = double(t) / double(kNsPerSec);
        for (size_t h = 0; h < 3; ++h) {
            const double phaseFraction = std::fmod(seconds / kSweepPeriodS[h], 1.0);
            const double travel = (1.0 - std::cos(kTwoPi * phaseFraction)) / 2.0;
            raw[h] = qint16(std::lround(kRestRaw + (kFullRaw - kRestRaw) * travel));
        }
        return raw;
    }

    void pushEntry(Entry&& e)
    {
        if (count == kQueueCapacity) {
            head = (head + 1) % kQueueCapacity;
            --count;
        }
        ring[size_t((head + count) % kQueueCapacity)] = std::move(e);
        ++count;
    }

    void clearInput()
    {
        for (Entry& e : ring)
            e.bytes = QByteArray();
        head = 0;
        count = 0;
        pending.clear();
    }

    qint64 nextEventTime() const
    {
        qint64 t = kNever;
        if (telemetryActive())
            t = telemetryTime(telemetryNext);
        if (!pending.empty())
            t = std::min(t, pending.front().t);
        if (transition.active)
            t = std::min(t, transition.at);
        return t;
    }

    // Brings the device up to time t: sends what was due, in time order, and restarts.
    void advance(qint64 t)
    {
        for (;;) {
            const qint64 tTel = telemetryActive() ? telemetryTime(telemetryNext) : kNever;
            const qint64 tRep = pending.empty() ? kNever : pending.front().t;
            const qint64 tTr = transition.active ? transition.at : kNever;
            if (tRep <= t && tRep <= tTel && tRep <= tTr) {
                pushEntry(std::move(pending.front()));
                pending.pop_front();
                continue;
            }
            if (tTel <= t && tTel < tTr) {
                // After a long pause only the newest queue-full survives; skip the rest.
                const qint64 limit = tTr == kNever ? t : std::min(t, tTr - 1);
                const qint64 lastDue = (limit - telemetryOrigin) * rateHz / kNsPerSec;
                if (lastDue - telemetryNext >= kQueueCapacity) {
                    telemetryNext = lastDue - kQueueCapacity + 1;
                    continue;
                }
                Entry e;
                e.t = tTel;
                e.telemetry = true;
                e.raw = rawAt(tTel);
                pushEntry(std::move(e));
                ++telemetryNext;
                continue;
            }
            if (tTr <= t) {
                applyTransition();
                continue;
            }
            break;
        }
    }

    void applyTransition()
    {
        transition.active = false;
        ++generation;
        phase = transition.phase;
        absentUntil = (stayAway || transition.absentFor < 0) ? kNever : transition.at + transition.absentFor;
        pending.clear();
        haveChunk0 = false;
        transferActive = false;
        if (transition.restart)
            ++restartCount;
        recomputeParams();
        cv.notify_all();
    }

    void scheduleTransition(qint64 at, Phase to, qint64 absentFor, bool restart)
    {
        transition.active = true;
        transition.at = at;
        transition.phase = to;
        transition.absentFor = absentFor;
        transition.restart = restart;
    }

    void doUnplug()
    {
        unplugged = true;
        ++generation;
        transition.active = false;
        pending.clear();
        phase = Phase::Normal;
        haveChunk0 = false;
        transferActive = false;
        cv.notify_all();
    }

    // Queues a reply; returns when it goes (or would have gone) out.
    qint64 scheduleReply(QByteArray bytes, qint64 t)
    {
        const qint64 at = t + latencyNs + delayNs;
        if (dropAll)
            return at;
        if (dropNext > 0) {
            --dropNext;
            return at;
        }
        if (shortLength > 0 && bytes.size() > shortLength)
            bytes.truncate(shortLength);
        Entry e;
        e.t = at;
        e.bytes = std::move(bytes);
        auto pos = std::upper_bound(pending.begin(), pending.end(), at,
                                    [](qint64 value, const Entry& x) { return value < x.t; });
        pending.insert(pos, std::move(e));
        return at;
    }

    void handleVendor(const QByteArray& report, qint64 t)
    {
        const quint8 id = byteAt(report, 0);
        if (id == kReportConfigRead) {
            if (report.size() < 2)
                return;
            const quint8 chunk = byteAt(report, 1);
            if (chunk > 1)
                return;
            QByteArray reply(64, '\0');
            reply[0] = char(kReportConfigRead);
            reply[1] = char(chunk);
            if (chunk == 0)
                std::memcpy(reply.data() + 2, flash.data(), kConfigPayload);
            else
                std::memcpy(reply.data() + 2, flash.data() + kConfigPayload, ConfigBlock::kSize - kConfigPayload);
            scheduleReply(std::move(reply), t);
        } else if (id == kReportConfigWrite) {
            if (report.size() < 2)
                return;
            const quint8 chunk = byteAt(report, 1);
            QByteArray ack(64, '\0');
            ack[0] = char(kReportConfigWrite);
            if (chunk == 0) {
                for (int i = 0; i < kConfigPayload; ++i)
                    chunk0[size_t(i)] = byteAt(report, 2 + i);
                haveChunk0 = true;
                ack[1] = char(kAckAccepted);
                scheduleReply(std::move(ack), t);
            } else if (chunk == 1) {
                ConfigBlock::Bytes block{};
                std::copy(chunk0.begin(), chunk0.end(), block.begin());
                block[62] = byteAt(report, 2);
                block[63] = byteAt(report, 3);
                const bool ok =
                    haveChunk0 && !rejectCrc && ConfigBlock::computedCrc(block) == ConfigBlock::storedCrc(block);
                haveChunk0 = false;
                ack[1] = char(ok ? kAckAccepted : kAckCrcRejected);
                const qint64 sent = scheduleReply(std::move(ack), t);
                if (ok) {
                    flash = block;
                    scheduleTransition(sent + kRestartLeadNs, Phase::Normal, qint64(restartDelayMs) * kNsPerMs, true);
                }
            }
        } else if (id == kReportCommand) {
            if (report.size() >= 1 + kBootloaderCommandLength
                && std::memcmp(report.constData() + 1, kBootloaderCommand, kBootloaderCommandLength) == 0) {
                scheduleTransition(t, Phase::Update, qint64(switchDelayMs) * kNsPerMs, false);
            }
        }
    }

    qint64 sendStatus(quint16 status, qint64 t)
    {
        QByteArray reply(64, '\0');
        reply[0] = char(kReportUpdate);
        reply[1] = char(status >> 8);
        reply[2] = char(status & 0xFF);
        return scheduleReply(std::move(reply), t);
    }

    void installImage()
    {
        quint16 version = 0;
        if (!parseImageVersion(image, &version)) {
            version = get16le(&flash[ConfigBlock::kVersionOffset]);
            if ((version & 0x0F) < 0x0F)
                ++version;
        }
        flash[ConfigBlock::kVersionOffset] = quint8(version & 0xFF);
        flash[ConfigBlock::kVersionOffset + 1] = quint8(version >> 8);
        const quint16 crc = ConfigBlock::computedCrc(flash);
        flash[ConfigBlock::kCrcOffset] = quint8(crc & 0xFF);
        flash[ConfigBlock::kCrcOffset + 1] = quint8(crc >> 8);
    }

    void handleUpdate(const QByteArray& report, qint64 t)
    {
        if (byteAt(report, 0) != kReportUpdate || report.size() < 3)
            return;
        const int seq = (byteAt(report, 1) << 8) | byteAt(report, 2);
        if (seq == 0) {
            const int size = le16At(report, 4);
            transferActive = false;
            lastDataReport = QByteArray();
            quint16 status = kStatusInvalid;
            if (size > 0 && size <= kMaxFirmwareSize) {
                transferActive = true;
                imageSize = size;
                imageCrc = le16At(report, 6);
                expectedSeq = 1;
                image.clear();
                image.reserve(size);
                status = 0x0001;
            }
            if (forcedStart >= 0)
                status = quint16(forcedStart);
            sendStatus(status, t);
            return;
        }
        auto forced = [this](int s, quint16 natural) {
            const auto it = forcedData.find(s);
            return it == forcedData.end() ? natural : it->second;
        };
        // A resend of the report just accepted (its reply was lost) is answered again, not
        // treated as a loss of sync: the host's retry re-sends the same report.
        if (transferActive && seq == expectedSeq - 1 && report == lastDataReport) {
            sendStatus(forced(seq, lastDataStatus), t);
            return;
        }
        quint16 status = 0;
        bool done = false;
        if (!transferActive || seq != expectedSeq) {
            transferActive = false;
            status = kStatusOutOfSequence;
        } else {
            const int n = std::min<int>(kFirmwarePiece, imageSize - int(image.size()));
            for (int i = 0; i < n; ++i)
                image.append(char(byteAt(report, 4 + i)));
            if (image.size() >= imageSize) {
                transferActive = false;
                if (crc16(reinterpret_cast<const quint8*>(image.constData()), int(image.size())) == imageCrc) {
                    status = kStatusDone;
                    done = true;
                } else {
                    status = kStatusNotVerified;
                }
            } else {
                expectedSeq = seq + 1;
                status = quint16(expectedSeq);
                lastDataReport = report;
                lastDataStatus = status;
            }
        }
        const qint64 sent = sendStatus(forced(seq, status), t);
        if (done) {
            installImage();
            scheduleTransition(sent + kRestartLeadNs, Phase::Normal, qint64(restartDelayMs) * kNsPerMs, true);
        }
    }

    QByteArray buildTelemetry(const Entry& e) const
    {
        QByteArray r(extended ? 31 : 13, '\0');
        char* p = r.data();
        p[0] = char(kReportTelemetry);
        for (int w = 0; w < 3; ++w) {
            const int h = hostToWire(w);
            const qint16 raw = e.raw[size_t(h)];
            put16le(p + 1 + 2 * w, quint16(output(h, raw)));
            put16le(p + 7 + 2 * w, quint16(raw));
            if (extended) {
                const PedalParams& pp = params[size_t(h)];
                put16le(p + 13 + 6 * w, quint16(pp.min));
                put16le(p + 15 + 6 * w, quint16(pp.max));
                p[17 + 6 * w] = char(pp.cali);
            }
        }
        return r;
    }

    QByteArray pop()
    {
        Entry& e = ring[size_t(head)];
        head = (head + 1) % kQueueCapacity;
        --count;
        lastReadTs = e.t;
        if (e.telemetry)
            return buildTelemetry(e);
        return std::move(e.bytes);
    }

    QList<HidInterfaceInfo> presentInterfaces(qint64 t) const
    {
        QList<HidInterfaceInfo> list;
        if (!present(t))
            return list;
        if (phase == Phase::Normal) {
            list.append(HidInterfaceInfo{kJoystickPath, kNormalVid, kNormalPid, kJoystickUsagePage, 0x0004});
            list.append(HidInterfaceInfo{kVendorPath, kNormalVid, kNormalPid, kVendorUsagePage, 0x0001});
        } else {
            list.append(HidInterfaceInfo{kUpdatePath, kUpdateVid, kUpdatePid, kVendorUsagePage, 0x0001});
        }
        return list;
    }

    void closeHandle()
    {
        open = false;
        kind = HandleKind::None;
        clearInput();
        cv.notify_all();
    }
};

SimulatedPedals::SimulatedPedals() : m_d(std::make_unique<Impl>()) {}

SimulatedPedals::~SimulatedPedals() = default;

void SimulatedPedals::setVidPid(quint16 vid, quint16 pid, bool vendorPageFilter)
{
    std::lock_guard<std::mutex> lock(m_d->mutex);
    m_d->vid = vid;
    m_d->pid = pid;
    m_d->vendorPageFilter = vendorPageFilter;
}

QString SimulatedPedals::findDevice()
{
    std::lock_guard<std::mutex> lock(m_d->mutex);
    const qint64 t = m_d->now();
    m_d->advance(t);
    const QList<HidInterfaceInfo> list = m_d->presentInterfaces(t);
    const int index = selectHidInterface(list, m_d->vid, m_d->pid, m_d->vendorPageFilter);
    return index >= 0 ? list.at(index).path : QString();
}

bool SimulatedPedals::open(const QString& path)
{
    std::lock_guard<std::mutex> lock(m_d->mutex);
    const qint64 t = m_d->now();
    m_d->advance(t);
    m_d->closeHandle();
    const QList<HidInterfaceInfo> list = m_d->presentInterfaces(t);
    const bool found = std::any_of(list.begin(), list.end(), [&](const HidInterfaceInfo& i) { return i.path == path; });
    if (!found) {
        m_d->lastOpenError = OpenError::NotFound;
        return false;
    }
    m_d->kind = path == kJoystickPath ? HandleKind::Joystick
        : path == kVendorPath         ? HandleKind::Vendor
                                      : HandleKind::Update;
    m_d->open = true;
    m_d->handleGeneration = m_d->generation;
    m_d->telemetryOrigin = t;
    m_d->telemetryNext = 1;
    m_d->lastOpenError = OpenError::Ok;
    return true;
}

void SimulatedPedals::close()
{
    std::lock_guard<std::mutex> lock(m_d->mutex);
    m_d->closeHandle();
}

bool SimulatedPedals::isOpen() const
{
    std::lock_guard<std::mutex> lock(m_d->mutex);
    return m_d->open;
}

bool SimulatedPedals::writeReport(const QByteArray& report)
{
    std::lock_guard<std::mutex> lock(m_d->mutex);
    const qint64 t = m_d->now();
    m_d->advance(t);
    if (!m_d->alive() || report.isEmpty() || m_d->failWrites)
        return false;
    if (m_d->unplugCountdown > 0 && --m_d->unplugCountdown == 0) {
        m_d->doUnplug();
        return false;
    }
    ++m_d->written;
    m_d->writtenLog.push_back(report);
    if (int(m_d->writtenLog.size()) > kWrittenLogCapacity)
        m_d->writtenLog.pop_front();
    if (m_d->kind == HandleKind::Vendor)
        m_d->handleVendor(report, t);
    else if (m_d->kind == HandleKind::Update)
        m_d->handleUpdate(report, t);
    m_d->advance(t);
    m_d->cv.notify_all();
    return true;
}

QByteArray SimulatedPedals::readReport(int timeoutMs)
{
    std::unique_lock<std::mutex> lock(m_d->mutex);
    const qint64 start = m_d->now();
    const qint64 deadline = timeoutMs < 0 ? kNever : start + qint64(timeoutMs) * kNsPerMs;
    for (;;) {
        const qint64 t = m_d->now();
        m_d->advance(t);
        if (!m_d->open)
            return QByteArray();
        if (m_d->count > 0)
            return m_d->pop();
        if (!m_d->alive() || timeoutMs == 0 || t >= deadline)
            return QByteArray();
        const qint64 wake = std::min(m_d->nextEventTime(), deadline);
        if (m_d->manualClock) {
            if (wake == kNever)
                return QByteArray();
            m_d->manualNs = std::max(m_d->manualNs, wake);
            continue;
        }
        if (wake == kNever) {
            m_d->cv.wait(lock);
        } else if (wake - t <= kSpinNs) {
            // A real device's report wakes the reader at once; a timed sleep would oversleep
            // by the scheduler's wake-up latency (tens of microseconds, more in a VM), which
            // is no part of the device's timing.
            lock.unlock();
            std::this_thread::yield();
            lock.lock();
        } else {
            m_d->cv.wait_until(lock, m_d->epoch + std::chrono::nanoseconds(wake - kSpinNs));
        }
    }
}

IHidTransport::OpenError SimulatedPedals::lastOpenError() const
{
    std::lock_guard<std::mutex> lock(m_d->mutex);
    return m_d->lastOpenError;
}

QList<HidInterfaceInfo> SimulatedPedals::interfaces() const
{
    std::lock_guard<std::mutex> lock(m_d->mutex);
    const qint64 t = m_d->now();
    m_d->advance(t);
    return m_d->presentInterfaces(t);
}

SimulatedPedals::Mode SimulatedPedals::mode() const
{
    std::lock_guard<std::mutex> lock(m_d->mutex);
    const qint64 t = m_d->now();
    m_d->advance(t);
    if (!m_d->present(t))
        return Mode::Absent;
    return m_d->phase == Phase::Normal ? Mode::Normal : Mode::Update;
}

ConfigBlock::Bytes SimulatedPedals::defaultFlashBlock()
{
    DeviceConfigModel model;
    for (size_t h = 0; h < 3; ++h) {
        for (int i = 0; i < DeviceConfigModel::kCurvePoints; ++i)
            model.curve[h][size_t(i)] = qint8(10 * i);
        model.curveType[h] = 0;
        model.filter[h] = 2;
        model.deadTop[h] = 3;
        model.deadBot[h] = 3;
        model.cali[h] = 1;
        model.max[h] = kFullRaw;
        model.min[h] = kRestRaw;
    }
    return ConfigBlock::encode(model, kDefaultVersion);
}

ConfigBlock::Bytes SimulatedPedals::flashBlock() const
{
    std::lock_guard<std::mutex> lock(m_d->mutex);
    return m_d->flash;
}

void SimulatedPedals::setFlashBlock(const ConfigBlock::Bytes& block)
{
    std::lock_guard<std::mutex> lock(m_d->mutex);
    m_d->advance(m_d->now());
    m_d->flash = block;
    m_d->recomputeParams();
}

void SimulatedPedals::flashConfig(DeviceConfigModel* out) const
{
    if (!out)
        return;
    const ConfigBlock::Bytes block = flashBlock();
    ConfigBlock::decode(block, out);
}

quint16 SimulatedPedals::firmwareVersion() const
{
    std::lock_guard<std::mutex> lock(m_d->mutex);
    return get16le(&m_d->flash[ConfigBlock::kVersionOffset]);
}

int SimulatedPedals::restartCount() const
{
    std::lock_guard<std::mutex> lock(m_d->mutex);
    m_d->advance(m_d->now());
    return m_d->restartCount;
}

void SimulatedPedals::setRestartDelayMs(int ms)
{
    std::lock_guard<std::mutex> lock(m_d->mutex);
    m_d->restartDelayMs = std::max(0, ms);
}

void SimulatedPedals::setSwitchDelayMs(int ms)
{
    std::lock_guard<std::mutex> lock(m_d->mutex);
    m_d->switchDelayMs = std::max(0, ms);
}

void SimulatedPedals::setTelemetryRateHz(int hz)
{
    std::lock_guard<std::mutex> lock(m_d->mutex);
    const qint64 t = m_d->now();
    m_d->advance(t);
    m_d->rateHz = std::clamp(hz, 0, kMaxTelemetryRateHz);
    m_d->telemetryOrigin = t;
    m_d->telemetryNext = 1;
    m_d->cv.notify_all();
}

void SimulatedPedals::setExtendedTelemetry(bool on)
{
    std::lock_guard<std::mutex> lock(m_d->mutex);
    m_d->extended = on;
}

void SimulatedPedals::setReplyLatencyUs(int us)
{
    std::lock_guard<std::mutex> lock(m_d->mutex);
    m_d->latencyNs = qint64(std::max(0, us)) * 1000;
}

void SimulatedPedals::setMotion(Motion motion)
{
    std::lock_guard<std::mutex> lock(m_d->mutex);
    m_d->advance(m_d->now());
    m_d->motion = motion;
}

SimulatedPedals::Motion SimulatedPedals::motion() const
{
    std::lock_guard<std::mutex> lock(m_d->mutex);
    return m_d->motion;
}

void SimulatedPedals::setRawValues(const std::array<qint16, 3>& hostOrder)
{
    std::lock_guard<std::mutex> lock(m_d->mutex);
    m_d->advance(m_d->now());
    m_d->setRaw = hostOrder;
    m_d->motion = Motion::Set;
}

std::array<qint16, 3> SimulatedPedals::rawValuesNow() const
{
    std::lock_guard<std::mutex> lock(m_d->mutex);
    return m_d->rawAt(m_d->now());
}

qint16 SimulatedPedals::outputFor(int hostIndex, qint16 raw) const
{
    if (hostIndex < 0 || hostIndex > 2)
        return 0;
    std::lock_guard<std::mutex> lock(m_d->mutex);
    return m_d->output(hostIndex, raw);
}

void SimulatedPedals::unplug()
{
    std::lock_guard<std::mutex> lock(m_d->mutex);
    m_d->advance(m_d->now());
    m_d->doUnplug();
}

void SimulatedPedals::plug()
{
    std::lock_guard<std::mutex> lock(m_d->mutex);
    const qint64 t = m_d->now();
    m_d->advance(t);
    m_d->unplugged = false;
    m_d->absentUntil = std::min(m_d->absentUntil, t);
    m_d->cv.notify_all();
}

void SimulatedPedals::unplugAtWrite(int n)
{
    std::lock_guard<std::mutex> lock(m_d->mutex);
    m_d->unplugCountdown = std::max(0, n);
}

void SimulatedPedals::setFailWrites(bool on)
{
    std::lock_guard<std::mutex> lock(m_d->mutex);
    m_d->failWrites = on;
}

void SimulatedPedals::setDropReplies(bool all)
{
    std::lock_guard<std::mutex> lock(m_d->mutex);
    m_d->dropAll = all;
}

void SimulatedPedals::dropNextReplies(int n)
{
    std::lock_guard<std::mutex> lock(m_d->mutex);
    m_d->dropNext = std::max(0, n);
}

void SimulatedPedals::setReplyDelayMs(int ms)
{
    std::lock_guard<std::mutex> lock(m_d->mutex);
    m_d->delayNs = qint64(std::max(0, ms)) * kNsPerMs;
}

void SimulatedPedals::setShortReplies(int bytes)
{
    std::lock_guard<std::mutex> lock(m_d->mutex);
    m_d->shortLength = std::max(0, bytes);
}

void SimulatedPedals::setRejectConfigCrc(bool on)
{
    std::lock_guard<std::mutex> lock(m_d->mutex);
    m_d->rejectCrc = on;
}

void SimulatedPedals::setStayAwayAfterRestart(bool on)
{
    std::lock_guard<std::mutex> lock(m_d->mutex);
    m_d->stayAway = on;
}

void SimulatedPedals::forceStartStatus(int status)
{
    std::lock_guard<std::mutex> lock(m_d->mutex);
    m_d->forcedStart = status < 0 ? -1 : (status & 0xFFFF);
}

void SimulatedPedals::forceDataStatus(int sequence, quint16 status)
{
    std::lock_guard<std::mutex> lock(m_d->mutex);
    m_d->forcedData[sequence] = status;
}

void SimulatedPedals::clearForcedStatuses()
{
    std::lock_guard<std::mutex> lock(m_d->mutex);
    m_d->forcedStart = -1;
    m_d->forcedData.clear();
}

int SimulatedPedals::reportsWritten() const
{
    std::lock_guard<std::mutex> lock(m_d->mutex);
    return m_d->written;
}

QList<QByteArray> SimulatedPedals::writtenReports() const
{
    std::lock_guard<std::mutex> lock(m_d->mutex);
    return QList<QByteArray>(m_d->writtenLog.begin(), m_d->writtenLog.end());
}

QByteArray SimulatedPedals::lastWrittenReport() const
{
    std::lock_guard<std::mutex> lock(m_d->mutex);
    return m_d->writtenLog.empty() ? QByteArray() : m_d->writtenLog.back();
}

void SimulatedPedals::clearWrittenReports()
{
    std::lock_guard<std::mutex> lock(m_d->mutex);
    m_d->writtenLog.clear();
}

QByteArray SimulatedPedals::receivedFirmware() const
{
    std::lock_guard<std::mutex> lock(m_d->mutex);
    return m_d->image;
}

qint64 SimulatedPedals::lastReadTimestampNs() const
{
    std::lock_guard<std::mutex> lock(m_d->mutex);
    return m_d->lastReadTs;
}

void SimulatedPedals::setManualClock(bool on)
{
    std::lock_guard<std::mutex> lock(m_d->mutex);
    if (on == m_d->manualClock)
        return;
    if (on) {
        m_d->manualNs = m_d->now();
    } else {
        // Real time resumes from where the manual clock stood.
        m_d->epoch = std::chrono::steady_clock::now() - std::chrono::nanoseconds(m_d->manualNs);
    }
    m_d->manualClock = on;
    m_d->cv.notify_all();
}

void SimulatedPedals::advanceClockUs(qint64 us)
{
    std::lock_guard<std::mutex> lock(m_d->mutex);
    if (!m_d->manualClock || us <= 0)
        return;
    m_d->manualNs += us * 1000;
    m_d->advance(m_d->manualNs);
    m_d->cv.notify_all();
}

qint64 SimulatedPedals::clockNs() const
{
    std::lock_guard<std::mutex> lock(m_d->mutex);
    return m_d->now();
}
