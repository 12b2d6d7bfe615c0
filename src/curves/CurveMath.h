#pragma once

#include <QtGlobal>

#include "coordination/DeviceConfigModel.h"

enum class CurveType : int { Linear = 0, SCurve = 1, Early = 2, Late = 3, Custom = 4 };

// Points of preset 0..3 (any other value gives the Linear table).
CurvePoints presetCurvePoints(int presetType);
// Preset button index 0..4 that a stored curve selects.
int matchCurvePreset(const CurvePoints& points, int storedType);
// Applies a requested preset index to one pedal of the model (0..3 overwrite the points,
// 4 keeps them); sets curveType. Emits nothing.
void applyCurvePresetToModel(DeviceConfigModel* model, int hostIndex, int presetIdx);
double axisToPercent(qint16 value);
double pedalInputPercent(qint16 raw, bool calibrated, qint16 cal1, qint16 cal2, int deadTop, int deadBot);
