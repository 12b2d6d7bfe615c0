#pragma once

#include <QString>
#include <atomic>

// Connection flag and firmware version text shared by the coordinator and the pages.
struct DeviceLinkState
{
    bool connected = false;      // written only by SessionCoordinator::setConnected
    QString firmwareVersionText; // major.minor.patch of the last configuration read
};

// Firmware-update status; the state is written by the update worker and read on the GUI thread.
struct UpgradeStatus
{
    enum State : int {
        Idle = 0,
        Starting = 1,
        Checking = 2,
        Transferring = 3,
        Installed = 4,
        Failed = 5,
    };

    std::atomic<int> state{Idle};
    QString path;
    qint64 size = 0;
    quint16 crc = 0;
    int lastPercent = 0;
    QString lastError;

    bool isBusy() const
    {
        const int s = state.load();
        return s == Starting || s == Checking || s == Transferring;
    }
};
