#include "coordination/DeviceConfigModel.h"

#include <QDebug>

QString formatFirmwareVersion(quint16 word)
{
    return QStringLiteral("%1.%2.%3").arg((word >> 8) & 0xFF).arg((word & 0xFF) >> 4).arg(word & 0x0F);
}

DeviceConfigModel::DeviceConfigModel(QObject* parent) : QObject(parent)
{
    registerCurvePointsMetaType();
}

void DeviceConfigModel::copyFrom(const DeviceConfigModel& other)
{
    curve = other.curve;
    curveType = other.curveType;
    filter = other.filter;
    deadTop = other.deadTop;
    deadBot = other.deadBot;
    cali = other.cali;
    max = other.max;
    min = other.min;
    ver = other.ver;
    crc = other.crc;
}

bool DeviceConfigModel::sameSettings(const DeviceConfigModel& other) const
{
    return curve == other.curve && curveType == other.curveType && filter == other.filter && deadTop == other.deadTop
        && deadBot == other.deadBot && cali == other.cali && max == other.max && min == other.min;
}

PedalRuntimeState::PedalRuntimeState(QObject* parent) : QObject(parent) {}

namespace {
QDebug printCurvePoints(QDebug dbg, const CurvePoints& points)
{
    QDebugStateSaver saver(dbg);
    dbg.nospace() << '(';
    for (int i = 0; i < DeviceConfigModel::kCurvePoints; ++i) {
        if (i)
            dbg << ", ";
        dbg << int(points[size_t(i)]);
    }
    dbg << ')';
    return dbg;
}
} // namespace

void registerCurvePointsMetaType()
{
    static const bool once = [] {
        const int id = qRegisterMetaType<CurvePoints>("std::array<qint8,DeviceConfigModel::kCurvePoints>");
        Q_UNUSED(id);
        return true;
    }();
    Q_UNUSED(once);
}

QDebug operator<<(QDebug dbg, const CurvePoints& points)
{
    return printCurvePoints(dbg, points);
}
