#pragma once

#include <QString>

#include "profiles/ProfileFormat.h"

class DeviceConfigModel;

// The one mapping between a profile and the pedals' configuration, shared by the window,
// the command-line tool and the game switcher.
namespace ProfileMapping {

// Every per-pedal setting of the profile into the model, clamped to the pedals' ranges;
// ver and crc stay. A profile pedal that is not calibrated keeps the model's calibration
// (flag, minimum, maximum): loading a profile without calibration never uncalibrates the
// pedals. No signal is emitted.
void applyProfileToConfig(const CurveProfile& profile, DeviceConfigModel* config);

// The profile record of a configuration (output range ±32767).
CurveProfile profileFromConfig(const DeviceConfigModel& config, const QString& name);

} // namespace ProfileMapping
