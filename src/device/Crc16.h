#pragma once

#include <QtGlobal>

// CRC-16/ARC: reflected polynomial 0xA001, initial 0, no final XOR.
quint16 crc16(const quint8* data, int length);
