#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <memory>

#include "coordination/DeviceConfigModel.h"

class QTimer;
class IHidTransport;
class IQuilbexProtocol;
struct DeviceLinkState;
struct UpgradeStatus;

// Last device-confirmed tuning of the three pedals (calibration excluded).
struct PedalParamsSnapshot
{
    struct Pedal
    {
        quint8 deadTop = 0;
        quint8 deadBot = 0;
        quint8 filter = 0;
        quint8 curveType = 0;
        CurvePoints curve{};
    };
    std::array<Pedal, 3> pedals{};
    bool valid = false;
};

// Owns the conversation with the pedals: scan every 500 ms until opened, read the
// configuration, poll telemetry every 20 ms, write on request, reconnect after a restart.
class SessionCoordinator : public QObject
{
    Q_OBJECT
public:
    static constexpr int kScanIntervalMs = 500;
    static constexpr int kPollIntervalMs = 20;
    static constexpr int kParaLogPolls = 80;

    SessionCoordinator(DeviceLinkState* link, DeviceConfigModel* config, PedalRuntimeState* runtime,
                       UpgradeStatus* upgrade, QObject* parent = nullptr);
    ~SessionCoordinator() override;

    void setTransport(IHidTransport* transport);
    void setProtocol(IQuilbexProtocol* protocol);
    void setConnected(bool connected);
    bool isUpgradeBusy() const;
    void capturePedalSnapshot();

    const PedalParamsSnapshot& snapshot() const { return m_snapshot; }
    bool isScanning() const;
    // Between pauseForFirmwareTransfer and resumeAfterFirmwareTransfer the update worker
    // owns the transport; user requests are declined meanwhile.
    bool isPausedForFirmwareTransfer() const { return m_pausedForFirmware; }
    // True after an open failed for lack of permission, until the next successful open.
    bool hasPermissionProblem() const { return m_permissionProblem; }
    bool isPolling() const;

    // The configuration last read from the pedals on the current link, as they hold it (before
    // the window's defaults for uncalibrated pedals); null until a read succeeded, and again
    // from a disconnect or a successful write until the next read.
    const DeviceConfigModel* confirmedConfig() const;
    bool hasConfirmedConfig() const { return confirmedConfig() != nullptr; }
    // Connected, settings read, no write awaiting the pedals' restart, no firmware transfer:
    // only then may anything be written. writeAvailabilityChanged reports every change.
    bool canWrite() const;
    QTimer* scanTimer() const { return m_scanTimer; }
    QTimer* pollTimer() const { return m_pollTimer; }

Q_SIGNALS:
    void deviceConnectedChanged(bool connected);
    void upgradeBusyChanged(bool busy);
    void errorOccurred(QString message);
    void devicePermissionProblem(bool denied);
    void writeAvailabilityChanged(bool canWrite);

public Q_SLOTS:
    void requestConnect();
    void requestDisconnect();
    void requestReadConfig();
    void requestWriteConfig();
    void requestWritePedalParams(int hostIndex);
    void pauseForFirmwareTransfer();
    void resumeAfterFirmwareTransfer();
    void refreshUpgradeBusySignal();
    void markDisconnectedSnapshot();
    bool queryDeviceConnectedForWorker();
    bool probeUsbConnectOnce();

private Q_SLOTS:
    void onScanTimer();
    void onPollTimer();

private:
    void onConfigReadSucceeded();
    void setConfirmed(bool valid);
    void refreshWriteAvailability();
    bool declineWhilePaused(const char* request) const;

    DeviceLinkState* m_link = nullptr;
    DeviceConfigModel* m_config = nullptr;
    PedalRuntimeState* m_runtime = nullptr;
    UpgradeStatus* m_upgrade = nullptr;
    IQuilbexProtocol* m_protocol = nullptr;
    IHidTransport* m_transport = nullptr;
    QTimer* m_scanTimer = nullptr;
    QTimer* m_pollTimer = nullptr;
    int m_pollFailCount = 0;
    int m_paraLogCountdown = 0;
    PedalParamsSnapshot m_snapshot;
    bool m_pausedForFirmware = false;
    bool m_permissionProblem = false;
    std::unique_ptr<DeviceConfigModel> m_confirmed;
    bool m_confirmedValid = false;
    bool m_awaitingRestart = false;
    bool m_writable = false;
};
