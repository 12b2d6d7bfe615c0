#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <memory>

class Application;
class QThread;
class IHidTransport;
class IQuilbexProtocol;
struct UpgradeStatus;

// Waits of the update; the defaults are the pedals' real timings, tests shorten them.
struct FirmwareUpdateTiming
{
    int switchSettleMs = 400; // after the update-mode command, before closing
    int searchAttempts = 150; // looking for the update-mode identity
    int searchIntervalMs = 100;
    int startReplyMs = 1200; // per try of the start report
    int dataReplyMs = 900;   // per try of each data report
    int tries = 5;
    int reconnectAttempts = 563; // probes for the restarted pedals
    int reconnectIntervalMs = 80;
    int shutdownWaitMs = 8000; // how long destruction waits for the worker
};

// What the update works on. The coordinator is reached only by slot name, so any object
// offering pauseForFirmwareTransfer, resumeAfterFirmwareTransfer, markDisconnectedSnapshot,
// refreshUpgradeBusySignal and probeUsbConnectOnce (returning bool) will do.
struct FirmwareUpdateEnvironment
{
    IHidTransport* transport = nullptr;
    IQuilbexProtocol* protocol = nullptr;
    QObject* coordinator = nullptr;
    UpgradeStatus* status = nullptr;
};

// Installs a firmware file: checks it on the GUI thread, then pauses the coordinator and
// runs the whole exchange with the pedals' update mode on one worker thread.
class FirmwareUpdateManager : public QObject
{
    Q_OBJECT
public:
    FirmwareUpdateManager(Application* application, QObject* parent = nullptr);
    FirmwareUpdateManager(const FirmwareUpdateEnvironment& environment, QObject* parent = nullptr);
    // Cancels and waits (at most shutdownWaitMs) for the worker, which then no longer waits
    // for the coordinator and ends promptly except inside the start exchange. A worker still
    // busy after that is left to finish on its own, reporting to nobody.
    ~FirmwareUpdateManager() override;

    bool hasWorker() const { return m_worker != nullptr; }
    // Any thread; honoured while waiting for update mode and before each data report.
    void cancel();

    void setTiming(const FirmwareUpdateTiming& timing);
    FirmwareUpdateTiming timing() const;

    // Worker threads that exist (including released ones still finishing); for diagnostics.
    static int liveWorkerCount();
    // True while any worker is still inside its update (it may use Application's objects).
    static bool anyWorkerRunning();

    struct Shared;

Q_SIGNALS:
    void logLine(const QString& line);
    void progressChanged(int percent, const QString& status);
    void finished(bool success, const QString& message);

public Q_SLOTS:
    void startUpgrade(const QString& binPath);

private Q_SLOTS:
    void onWorkerFinished();

private:
    void refreshBusy();

    FirmwareUpdateEnvironment m_env;
    std::shared_ptr<Shared> m_shared;
    QThread* m_worker = nullptr;
};
