#pragma once

#include <QMetaType>
#include <QObject>
#include <QString>
#include <array>

// Host pedal index: 0 throttle, 1 brake, 2 clutch. Device reports count by wire index
// (0 clutch, 1 brake, 2 throttle); the mapping is its own inverse.
constexpr int hostToWire(int index)
{
    return 2 - index;
}

// Ranges of the per-pedal settings (each from 0): what the pedals accept, the controls
// offer and a profile may hold.
constexpr int kMaxDeadzone = 50; // percent, top and bottom
constexpr int kMaxFilter = 6;    // 0 fastest .. 6 smoothest
constexpr int kMaxCurveType = 4; // 0..3 presets, 4 custom

// Version word as "major.minor.patch": bits 15..8, 7..4 and 3..0.
QString formatFirmwareVersion(quint16 word);

// Host copy of the configuration block stored in the pedals' flash. Public fields, no
// setters: whoever finishes a change emits configChanged() once.
class DeviceConfigModel : public QObject
{
    Q_OBJECT
public:
    static constexpr int kCurvePoints = 11;
    static constexpr int kPedals = 3;

    explicit DeviceConfigModel(QObject* parent = nullptr);

    // Copies every field (no signal).
    void copyFrom(const DeviceConfigModel& other);
    // True when every per-pedal setting equals the other's (ver and crc not compared).
    bool sameSettings(const DeviceConfigModel& other) const;

    std::array<std::array<qint8, kCurvePoints>, kPedals> curve{};
    std::array<quint8, kPedals> curveType{};
    std::array<quint8, kPedals> filter{};
    std::array<quint8, kPedals> deadTop{};
    std::array<quint8, kPedals> deadBot{};
    std::array<quint8, kPedals> cali{};
    std::array<qint16, kPedals> max{};
    std::array<qint16, kPedals> min{};
    quint16 ver = 0;
    quint16 crc = 0;

Q_SIGNALS:
    void configChanged();
};

using CurvePoints = std::array<qint8, DeviceConfigModel::kCurvePoints>;

class QDebug;
// Prints the 11 numbers, so a curve can go to the debug log as one item.
QDebug operator<<(QDebug dbg, const CurvePoints& points);

Q_DECLARE_METATYPE(CurvePoints)

// Registers the curve type under its normalized name; safe to call more than once.
void registerCurvePointsMetaType();

// Latest live readings. raw/out are by host index, the calibration echo by wire index.
class PedalRuntimeState : public QObject
{
    Q_OBJECT
public:
    explicit PedalRuntimeState(QObject* parent = nullptr);

    std::array<qint16, 3> raw{};
    std::array<qint16, 3> out{};
    std::array<qint16, 3> axisMin{};
    std::array<qint16, 3> axisMax{};
    std::array<quint8, 3> cail{};
    bool hasExtended = false;

Q_SIGNALS:
    void dataChanged();
};
