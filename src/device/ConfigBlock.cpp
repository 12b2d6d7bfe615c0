#include "device/ConfigBlock.h"

#include "coordination/DeviceConfigModel.h"
#include "device/Crc16.h"

namespace ConfigBlock {
namespace {
void put16(Bytes& b, int offset, quint16 v)
{
    b[size_t(offset)] = quint8(v & 0xFF);
    b[size_t(offset + 1)] = quint8(v >> 8);
}

quint16 get16(const Bytes& b, int offset)
{
    return quint16(b[size_t(offset)] | (quint16(b[size_t(offset + 1)]) << 8));
}
} // namespace

Bytes encode(const DeviceConfigModel& m, quint16 version)
{
    Bytes b{};
    for (int w = 0; w < 3; ++w) {
        const size_t h = size_t(hostToWire(w));
        for (int i = 0; i < DeviceConfigModel::kCurvePoints; ++i)
            b[size_t(11 * w + i)] = quint8(m.curve[h][size_t(i)]);
        b[size_t(33 + w)] = m.curveType[h];
        b[size_t(36 + w)] = m.filter[h];
        b[size_t(39 + w)] = m.deadTop[h];
        b[size_t(42 + w)] = m.deadBot[h];
        b[size_t(45 + w)] = m.cali[h];
        put16(b, 48 + 2 * w, quint16(m.max[h]));
        put16(b, 54 + 2 * w, quint16(m.min[h]));
    }
    put16(b, kVersionOffset, version);
    put16(b, kCrcOffset, computedCrc(b));
    return b;
}

void decode(const Bytes& b, DeviceConfigModel* m)
{
    if (!m)
        return;
    for (int w = 0; w < 3; ++w) {
        const size_t h = size_t(hostToWire(w));
        for (int i = 0; i < DeviceConfigModel::kCurvePoints; ++i)
            m->curve[h][size_t(i)] = qint8(b[size_t(11 * w + i)]);
        m->curveType[h] = b[size_t(33 + w)];
        m->filter[h] = b[size_t(36 + w)];
        m->deadTop[h] = b[size_t(39 + w)];
        m->deadBot[h] = b[size_t(42 + w)];
        m->cali[h] = b[size_t(45 + w)];
        m->max[h] = qint16(get16(b, 48 + 2 * w));
        m->min[h] = qint16(get16(b, 54 + 2 * w));
    }
    m->ver = get16(b, kVersionOffset);
    m->crc = get16(b, kCrcOffset);
}

quint16 storedCrc(const Bytes& b)
{
    return get16(b, kCrcOffset);
}

quint16 computedCrc(const Bytes& b)
{
    return crc16(b.data(), kCrcOffset);
}

} // namespace ConfigBlock
