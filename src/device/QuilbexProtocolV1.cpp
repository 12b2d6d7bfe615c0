#include "device/QuilbexProtocolV1.h"

#include "device/Crc16.h"

// Placeholder until the protocol lands.
QuilbexProtocolV1::QuilbexProtocolV1(IHidTransport* transport) : m_transport(transport) {}
bool QuilbexProtocolV1::readFullConfig(DeviceConfigModel*) { return false; }
bool QuilbexProtocolV1::writeFullConfig(const DeviceConfigModel*) { return false; }
bool QuilbexProtocolV1::readRuntime(PedalRuntimeState*) { return false; }
bool QuilbexProtocolV1::enterUpdateMode() { return false; }
quint16 QuilbexProtocolV1::crc16(const quint8* data, int length) { return ::crc16(data, length); }
void QuilbexProtocolV1::logPostWriteChain(const DeviceConfigModel*) {}
void QuilbexProtocolV1::logPostReadbackChain(const DeviceConfigModel*, const PedalRuntimeState*) {}
