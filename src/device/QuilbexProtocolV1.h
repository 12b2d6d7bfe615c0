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
    // Reply waits: up to kReadAttempts x kReplyTimeoutMs per read request and kAckAttempts x
    // kReplyTimeoutMs per write chunk in total, however many telemetry reports arrive
    // meanwhile (they are read and skipped). That many reads that bring nothing at all also
    // end a wait: a transport that fails at once is not polled until the time is up.
    static constexpr int kReadAttempts = 5;
    static constexpr int kAckAttempts = 10;
    static constexpr int kReplyTimeoutMs = 50;
    static constexpr int kReadWaitMs = kReadAttempts * kReplyTimeoutMs;
    static constexpr int kAckWaitMs = kAckAttempts * kReplyTimeoutMs;
    // Upper bound of zero-time-out reads per drain, so a chattering device cannot hold
    // the caller; well above the operating system's input queue.
    static constexpr int kDrainLimit = 256;

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
    // Reads with zero time-out until nothing is waiting (bounded); returns how many were dropped.
    int discardPendingInput();

    IHidTransport* m_transport = nullptr;
};
