#include "device/QuilbexProtocolV1.h"

#include "coordination/DeviceConfigModel.h"
#include "device/ConfigBlock.h"
#include "device/Crc16.h"
#include "device/IHidTransport.h"

#include <QByteArray>
#include <QDebug>
#include <QElapsedTimer>

#include <algorithm>
#include <array>

namespace {

constexpr char kReportTelemetry = 0x02;
constexpr char kReportConfigRead = 0x03;
constexpr char kReportConfigWrite = 0x04;
constexpr char kReportUpdateMode = 0x05;
constexpr quint8 kAckCrcRejected = 0xFE;
constexpr int kChunkHeader = 2;
constexpr int kChunkPayload = 62;
constexpr int kTelemetryBaseSize = 13;
constexpr int kTelemetryExtendedSize = 31;

// Calibration part of the block (bytes 45..59): cali[3], max[3], min[3] in wire order.
constexpr int kCalOffset = 45;
constexpr int kCalSize = 15;
using CalBytes = std::array<quint8, kCalSize>;

// Process-wide copies for the diagnostic dumps only; the protocol is used by one thread
// at a time (the coordinator pauses while the update worker owns the link).
struct ChainCopies
{
    CalBytes lastRead{};
    CalBytes lastWritten{};
    bool haveRead = false;
    bool haveWritten = false;
};

ChainCopies& chain()
{
    static ChainCopies copies;
    return copies;
}

CalBytes calibrationOf(const ConfigBlock::Bytes& block)
{
    CalBytes c{};
    std::copy_n(block.begin() + kCalOffset, kCalSize, c.begin());
    return c;
}

struct Cal
{
    int cali = 0;
    int min = 0;
    int max = 0;
    bool operator==(const Cal& o) const { return cali == o.cali && min == o.min && max == o.max; }
    bool operator!=(const Cal& o) const { return !(*this == o); }
};

Cal wireCal(const CalBytes& c, int wire)
{
    const auto w = size_t(wire);
    Cal r;
    r.cali = c[w];
    r.max = qint16(quint16(c[3 + 2 * w] | (c[4 + 2 * w] << 8)));
    r.min = qint16(quint16(c[9 + 2 * w] | (c[10 + 2 * w] << 8)));
    return r;
}

Cal hostCal(const DeviceConfigModel& m, int host)
{
    const auto h = size_t(host);
    return Cal{m.cali[h], m.min[h], m.max[h]};
}

qint16 le16(const QByteArray& r, int offset)
{
    return qint16(quint16(quint8(r[offset]) | (quint16(quint8(r[offset + 1])) << 8)));
}

const char* wireName(int wire)
{
    static const char* const names[] = {"Clutch", "Brake", "Throttle"};
    return (wire >= 0 && wire < 3) ? names[wire] : "?";
}

const char* hostName(int host)
{
    return wireName(hostToWire(host));
}

const char* yesNo(bool b)
{
    return b ? "yes" : "no";
}

QString hex(quint16 v)
{
    return QString::number(v, 16);
}

void logWireCalibration(const char* tag, const CalBytes& c)
{
    for (int w = 0; w < 3; ++w) {
        const Cal cal = wireCal(c, w);
        qDebug() << tag << "wire" << w << wireName(w) << "cali=" << cal.cali << "min=" << cal.min << "max=" << cal.max;
    }
}

void logHostModel(const DeviceConfigModel& m)
{
    qDebug().noquote() << "[L3-device-cfg-host-model] ver=0x" + hex(m.ver) << "crc=0x" + hex(m.crc);
    for (int h = 0; h < 3; ++h) {
        const Cal cal = hostCal(m, h);
        qDebug() << "[L3-device-cfg-host-model]" << hostName(h) << "cali/min/max =" << cal.cali << cal.min << cal.max;
    }
}

void logReadback(const DeviceConfigModel& m)
{
    qDebug() << "[CFG-READBACK] ---------------- begin ----------------";
    for (int h = 0; h < 3; ++h) {
        const auto i = size_t(h);
        qDebug() << "[CFG-READBACK-host]" << hostName(h) << "deadTop=" << int(m.deadTop[i])
                 << "deadBot=" << int(m.deadBot[i]) << "filter=" << int(m.filter[i])
                 << "curveType=" << int(m.curveType[i]);
        qDebug() << "[CFG-READBACK-host]" << hostName(h) << "curve[0..10]=" << m.curve[i];
    }
    for (int w = 2; w >= 0; --w) {
        const int h = hostToWire(w);
        const auto i = size_t(h);
        qDebug() << "[CFG-READBACK-wire] wire" << w << wireName(w) << "→ host" << h << hostName(h)
                 << "deadTop=" << int(m.deadTop[i]) << "deadBot=" << int(m.deadBot[i]) << "filter=" << int(m.filter[i])
                 << "curveType=" << int(m.curveType[i]);
    }
    qDebug() << "[CFG-READBACK] ---------------- end ------------------";
}

void logWriteSide(const ConfigBlock::Bytes& b)
{
    logWireCalibration("[L2-write-wire]", calibrationOf(b));
    constexpr int w = 2; // throttle
    {
        QDebug line = qDebug(); // written when it goes out of scope
        line << "[L2-wire-TH-params] wire" << w << "curve=";
        for (int i = 0; i < DeviceConfigModel::kCurvePoints; ++i)
            line << int(qint8(b[size_t(11 * w + i)]));
        line << "curveType=" << int(b[size_t(33 + w)]) << "filter=" << int(b[size_t(36 + w)])
             << "deadTop=" << int(b[size_t(39 + w)]) << "deadBot=" << int(b[size_t(42 + w)])
             << "cali=" << int(b[size_t(45 + w)]);
    }
    qDebug() << "[L4-DIVIEW-map] joystick axes: 1st X = clutch (wire 0), 2nd Y = brake (wire 1),"
                " 3rd Z = throttle (wire 2)";
    qDebug() << "[L4-DIVIEW-map] compare the 3rd axis (Z) with the throttle (wire[2]) values of the"
                " [L4-PARA-wire] telemetry lines";
    qDebug() << "[L3-FW-snapshot] on the device, compare the firmware's debug snapshot"
                " cfg.cali[w] / cfg.min[w] / cfg.max[w] after reload with the [L2-write-wire] lines";
}

void logCal(const char* tag, const char* what, const Cal& c)
{
    qDebug() << tag << what << "cali=" << c.cali << "min=" << c.min << "max=" << c.max;
}

// Waits up to budgetMs for a report that `accept` takes, reading readReport(<= 50 ms) in a
// loop and skipping everything else; ends early after emptyLimit reads that brought nothing.
// Time runs on the transport's clock when it has one, else on the system's monotonic clock.
template <class Accept> QByteArray awaitReply(IHidTransport* transport, int budgetMs, int emptyLimit, Accept accept)
{
    QElapsedTimer systemClock;
    systemClock.start();
    const auto now = [&] {
        const qint64 t = transport->clockNs();
        return t >= 0 ? t : systemClock.nsecsElapsed();
    };
    constexpr qint64 kNsPerMs = 1000 * 1000;
    const qint64 deadline = now() + qint64(budgetMs) * kNsPerMs;
    int empty = 0;
    while (empty < emptyLimit) {
        const qint64 left = deadline - now();
        if (left <= 0)
            break;
        const int timeoutMs =
            int(std::min<qint64>(QuilbexProtocolV1::kReplyTimeoutMs, (left + kNsPerMs - 1) / kNsPerMs));
        const QByteArray r = transport->readReport(timeoutMs);
        if (r.isEmpty())
            ++empty;
        else if (accept(r))
            return r;
    }
    return QByteArray();
}

} // namespace

QuilbexProtocolV1::QuilbexProtocolV1(IHidTransport* transport) : m_transport(transport) {}

quint16 QuilbexProtocolV1::crc16(const quint8* data, int length)
{
    return ::crc16(data, length);
}

int QuilbexProtocolV1::discardPendingInput()
{
    int dropped = 0;
    while (dropped < kDrainLimit && !m_transport->readReport(0).isEmpty())
        ++dropped;
    return dropped;
}

bool QuilbexProtocolV1::readFullConfig(DeviceConfigModel* out)
{
    if (!out || !m_transport) {
        qDebug() << "[readFullConfig] no model or transport";
        return false;
    }
    ConfigBlock::Bytes block{};
    int fill = 0;
    for (int chunk = 0; chunk < 2; ++chunk) {
        const int payload = std::min(kChunkPayload, kBlockSize - fill);
        // Telemetry queued since the last poll would otherwise eat the reply attempts.
        const int stale = discardPendingInput();
        if (stale > 0)
            qDebug() << "[readFullConfig] discarded" << stale << "queued input reports before chunk" << chunk;

        QByteArray request(2, '\0');
        request[0] = kReportConfigRead;
        request[1] = char(chunk);
        if (!m_transport->writeReport(request)) {
            qDebug() << "[readFullConfig] writeReport failed on chunk" << chunk;
            return false;
        }
        const QByteArray reply = awaitReply(m_transport, kReadWaitMs, kReadAttempts, [&](const QByteArray& r) {
            if (r.size() < 2 || r[0] != kReportConfigRead)
                return false;
            if (r.size() < kChunkHeader + payload) {
                // Too short to carry this chunk's payload: never read past its end.
                qDebug() << "[readFullConfig] short reply ignored on chunk" << chunk << "size=" << r.size();
                return false;
            }
            return true;
        });
        if (reply.isEmpty())
            return false;
        std::copy_n(reinterpret_cast<const quint8*>(reply.constData()) + kChunkHeader, payload, block.begin() + fill);
        fill += payload;
    }

    const CalBytes cal = calibrationOf(block);
    logWireCalibration("[L3-device-flash-cfg-wire]", cal);
    chain().lastRead = cal;
    chain().haveRead = true;

    const quint16 stored = ConfigBlock::storedCrc(block);
    const quint16 computed = ConfigBlock::computedCrc(block);
    if (stored != computed) {
        // Accepted all the same: fresh pedals may never have stored a CRC.
        qDebug().noquote() << "[readFullConfig] CRC mismatch — stored=0x" + hex(stored) << "computed=0x" + hex(computed)
                           << "(block accepted)";
    }

    ConfigBlock::decode(block, out);
    logHostModel(*out);
    logReadback(*out);
    return true;
}

bool QuilbexProtocolV1::writeFullConfig(const DeviceConfigModel* in)
{
    if (!in || !m_transport) {
        qDebug() << "[writeFullConfig] no model or transport";
        return false;
    }
    quint16 version = in->ver;
    if (version == 0) {
        qDebug() << "[writeFullConfig] in.ver==0 (常见原因: readFullConfig 未跑通) — 兜底 VER_FW" << Qt::hex
                 << Qt::showbase << kFallbackVersion;
        version = kFallbackVersion;
    }
    const ConfigBlock::Bytes block = ConfigBlock::encode(*in, version);
    const quint16 crc = ConfigBlock::storedCrc(block);
    qDebug().noquote() << "[writeFullConfig] ver=" << version << "crc=0x" + hex(crc);
    logWriteSide(block);

    int sent = 0;
    for (int chunk = 0; chunk < 2; ++chunk) {
        const int payload = std::min(kChunkPayload, kBlockSize - sent);
        QByteArray report(kBlockSize, '\0');
        report[0] = kReportConfigWrite;
        report[1] = char(chunk);
        std::copy_n(block.begin() + sent, payload, report.begin() + kChunkHeader);
        sent += payload;
        if (chunk == 0)
            qDebug() << "[writeFullConfig] chunk 0 hex:" << report.toHex(' ').constData();

        // A telemetry backlog would use up the acknowledgement attempts.
        const int stale = discardPendingInput();
        if (stale > 0)
            qDebug() << "[writeFullConfig] discarded" << stale << "queued input reports before chunk" << chunk;

        if (!m_transport->writeReport(report)) {
            qDebug() << "[writeFullConfig] writeReport failed on chunk" << chunk;
            return false;
        }
        const QByteArray ack = awaitReply(m_transport, kAckWaitMs, kAckAttempts, [](const QByteArray& r) {
            return r.size() >= 2 && r[0] == kReportConfigWrite;
        });
        if (ack.isEmpty()) {
            qDebug() << "[writeFullConfig] no ACK for chunk" << chunk;
            return false;
        }
        if (quint8(ack[1]) == kAckCrcRejected) {
            qDebug() << "[writeFullConfig] CRC mismatch — firmware rejected config";
            return false;
        }
        qDebug() << "[writeFullConfig] chunk" << chunk << "ACK OK";
    }
    qDebug() << "[writeFullConfig] success — device will reset and reload config";
    chain().lastWritten = calibrationOf(block);
    chain().haveWritten = true;
    return true;
}

bool QuilbexProtocolV1::readRuntime(PedalRuntimeState* out)
{
    if (!out || !m_transport)
        return false;
    // The pedals report up to 1000 times a second and we poll every 20 ms: take everything
    // waiting and apply only the newest telemetry, so the reading never lags a backlog.
    QByteArray newest;
    for (int i = 0; i < kDrainLimit; ++i) {
        QByteArray r = m_transport->readReport(0);
        if (r.isEmpty())
            break;
        if (r.size() >= kTelemetryBaseSize && r[0] == kReportTelemetry)
            newest = std::move(r);
    }
    if (newest.isEmpty())
        return false;

    for (int w = 0; w < 3; ++w) {
        const auto h = size_t(hostToWire(w));
        out->out[h] = le16(newest, 1 + 2 * w);
        out->raw[h] = le16(newest, 7 + 2 * w);
    }
    if (newest.size() >= kTelemetryExtendedSize) {
        for (int w = 0; w < 3; ++w) {
            const auto i = size_t(w);
            out->axisMin[i] = le16(newest, 13 + 6 * w);
            out->axisMax[i] = le16(newest, 15 + 6 * w);
            out->cail[i] = quint8(newest[17 + 6 * w]);
        }
        out->hasExtended = true;
    } else {
        out->hasExtended = false;
    }
    return true;
}

bool QuilbexProtocolV1::enterUpdateMode()
{
    if (!m_transport)
        return false;
    QByteArray report(kBlockSize, '\0');
    report[0] = kReportUpdateMode;
    static const char command[] = "bootloader run";
    std::copy_n(command, sizeof(command) - 1, report.begin() + 1);
    return m_transport->writeReport(report);
}

void QuilbexProtocolV1::logPostWriteChain(const DeviceConfigModel* model)
{
    constexpr const char* tag = "[THROTTLE-CHAIN-POST-WRITE]";
    if (!model) {
        qDebug() << tag << "no model";
        return;
    }
    const ChainCopies& c = chain();
    const Cal ui = hostCal(*model, 0);
    logCal(tag, "UI (host 0)          :", ui);
    if (!c.haveWritten) {
        qDebug() << tag << "no written copy exists in this process";
        qDebug() << tag << "verdict: nothing written yet — chain cannot be checked";
        return;
    }
    const Cal written = wireCal(c.lastWritten, 2);
    logCal(tag, "written (wire 2)     :", written);
    qDebug() << tag << "UI == written:" << yesNo(ui == written);
    if (c.haveRead) {
        const Cal before = wireCal(c.lastRead, 2);
        logCal(tag, "last read before write:", before);
        qDebug() << tag << "written == last read:" << yesNo(written == before)
                 << (written == before ? "(calibration unchanged by this write)"
                                       : "(calibration changed by this write)");
    } else {
        qDebug() << tag << "no read-back copy exists in this process";
    }
    if (ui != written)
        qDebug() << tag << "verdict: UI -> written differs (the block sent is not what the interface shows)";
    else
        qDebug() << tag << "verdict: UI -> written consistent; check [THROTTLE-CHAIN-POST-READBACK] after reconnect";
}

void QuilbexProtocolV1::logPostReadbackChain(const DeviceConfigModel* model, const PedalRuntimeState* runtime)
{
    constexpr const char* tag = "[THROTTLE-CHAIN-POST-READBACK]";
    if (!model) {
        qDebug() << tag << "no model";
        return;
    }
    const ChainCopies& c = chain();
    const Cal ui = hostCal(*model, 0);
    logCal(tag, "UI (host 0)       :", ui);

    bool uiWrittenDiffers = false;
    bool writtenReadDiffers = false;
    if (c.haveWritten) {
        const Cal written = wireCal(c.lastWritten, 2);
        logCal(tag, "written (wire 2)  :", written);
        uiWrittenDiffers = ui != written;
        qDebug() << tag << "UI == written:" << yesNo(!uiWrittenDiffers);
        if (c.haveRead) {
            writtenReadDiffers = written != wireCal(c.lastRead, 2);
        }
    } else {
        qDebug() << tag << "no written copy exists in this process (no successful write since start)";
    }

    bool readTelemetryDiffers = false;
    if (c.haveRead) {
        const Cal readBack = wireCal(c.lastRead, 2);
        logCal(tag, "read back (wire 2):", readBack);
        if (c.haveWritten)
            qDebug() << tag << "written == read back:" << yesNo(!writtenReadDiffers);
        if (runtime && runtime->hasExtended) {
            const Cal echo{runtime->cail[2], runtime->axisMin[2], runtime->axisMax[2]};
            logCal(tag, "telemetry (axis 2):", echo);
            readTelemetryDiffers = readBack != echo;
            qDebug() << tag << "read back == telemetry:" << yesNo(!readTelemetryDiffers);
        } else {
            qDebug() << tag << "telemetry carries no calibration echo";
        }
    } else {
        qDebug() << tag << "no read-back copy exists in this process";
    }

    if (writtenReadDiffers)
        qDebug() << tag << "verdict: written -> flash differs (the device did not keep the written calibration)";
    else if (readTelemetryDiffers)
        qDebug() << tag << "verdict: flash -> telemetry differs (the device applies other values than it stores)";
    else if (uiWrittenDiffers)
        qDebug() << tag << "verdict: UI -> written differs (the interface shows other values than were written)";
    else
        qDebug() << tag << "verdict: chain consistent";
}
