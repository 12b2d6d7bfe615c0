#include "curves/CurveMath.h"

#include <algorithm>
#include <cmath>

namespace {
int roundHalfAway(double v)
{
    return int(std::round(v)); // std::round rounds halves away from zero
}

CurvePoints makePreset(int type)
{
    CurvePoints p{};
    for (int i = 0; i < DeviceConfigModel::kCurvePoints; ++i) {
        const double t = i / 10.0;
        int v = 0;
        switch (type) {
        case 1: v = std::clamp(roundHalfAway((3.0 - (t + t)) * (t * t) * 100.0), 0, 100); break;
        case 2: v = i == 0 ? 0 : std::clamp(roundHalfAway(std::sqrt(t) * 100.0), 0, 100); break;
        case 3: v = std::min(roundHalfAway(t * t * 100.0), 100); break;
        default: v = std::clamp(roundHalfAway(t * 100.0), 0, 100); break;
        }
        p[size_t(i)] = qint8(v);
    }
    return p;
}

// Built once; the live path never allocates or recomputes.
const std::array<CurvePoints, 4>& presetTables()
{
    static const std::array<CurvePoints, 4> tables{makePreset(0), makePreset(1), makePreset(2), makePreset(3)};
    return tables;
}
} // namespace

CurvePoints presetCurvePoints(int presetType)
{
    if (presetType < 0 || presetType > 3)
        presetType = 0;
    return presetTables()[size_t(presetType)];
}

int matchCurvePreset(const CurvePoints& points, int storedType)
{
    int result = 4;
    if (points[0] == 0 && points[10] == 100) {
        if (points == presetTables()[0]) {
            result = 0;
        } else {
            for (int k = 1; k <= 3 && result == 4; ++k) {
                const CurvePoints& preset = presetTables()[size_t(k)];
                bool within = true;
                for (size_t i = 0; i < points.size(); ++i) {
                    if (std::abs(int(points[i]) - int(preset[i])) > 3) {
                        within = false;
                        break;
                    }
                }
                if (within)
                    result = k;
            }
        }
    }
    if (storedType == 4)
        result = 4;
    return result;
}

void applyCurvePresetToModel(DeviceConfigModel* model, int hostIndex, int presetIdx)
{
    if (!model || hostIndex < 0 || hostIndex > 2)
        return;
    const int k = std::clamp(presetIdx, 0, kMaxCurveType);
    const size_t h = size_t(hostIndex);
    if (k <= 3)
        model->curve[h] = presetTables()[size_t(k)];
    model->curveType[h] = quint8(k);
}

double axisToPercent(qint16 value)
{
    const double p = (double(value) + 32767.0) / 65534.0 * 100.0;
    return std::clamp(p, 0.0, 100.0);
}

double pedalInputPercent(qint16 raw, bool calibrated, qint16 cal1, qint16 cal2, int deadTop, int deadBot)
{
    if (calibrated) {
        const qint64 lo = std::min<qint64>(cal1, cal2);
        const qint64 hi = std::max<qint64>(cal1, cal2);
        const qint64 span = hi - lo;
        if (span >= 50) {
            const qint64 low = lo + (qint64(deadBot) * span) / 100;
            const qint64 high = hi - (qint64(deadTop) * span) / 100;
            if (low < high) {
                if (raw <= low)
                    return 0.0;
                if (raw >= high)
                    return 100.0;
                const qint64 v = (qint64(raw) - low) * 65534 / (high - low) - 32767;
                return axisToPercent(qint16(std::clamp<qint64>(v, -32768, 32767)));
            }
        }
    }
    return axisToPercent(raw);
}
