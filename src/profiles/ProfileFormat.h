#pragma once

#include <QByteArray>
#include <QString>
#include <array>

#include "coordination/DeviceConfigModel.h"

// One pedal's settings as kept in a profile file.
struct PedalProfile
{
    qint16 rawMin = 0;
    qint16 rawMax = 0;
    qint16 outputMin = -32767;
    qint16 outputMax = 32767;
    bool calibrated = false;
    qint32 deadzoneTop = 0;
    qint32 deadzoneBottom = 0;
    qint32 filter = 0;
    qint32 curveType = 0;
    CurvePoints points{};

    bool operator==(const PedalProfile& other) const;
    bool operator!=(const PedalProfile& other) const { return !(*this == other); }
};

// A named set of pedal settings, pedals by host index (0 throttle, 1 brake, 2 clutch).
struct CurveProfile
{
    qint32 version = 1;
    QString profileName;
    std::array<PedalProfile, DeviceConfigModel::kPedals> pedals{};

    bool operator==(const CurveProfile& other) const;
    bool operator!=(const CurveProfile& other) const { return !(*this == other); }
};

// Parses and validates one profile document. On failure returns false and stores the
// message in *error (when given); out may then be partly written.
bool parseProfileJson(const QByteArray& bytes, CurveProfile& out, QString* error);

// The complete document, indented, members in ascending key order.
QByteArray profileToJson(const CurveProfile& profile);

// Version 1, the given name, and the factory settings for all three pedals.
CurveProfile makeDefaultProfile(const QString& name);

// The translated rejection text for files that are not profiles at all.
QString invalidProfileMessage();
