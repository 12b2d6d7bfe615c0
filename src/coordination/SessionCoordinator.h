#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <memory>

#include "coordination/DeviceConfigModel.h"

class QTimer;
class ConfigHistory;
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
    // A configuration read that fails right after opening is tried this often at once, then
    // again while polling, after 1 s, 2 s, 4 s ... at most every 8 s (each try may hold the
    // window for half a second when the pedals do not answer).
    static constexpr int kConnectReadAttempts = 3;
    static constexpr int kReadRetryFirstMs = 1000;
    static constexpr int kReadRetryMaxMs = 8000;

    SessionCoordinator(DeviceLinkState* link, DeviceConfigModel* config, PedalRuntimeState* runtime,
                       UpgradeStatus* upgrade, QObject* parent = nullptr);
    ~SessionCoordinator() override;

    void setTransport(IHidTransport* transport);
    void setProtocol(IQuilbexProtocol* protocol);
    // Where the configuration the pedals held is kept before each write (none: not kept).
    void setHistory(ConfigHistory* history);
    ConfigHistory* history() const { return m_history; }
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
    // Why nothing may be written now (translated, for the window); empty when canWrite().
    QString writeBlockedReason() const;
    // Connected, but no read of the pedals' settings succeeded on this link yet although one
    // was tried: nothing is written until a retry succeeds. configReadProblemChanged reports it.
    bool hasConfigReadProblem() const { return m_readProblem; }
    static QString configReadProblemText();

    // Writes the given settings (every per-pedal field; the version word stays the pedals')
    // as one whole configuration, exactly as given, after keeping the current one in the
    // history under `action`. The columns show them. False when refused or failed (with
    // writeFailed).
    bool requestWriteSettings(const DeviceConfigModel& settings, const QString& action);
    QTimer* scanTimer() const { return m_scanTimer; }
    QTimer* pollTimer() const { return m_pollTimer; }

Q_SIGNALS:
    void deviceConnectedChanged(bool connected);
    void upgradeBusyChanged(bool busy);
    void errorOccurred(QString message);
    void devicePermissionProblem(bool denied);
    void writeAvailabilityChanged(bool canWrite);
    void configReadProblemChanged(bool unreadable);
    // A write was refused or the pedals did not take it; the message says so for the user.
    void writeFailed(const QString& message);
    // An entry was added to the configuration history.
    void historyChanged();

public Q_SLOTS:
    void requestConnect();
    void requestDisconnect();
    void requestReadConfig();
    void requestWriteConfig();
    // The same, recorded in the history under `action` (calibration, calibration reset, ...).
    void requestWriteConfigFor(const QString& action);
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
    void onReadRetryTimer();

private:
    // The tuning of the columns with unsaved edits, kept across a read from the pedals.
    struct UnsavedEdits
    {
        std::array<bool, 3> kept{};
        PedalParamsSnapshot values;
    };
    UnsavedEdits unsavedEdits() const;
    void onConfigReadSucceeded(const UnsavedEdits& keep);
    bool readAfterOpen(int attempts);
    void setConfirmed(bool valid);
    void setReadProblem(bool problem);
    void refreshWriteAvailability();
    bool declineWhilePaused(const char* request) const;
    bool refuseWrite(const char* request, const char* tag);
    void keepInHistory(const QString& action);
    void onWriteSucceeded(const char* tag);
    void onWriteFailed(const char* tag, bool wasPolling);

    DeviceLinkState* m_link = nullptr;
    DeviceConfigModel* m_config = nullptr;
    PedalRuntimeState* m_runtime = nullptr;
    UpgradeStatus* m_upgrade = nullptr;
    IQuilbexProtocol* m_protocol = nullptr;
    IHidTransport* m_transport = nullptr;
    ConfigHistory* m_history = nullptr;
    QTimer* m_scanTimer = nullptr;
    QTimer* m_pollTimer = nullptr;
    QTimer* m_readRetryTimer = nullptr;
    int m_readRetryDelayMs = kReadRetryFirstMs;
    bool m_readProblem = false;
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
