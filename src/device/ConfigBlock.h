#pragma once

#include <QtGlobal>
#include <array>

class DeviceConfigModel;

// The 64-byte configuration block as the pedals store it: pedal arrays in wire order
// (0 clutch, 1 brake, 2 throttle), little-endian words, version at 60, CRC-16 at 62.
namespace ConfigBlock {

constexpr int kSize = 64;
constexpr int kCrcOffset = 62;
constexpr int kVersionOffset = 60;
using Bytes = std::array<quint8, kSize>;

// Encodes every per-pedal field, stores `version` at 60 and the CRC of bytes 0..61 at 62.
Bytes encode(const DeviceConfigModel& model, quint16 version);
// Decodes every per-pedal field plus ver and crc (the stored words, unchecked).
void decode(const Bytes& block, DeviceConfigModel* model);

quint16 storedCrc(const Bytes& block);
quint16 computedCrc(const Bytes& block);

} // namespace ConfigBlock
