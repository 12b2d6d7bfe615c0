#pragma once

#include "device/IQuilbexProtocol.h"

#include <QtGlobal>

class IHidTransport;

// Version 1 of the pedals' vendor protocol over one HID transport.
class QuilbexProtocolV1 : public IQuilbexProtocol
{
public:
    static constexpr int kBlockSize = 64;
    static constexpr quint16 kFallbackVersion = 0x0206; // VER_FW

    explicit QuilbexProtocolV1(IHidTransport* transport);

    bool readFullConfig(DeviceConfigModel* out) override;
    bool writeFullConfig(const DeviceConfigModel* in) override;
    bool readRuntime(PedalRuntimeState* out) override;
    bool enterUpdateMode() override;

    static quint16 crc16(const quint8* data, int length);

    // Comparison dumps written by the coordinator after a write and after a reconnect.
    static void logPostWriteChain(const DeviceConfigModel* model);
    static void logPostReadbackChain(const DeviceConfigModel* model, const PedalRuntimeState* runtime);

private:
    IHidTransport* m_transport = nullptr;
};
