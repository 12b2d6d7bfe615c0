#pragma once

// Configuration and telemetry replies of protocol V1 from fuzz data. Each check compares
// the protocol's result with what the replies it was handed say, so a wrong offset, a
// partial decode or a read past a short report shows up, not only a crash.
//   byte 0: write failure mask (FuzzTransport); then per operation one selector byte
//   (0 read config, 1 read telemetry, 2 write the model last read, 3 write a model made
//   from the next 64 bytes) followed by the replies it consumes.

#include "coordination/DeviceConfigModel.h"
#include "device/ConfigBlock.h"
#include "device/QuilbexProtocolV1.h"
#include "FuzzTransport.h"

#include <QString>

#include <cstddef>
#include <cstdint>

namespace ConfigReplyHarness {

constexpr int kMaxOperations = 8;

inline bool sameModel(const DeviceConfigModel& a, const DeviceConfigModel& b)
{
    return a.curve == b.curve && a.curveType == b.curveType && a.filter == b.filter && a.deadTop == b.deadTop
        && a.deadBot == b.deadBot && a.cali == b.cali && a.max == b.max && a.min == b.min && a.ver == b.ver
        && a.crc == b.crc;
}

inline void copyModel(const DeviceConfigModel& from, DeviceConfigModel& to)
{
    to.curve = from.curve;
    to.curveType = from.curveType;
    to.filter = from.filter;
    to.deadTop = from.deadTop;
    to.deadBot = from.deadBot;
    to.cali = from.cali;
    to.max = from.max;
    to.min = from.min;
    to.ver = from.ver;
    to.crc = from.crc;
}

inline qint16 le16(const QByteArray& r, int offset)
{
    return qint16(quint16(quint8(r.at(offset)) | (quint16(quint8(r.at(offset + 1))) << 8)));
}

inline int payloadOf(int chunk)
{
    return chunk == 0 ? 62 : 2;
}

inline QString checkReadConfig(FuzzTransport& t, QuilbexProtocolV1& protocol, DeviceConfigModel& model)
{
    // The reply each request got: the first 0x03 report long enough for the chunk.
    QByteArray payload[2];
    int pending = -1;
    t.onWrite = [&](const QByteArray& r) {
        if (r.size() == 2 && r.at(0) == 0x03 && (r.at(1) == 0 || r.at(1) == 1))
            pending = r.at(1);
    };
    t.onRead = [&](const QByteArray& r, int timeoutMs) {
        if (pending < 0 || timeoutMs == 0)
            return;
        if (r.size() >= 2 + payloadOf(pending) && r.at(0) == 0x03) {
            payload[pending] = r.mid(2, payloadOf(pending));
            pending = -1;
        }
    };
    DeviceConfigModel before;
    copyModel(model, before);
    const bool ok = protocol.readFullConfig(&model);
    t.onWrite = nullptr;
    t.onRead = nullptr;

    for (int i = 0; i < t.writes.size(); ++i) {
        const QByteArray& w = t.writes.at(i);
        if (w.size() != 2 || w.at(0) != 0x03 || w.at(1) != char(i))
            return QStringLiteral("read request %1 malformed: %2").arg(i).arg(QString::fromLatin1(w.toHex()));
    }
    if (!ok) {
        if (!sameModel(model, before))
            return QStringLiteral("failed read changed the model");
        return QString();
    }
    if (payload[0].isEmpty() || payload[1].isEmpty())
        return QStringLiteral("read succeeded without a full reply for each chunk");
    const ConfigBlock::Bytes again = ConfigBlock::encode(model, model.ver);
    const QByteArray front(reinterpret_cast<const char*>(again.data()), 62);
    if (front != payload[0])
        return QStringLiteral("decoded model does not encode back to the block read");
    if (model.crc != quint16(le16(payload[1], 0)))
        return QStringLiteral("stored CRC not taken unchanged");
    return QString();
}

inline QString checkReadRuntime(FuzzTransport& t, QuilbexProtocolV1& protocol, PedalRuntimeState& state)
{
    QByteArray newest;
    bool waited = false;
    t.onRead = [&](const QByteArray& r, int timeoutMs) {
        if (timeoutMs != 0)
            waited = true;
        if (r.size() >= 13 && r.at(0) == 0x02)
            newest = r;
    };
    const auto raw = state.raw;
    const auto out = state.out;
    const auto axisMin = state.axisMin;
    const auto axisMax = state.axisMax;
    const auto cail = state.cail;
    const bool hadExtended = state.hasExtended;
    const bool ok = protocol.readRuntime(&state);
    t.onRead = nullptr;

    if (waited)
        return QStringLiteral("telemetry read waited");
    if (!t.writes.isEmpty())
        return QStringLiteral("telemetry read wrote to the device");
    if (ok != !newest.isEmpty())
        return QStringLiteral("telemetry result %1 disagrees with the reports").arg(ok);
    if (!ok) {
        if (state.raw != raw || state.out != out || state.axisMin != axisMin || state.axisMax != axisMax
            || state.cail != cail || state.hasExtended != hadExtended)
            return QStringLiteral("failed telemetry read changed the state");
        return QString();
    }
    for (int w = 0; w < 3; ++w) {
        const auto h = size_t(2 - w);
        if (state.out[h] != le16(newest, 1 + 2 * w) || state.raw[h] != le16(newest, 7 + 2 * w))
            return QStringLiteral("live values of wire %1 wrong").arg(w);
    }
    const bool extended = newest.size() >= 31;
    if (state.hasExtended != extended)
        return QStringLiteral("hasExtended wrong for a %1-byte report").arg(newest.size());
    for (int w = 0; w < 3; ++w) {
        const auto i = size_t(w);
        if (extended) {
            if (state.axisMin[i] != le16(newest, 13 + 6 * w) || state.axisMax[i] != le16(newest, 15 + 6 * w)
                || state.cail[i] != quint8(newest.at(17 + 6 * w)))
                return QStringLiteral("calibration echo of axis %1 wrong").arg(w);
        } else if (state.axisMin != axisMin || state.axisMax != axisMax || state.cail != cail) {
            return QStringLiteral("short report changed the calibration echo");
        }
    }
    return QString();
}

inline QString checkWriteConfig(FuzzTransport& t, QuilbexProtocolV1& protocol, const DeviceConfigModel& model)
{
    DeviceConfigModel before;
    copyModel(model, before);
    const bool ok = protocol.writeFullConfig(&model);
    if (!sameModel(model, before))
        return QStringLiteral("write changed the model");
    if (t.writes.size() > 2)
        return QStringLiteral("write sent %1 reports").arg(t.writes.size());
    const ConfigBlock::Bytes block = ConfigBlock::encode(model, model.ver != 0 ? model.ver : 0x0206);
    int sent = 0;
    for (int i = 0; i < t.writes.size(); ++i) {
        const QByteArray& w = t.writes.at(i);
        if (w.size() != 64 || w.at(0) != 0x04 || w.at(1) != char(i))
            return QStringLiteral("write chunk %1 malformed").arg(i);
        const int n = payloadOf(i);
        if (w.mid(2, n) != QByteArray(reinterpret_cast<const char*>(block.data()) + sent, n)
            || w.mid(2 + n) != QByteArray(62 - n, '\0'))
            return QStringLiteral("write chunk %1 carries the wrong bytes").arg(i);
        sent += n;
    }
    if (ok && t.writes.size() != 2)
        return QStringLiteral("write succeeded after %1 chunks").arg(t.writes.size());
    return QString();
}

inline QString run(const uint8_t* data, size_t size)
{
    FuzzTransport t(data, size);
    t.writeFailMask = t.takeByte();
    QuilbexProtocolV1 protocol(&t);
    DeviceConfigModel model;
    PedalRuntimeState state;
    for (int op = 0; op < kMaxOperations && !t.exhausted(); ++op) {
        const int selector = t.takeByte() % 4;
        t.beginOperation();
        QString failure;
        switch (selector) {
        case 0: failure = checkReadConfig(t, protocol, model); break;
        case 1: failure = checkReadRuntime(t, protocol, state); break;
        case 2: failure = checkWriteConfig(t, protocol, model); break;
        default: {
            const QByteArray bytes = t.takeBytes(ConfigBlock::kSize);
            ConfigBlock::Bytes block{};
            std::copy(bytes.begin(), bytes.end(), block.begin());
            DeviceConfigModel made;
            ConfigBlock::decode(block, &made);
            failure = checkWriteConfig(t, protocol, made);
            break;
        }
        }
        if (t.readCapHit)
            return QStringLiteral("operation %1 read without bound").arg(selector);
        if (!failure.isEmpty())
            return failure;
    }
    return QString();
}

} // namespace ConfigReplyHarness
