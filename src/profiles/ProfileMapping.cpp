#include "profiles/ProfileMapping.h"

#include <algorithm>

#include "coordination/DeviceConfigModel.h"

namespace ProfileMapping {

void applyProfileToConfig(const CurveProfile& profile, DeviceConfigModel* config)
{
    if (!config)
        return;
    for (size_t h = 0; h < size_t(DeviceConfigModel::kPedals); ++h) {
        const PedalProfile& pedal = profile.pedals[h];
        if (pedal.calibrated) {
            config->min[h] = pedal.rawMin;
            config->max[h] = pedal.rawMax;
            config->cali[h] = 1;
        }
        config->deadTop[h] = quint8(std::clamp(pedal.deadzoneTop, 0, kMaxDeadzone));
        config->deadBot[h] = quint8(std::clamp(pedal.deadzoneBottom, 0, kMaxDeadzone));
        config->filter[h] = quint8(std::clamp(pedal.filter, 0, kMaxFilter));
        config->curveType[h] = quint8(std::clamp(pedal.curveType, 0, kMaxCurveType));
        config->curve[h] = pedal.points;
    }
}

CurveProfile profileFromConfig(const DeviceConfigModel& config, const QString& name)
{
    CurveProfile profile;
    profile.version = 1;
    profile.profileName = name;
    for (size_t h = 0; h < size_t(DeviceConfigModel::kPedals); ++h) {
        PedalProfile& pedal = profile.pedals[h];
        pedal.rawMin = config.min[h];
        pedal.rawMax = config.max[h];
        pedal.outputMin = -32767;
        pedal.outputMax = 32767;
        pedal.calibrated = config.cali[h] != 0;
        pedal.deadzoneTop = config.deadTop[h];
        pedal.deadzoneBottom = config.deadBot[h];
        pedal.filter = config.filter[h];
        pedal.curveType = config.curveType[h];
        pedal.points = config.curve[h];
    }
    return profile;
}

} // namespace ProfileMapping
