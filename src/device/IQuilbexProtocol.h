#pragma once

class DeviceConfigModel;
class PedalRuntimeState;

// Device protocol: configuration block, telemetry and the update-mode command.
class IQuilbexProtocol
{
public:
    virtual ~IQuilbexProtocol() = default;

    virtual bool readFullConfig(DeviceConfigModel* out) = 0;
    virtual bool writeFullConfig(const DeviceConfigModel* in) = 0;
    virtual bool readRuntime(PedalRuntimeState* out) = 0;
    virtual bool enterUpdateMode() = 0;
};
