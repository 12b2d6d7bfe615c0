#include "firmware/FirmwareUpdateManager.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDebug>
#include <QMetaObject>
#include <QMutex>
#include <QMutexLocker>
#include <QPointer>
#include <QThread>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>

#include "app/Application.h"
#include "app/SharedRecords.h"
#include "coordination/SessionCoordinator.h"
#include "device/IHidTransport.h"
#include "device/IQuilbexProtocol.h"
#include "firmware/BootloaderProtocol.h"
#include "firmware/FirmwareFile.h"

namespace {
std::atomic<int> g_liveWorkers{0};
std::atomic<int> g_runningWorkers{0};
} // namespace

// State shared by the manager and its worker. The worker may outlive the manager (see the
// destructor), so it reports only through `manager`, which the destructor clears under the
// mutex; the mutex is held only around posting a signal, never while waiting.
struct FirmwareUpdateManager::Shared
{
    std::atomic<int> cancel{0};
    // Set by the destructor: the GUI thread no longer serves the worker's calls, so the worker
    // stops waiting for them and ends on the shortest path.
    std::atomic<bool> shuttingDown{false};
    QMutex mutex;
    FirmwareUpdateManager* manager = nullptr;
    FirmwareUpdateTiming timing;
};

// Runs the worker's calls on the coordinator's thread, one at a time and in order. The worker
// waits for each in short slices instead of blocking, so it can stop waiting when the manager
// shuts down: a blocking call would wait forever for a GUI thread that has left its event loop
// (or is itself waiting for the worker). A call given up on stays queued and runs if that
// thread serves events again. Requests and answers travel under a std::mutex, which thread
// checkers see (Qt's own event hand-off they do not).
class CoordinatorRelay : public QObject
{
    Q_OBJECT
public:
    explicit CoordinatorRelay(QObject* coordinator) : m_coordinator(coordinator)
    {
        if (coordinator)
            moveToThread(coordinator->thread());
    }

    // Worker thread. True when the slot ran (and *result, if given, holds its answer); false
    // when it could not be called or the worker stopped waiting because `stop` was set.
    bool call(const char* slot, bool* result, const std::atomic<bool>& stop)
    {
        auto request = std::make_shared<Request>();
        request->slot = slot;
        request->wantsResult = result != nullptr;
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_queue.push_back(request);
        }
        if (!QMetaObject::invokeMethod(this, "serve", Qt::QueuedConnection))
            return false;
        std::unique_lock<std::mutex> lock(m_mutex);
        while (!request->done) {
            if (stop.load())
                return false;
            m_served.wait_for(lock, std::chrono::milliseconds(10));
        }
        if (result)
            *result = request->result;
        return request->called;
    }

private Q_SLOTS:
    void serve()
    {
        std::shared_ptr<Request> request;
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            if (m_queue.empty())
                return;
            request = m_queue.front();
            m_queue.pop_front();
        }
        bool called = false;
        bool result = false;
        if (m_coordinator) {
            called = request->wantsResult
                ? QMetaObject::invokeMethod(m_coordinator, request->slot, Qt::DirectConnection,
                                            Q_RETURN_ARG(bool, result))
                : QMetaObject::invokeMethod(m_coordinator, request->slot, Qt::DirectConnection);
        }
        const std::lock_guard<std::mutex> lock(m_mutex);
        request->called = called;
        request->result = result;
        request->done = true;
        m_served.notify_all();
    }

private:
    struct Request
    {
        const char* slot = nullptr; // a string literal
        bool wantsResult = false;
        bool called = false;
        bool result = false;
        bool done = false;
    };

    QPointer<QObject> m_coordinator; // read on the coordinator's thread only
    std::mutex m_mutex;
    std::condition_variable m_served;
    std::deque<std::shared_ptr<Request>> m_queue;
};

namespace {

using Shared = FirmwareUpdateManager::Shared;

// One run of the update, on the worker thread.
class UpdateRun
{
public:
    UpdateRun(std::shared_ptr<Shared> shared, const FirmwareUpdateEnvironment& env, const FirmwareUpdateTiming& timing,
              const QByteArray& bytes, const QString& path, CoordinatorRelay* relay)
        : m_shared(std::move(shared)), m_env(env), m_timing(timing), m_bytes(bytes), m_path(path), m_relay(relay)
    {}

    void run();

private:
    template <typename Fn> void report(Fn&& fn)
    {
        QMutexLocker locker(&m_shared->mutex);
        if (m_shared->manager)
            fn(m_shared->manager);
    }

    void log(const QString& line)
    {
        report([&](FirmwareUpdateManager* m) { Q_EMIT m->logLine(line); });
    }

    void setState(int state)
    {
        if (m_env.status)
            m_env.status->state.store(state);
    }

    void fail(const QString& message)
    {
        log(message);
        setState(UpgradeStatus::Failed);
        if (m_env.status)
            m_env.status->lastError = message;
        report([&](FirmwareUpdateManager* m) { Q_EMIT m->finished(false, message); });
    }

    bool canceled() const { return m_shared->cancel.load() != 0; }
    bool shuttingDown() const { return m_shared->shuttingDown.load(); }

    // Coordinator code always runs on its own (GUI) thread; the worker waits for it, unless
    // the manager is shutting down.
    bool invoke(const char* slot, bool* result = nullptr)
    {
        return m_relay->call(slot, result, m_shared->shuttingDown);
    }

    // A wait that ends early when the manager shuts down.
    void sleepMs(int ms)
    {
        QDeadlineTimer deadline(qMax(0, ms));
        while (!deadline.hasExpired() && !shuttingDown())
            QThread::msleep(ulong(qBound(qint64(0), deadline.remainingTime(), qint64(10))));
    }

    void restoreTarget()
    {
        m_env.transport->setVidPid(Bootloader::kNormalVendorId, Bootloader::kNormalProductId, true);
    }

    void switchTarget()
    {
        m_env.transport->setVidPid(Bootloader::kUpdateVendorId, Bootloader::kUpdateProductId, false);
    }

    void resume() { invoke("resumeAfterFirmwareTransfer"); }

    // Failure once the target is switched: normal identity back, coordinator back.
    void failSwitched(const QString& message)
    {
        restoreTarget();
        resume();
        fail(message);
    }

    // Failure once the update-mode interface is open.
    void failOpen(const QString& message)
    {
        m_env.transport->close();
        failSwitched(message);
    }

    bool waitForUpdateMode(QString* path);
    bool transfer();
    bool waitForReconnect();

    std::shared_ptr<Shared> m_shared;
    FirmwareUpdateEnvironment m_env;
    FirmwareUpdateTiming m_timing;
    QByteArray m_bytes;
    QString m_path;
    CoordinatorRelay* m_relay;
};

void UpdateRun::run()
{
    log(QCoreApplication::translate("Quilbex", "Starting update using: %1").arg(m_path));
    if (!m_env.transport || !m_env.protocol || !m_env.coordinator) {
        fail(QCoreApplication::translate(
            "Quilbex", "Something went wrong inside the application. Please restart Quilbex Control and try again."));
        return;
    }

    invoke("pauseForFirmwareTransfer");
    // Quitting before anything went to the pedals: hand the link back and end.
    if (shuttingDown()) {
        resume();
        return;
    }

    QString updatePath;
    if (!m_env.transport->isOpen()) {
        // Pedals left in update mode by an earlier, interrupted update show up only under
        // the update-mode identity; pick the transfer up from there.
        switchTarget();
        updatePath = m_env.transport->findDevice();
        if (updatePath.isEmpty()) {
            restoreTarget();
            resume();
            fail(QCoreApplication::translate(
                "Quilbex", "We couldn't find your pedals. Please connect them with USB and try again."));
            return;
        }
        log(QCoreApplication::translate("Quilbex",
                                        "Your pedals are already in update mode. Continuing with the transfer…"));
    } else {
        log(QCoreApplication::translate("Quilbex", "Switching your pedals to update mode…"));
        if (!m_env.protocol->enterUpdateMode()) {
            // A failed write usually means the pedals are gone; hand the link back closed
            // and disconnected so the coordinator does not keep showing them as connected
            // while it scans. Pedals that are still there are reopened by the next scan.
            m_env.transport->close();
            invoke("markDisconnectedSnapshot");
            resume();
            fail(QCoreApplication::translate(
                "Quilbex", "We couldn't start the update. Please keep the USB cable connected and try again."));
            return;
        }
        sleepMs(m_timing.switchSettleMs);
        m_env.transport->close();
        invoke("markDisconnectedSnapshot");
        switchTarget();
        if (!waitForUpdateMode(&updatePath))
            return;
    }

    if (!m_env.transport->open(updatePath)) {
        failSwitched(QCoreApplication::translate(
            "Quilbex",
            "Couldn't connect to your pedals in update mode. Try unplugging and reconnecting the USB cable."));
        return;
    }

    setState(UpgradeStatus::Transferring);
    invoke("refreshUpgradeBusySignal");

    if (!transfer())
        return;

    log(QCoreApplication::translate("Quilbex", "Firmware installed. Waiting for your pedals to restart…"));
    m_env.transport->close();
    restoreTarget();
    resume();

    if (!waitForReconnect())
        return;

    log(QCoreApplication::translate("Quilbex", "Your pedals are connected again."));
    if (m_env.status)
        m_env.status->lastPercent = 100;
    setState(UpgradeStatus::Installed);
    report([](FirmwareUpdateManager* m) { Q_EMIT m->finished(true, QString()); });
}

bool UpdateRun::waitForUpdateMode(QString* path)
{
    log(QCoreApplication::translate("Quilbex", "Waiting for your pedals to appear in update mode…"));
    for (int attempt = 1; attempt <= m_timing.searchAttempts; ++attempt) {
        if (canceled()) {
            failSwitched(QCoreApplication::translate("Quilbex", "Update canceled while waiting for update mode."));
            return false;
        }
        *path = m_env.transport->findDevice();
        if (!path->isEmpty())
            return true;
        sleepMs(m_timing.searchIntervalMs);
    }
    failSwitched(QCoreApplication::translate("Quilbex",
                                             "Your pedals didn't enter update mode in time. Unplug the USB cable, "
                                             "plug it back in, and try again."));
    return false;
}

bool UpdateRun::transfer()
{
    const int size = int(m_bytes.size());
    const QByteArray start = Bootloader::buildStartReport(quint16(size), Bootloader::crc16(m_bytes));
    log(QCoreApplication::translate("Quilbex", "Preparing the update (%1 KB)…").arg((size + 1023) / 1024));

    quint16 reply = 0;
    QString message;
    if (!Bootloader::sendAndAwaitStatus(m_env.transport, start, m_timing.startReplyMs, m_timing.tries, &reply,
                                        &message)) {
        failOpen(message);
        return false;
    }
    if (reply >= Bootloader::kStatusInvalidImage && reply <= Bootloader::kStatusOutOfSequence) {
        failOpen(QCoreApplication::translate("Quilbex", "Your pedals couldn't accept this firmware file: %1")
                     .arg(Bootloader::deviceStatusText(reply)));
        return false;
    }
    if (reply != 1) {
        failOpen(QCoreApplication::translate(
            "Quilbex", "The update stopped unexpectedly right after it started. Please try again."));
        return false;
    }

    const QString phase = QCoreApplication::translate("Quilbex", "Installing firmware…");
    log(phase);
    int lastLogged = -100;
    int lastShown = -1;
    const int pieces = (size + Bootloader::kPayloadSize - 1) / Bootloader::kPayloadSize;
    for (int k = 1; k <= pieces; ++k) {
        if (canceled()) {
            failOpen(QCoreApplication::translate("Quilbex", "Update canceled while installing firmware."));
            return false;
        }
        const int end = Bootloader::kPayloadSize * k;
        const QByteArray piece = m_bytes.mid(qsizetype(end - Bootloader::kPayloadSize), Bootloader::kPayloadSize);
        if (!Bootloader::sendAndAwaitStatus(m_env.transport, Bootloader::buildDataReport(quint16(k), piece),
                                            m_timing.dataReplyMs, m_timing.tries, &reply, &message)) {
            failOpen(QCoreApplication::translate("Quilbex",
                                                 "The update paused too long without a reply from your pedals. %1")
                         .arg(message));
            return false;
        }
        if (reply >= 0xF001 && reply <= 0xF0FF) {
            failOpen(QCoreApplication::translate("Quilbex", "Your pedals reported a problem during the update: %1")
                         .arg(Bootloader::deviceStatusText(reply)));
            return false;
        }
        if (end < size) {
            if (reply != quint16(k + 1)) {
                failOpen(QCoreApplication::translate(
                    "Quilbex", "The update lost sync with your pedals. Please try again from the beginning."));
                return false;
            }
        } else if (reply != Bootloader::kStatusCompleted) {
            failOpen(QCoreApplication::translate("Quilbex", "The device didn't confirm the update finished cleanly. %1")
                         .arg(Bootloader::deviceStatusText(reply)));
            return false;
        }

        const int percent = int(qint64(qMin(end, size)) * 100 / size);
        if (m_env.status)
            m_env.status->lastPercent = percent;
        // Only a new percentage is news to the page; a large image would otherwise wake the
        // window some nine hundred times for the same few values.
        if (percent != lastShown) {
            report([&](FirmwareUpdateManager* m) { Q_EMIT m->progressChanged(percent, phase); });
            lastShown = percent;
        }
        if (percent - lastLogged > 4 || percent >= 99) {
            log(QCoreApplication::translate("Quilbex", "Installing… %1% complete").arg(percent));
            lastLogged = percent;
        }
    }
    return true;
}

bool UpdateRun::waitForReconnect()
{
    log(QCoreApplication::translate("Quilbex", "Looking for your pedals again after the restart…"));
    for (int attempt = 1; attempt <= m_timing.reconnectAttempts; ++attempt) {
        // The firmware is installed; at shutdown there is nobody left to reconnect for.
        if (shuttingDown())
            return false;
        bool connected = false;
        if (invoke("probeUsbConnectOnce", &connected) && connected)
            return true;
        sleepMs(m_timing.reconnectIntervalMs);
    }
    // The firmware is in; only the reconnect failed, so no log line and no stored failure.
    setState(UpgradeStatus::Failed);
    const QString message = QCoreApplication::translate(
        "Quilbex",
        "The firmware was installed, but we couldn't reconnect to your pedals in time.\n\n"
        "Please unplug the USB cable, plug it back in, then open this page again if needed.");
    report([&](FirmwareUpdateManager* m) { Q_EMIT m->finished(false, message); });
    return false;
}

} // namespace

// The worker: owns copies of everything the run needs, so it never reaches into the manager.
class FirmwareUpdateManagerThread : public QThread
{
public:
    FirmwareUpdateManagerThread(std::shared_ptr<Shared> shared, const FirmwareUpdateEnvironment& env,
                                const QByteArray& bytes, const QString& path)
        : m_shared(std::move(shared)), m_env(env), m_bytes(bytes), m_path(path),
          m_relay(std::make_unique<CoordinatorRelay>(env.coordinator))
    {
        m_timing = m_shared->timing;
        ++g_liveWorkers;
    }
    ~FirmwareUpdateManagerThread() override { --g_liveWorkers; }

protected:
    void run() override
    {
        if (!m_shared)
            return;
        ++g_runningWorkers;
        UpdateRun(m_shared, m_env, m_timing, m_bytes, m_path, m_relay.get()).run();
        --g_runningWorkers;
    }

private:
    std::shared_ptr<Shared> m_shared;
    FirmwareUpdateEnvironment m_env;
    FirmwareUpdateTiming m_timing;
    QByteArray m_bytes;
    QString m_path;
    // Deleted with the thread object, on the thread that owns it; calls still queued go with it.
    std::unique_ptr<CoordinatorRelay> m_relay;
};

namespace {
FirmwareUpdateEnvironment environmentOf(Application* application)
{
    FirmwareUpdateEnvironment env;
    if (application) {
        env.transport = application->transport.get();
        env.protocol = application->protocol.get();
        env.coordinator = application->coordinator.get();
        env.status = application->upgradeStatus.get();
    }
    return env;
}
} // namespace

FirmwareUpdateManager::FirmwareUpdateManager(Application* application, QObject* parent)
    : FirmwareUpdateManager(environmentOf(application), parent)
{}

FirmwareUpdateManager::FirmwareUpdateManager(const FirmwareUpdateEnvironment& environment, QObject* parent)
    : QObject(parent), m_env(environment), m_shared(std::make_shared<Shared>())
{
    m_shared->manager = this;
}

FirmwareUpdateManager::~FirmwareUpdateManager()
{
    {
        // Nobody to report to from here on, and the worker stops waiting for the coordinator,
        // whose thread is busy here (or has left its event loop for good).
        QMutexLocker locker(&m_shared->mutex);
        m_shared->manager = nullptr;
    }
    m_shared->cancel.store(1);
    m_shared->shuttingDown.store(true);
    if (m_worker) {
        disconnect(m_worker, nullptr, this, nullptr);
        if (m_worker->wait(QDeadlineTimer(qMax(0, m_shared->timing.shutdownWaitMs)))) {
            delete m_worker;
            if (m_env.status)
                m_env.status->state.store(UpgradeStatus::Idle);
        } else {
            // Destroying a running thread is fatal. Let it finish and release itself; from
            // now on it reports to nobody.
            QThread* worker = m_worker;
            worker->setParent(nullptr);
            connect(worker, &QThread::finished, worker, &QObject::deleteLater);
            if (worker->isFinished())
                worker->deleteLater();
            qDebug() << "[Firmware] worker still busy at shutdown; released to finish on its own";
        }
        m_worker = nullptr;
    }
}

void FirmwareUpdateManager::cancel()
{
    m_shared->cancel.store(1);
}

void FirmwareUpdateManager::setTiming(const FirmwareUpdateTiming& timing)
{
    m_shared->timing = timing;
}

FirmwareUpdateTiming FirmwareUpdateManager::timing() const
{
    return m_shared->timing;
}

int FirmwareUpdateManager::liveWorkerCount()
{
    return g_liveWorkers.load();
}

bool FirmwareUpdateManager::anyWorkerRunning()
{
    return g_runningWorkers.load() > 0;
}

void FirmwareUpdateManager::refreshBusy()
{
    if (m_env.coordinator)
        QMetaObject::invokeMethod(m_env.coordinator, "refreshUpgradeBusySignal", Qt::DirectConnection);
}

void FirmwareUpdateManager::startUpgrade(const QString& binPath)
{
    if (m_worker)
        return;

    if (m_env.status)
        m_env.status->state.store(UpgradeStatus::Checking);
    refreshBusy();

    const FirmwareFileCheck check = checkFirmwareFile(binPath);
    if (!check.ok) {
        if (m_env.status)
            m_env.status->state.store(UpgradeStatus::Idle);
        refreshBusy();
        Q_EMIT finished(false, check.message);
        return;
    }

    m_shared->cancel.store(0);
    if (m_env.status) {
        m_env.status->state.store(UpgradeStatus::Starting);
        m_env.status->path = binPath;
        m_env.status->size = check.bytes.size();
        m_env.status->crc = Bootloader::crc16(check.bytes);
        m_env.status->lastPercent = 0;
        m_env.status->lastError.clear();
    }
    refreshBusy();

    m_worker = new FirmwareUpdateManagerThread(m_shared, m_env, check.bytes, binPath);
    connect(m_worker, &QThread::finished, this, &FirmwareUpdateManager::onWorkerFinished);
    m_worker->start();
}

void FirmwareUpdateManager::onWorkerFinished()
{
    if (!m_worker)
        return;
    // finished() is posted just before the thread really ends; wait for that moment.
    m_worker->wait();
    m_worker->deleteLater();
    m_worker = nullptr;
    if (m_env.status)
        m_env.status->state.store(UpgradeStatus::Idle);
    refreshBusy();
}

#include "FirmwareUpdateManager.moc"
