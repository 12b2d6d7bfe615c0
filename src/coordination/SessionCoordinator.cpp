#include "coordination/SessionCoordinator.h"

#include <QCoreApplication>
#include <QDebug>
#include <QTimer>

#include "app/SharedRecords.h"
#include "coordination/ConfigHistory.h"
#include "coordination/PedalCardLayer.h"
#include "device/IHidTransport.h"
#include "device/IQuilbexProtocol.h"
#include "device/QuilbexProtocolV1.h"

namespace {
const char* openErrorText(IHidTransport::OpenError error)
{
    switch (error) {
    case IHidTransport::OpenError::Ok: return "none reported";
    case IHidTransport::OpenError::PermissionDenied:
        return "permission denied (install the udev rule, then re-plug the pedals)";
    case IHidTransport::OpenError::NotFound: return "device vanished before it could be opened";
    case IHidTransport::OpenError::OtherError: break;
    }
    return "other error";
}

void copyTuning(const PedalParamsSnapshot::Pedal& from, DeviceConfigModel* to, size_t i)
{
    to->deadTop[i] = from.deadTop;
    to->deadBot[i] = from.deadBot;
    to->filter[i] = from.filter;
    to->curveType[i] = from.curveType;
    to->curve[i] = from.curve;
}
} // namespace

SessionCoordinator::SessionCoordinator(DeviceLinkState* link, DeviceConfigModel* config, PedalRuntimeState* runtime,
                                       UpgradeStatus* upgrade, QObject* parent)
    : QObject(parent), m_link(link), m_config(config), m_runtime(runtime), m_upgrade(upgrade),
      m_confirmed(std::make_unique<DeviceConfigModel>())
{
    m_scanTimer = new QTimer(this);
    m_scanTimer->setInterval(kScanIntervalMs);
    m_pollTimer = new QTimer(this);
    m_pollTimer->setInterval(kPollIntervalMs);
    connect(m_scanTimer, &QTimer::timeout, this, &SessionCoordinator::onScanTimer);
    connect(m_pollTimer, &QTimer::timeout, this, &SessionCoordinator::onPollTimer);
    m_readRetryTimer = new QTimer(this);
    m_readRetryTimer->setSingleShot(true);
    connect(m_readRetryTimer, &QTimer::timeout, this, &SessionCoordinator::onReadRetryTimer);
    m_scanTimer->start();
}

SessionCoordinator::~SessionCoordinator() = default;

void SessionCoordinator::setTransport(IHidTransport* transport)
{
    m_transport = transport;
}

void SessionCoordinator::setProtocol(IQuilbexProtocol* protocol)
{
    m_protocol = protocol;
}

void SessionCoordinator::setHistory(ConfigHistory* history)
{
    m_history = history;
}

void SessionCoordinator::setConnected(bool connected)
{
    qDebug().nospace() << "[Coordinator] setConnected(" << (connected ? "true" : "false") << ")";
    if (m_link)
        m_link->connected = connected;
    if (!connected) {
        m_awaitingRestart = false;
        setConfirmed(false);
        setReadProblem(false);
    }
    Q_EMIT deviceConnectedChanged(connected);
    refreshWriteAvailability();
}

const DeviceConfigModel* SessionCoordinator::confirmedConfig() const
{
    return m_confirmedValid ? m_confirmed.get() : nullptr;
}

bool SessionCoordinator::canWrite() const
{
    return m_protocol && m_config && m_link && m_link->connected && m_confirmedValid && !m_awaitingRestart
        && !m_pausedForFirmware;
}

QString SessionCoordinator::configReadProblemText()
{
    return QCoreApplication::translate(
        "Quilbex",
        "The pedals' settings could not be read, so nothing will be written to them. Trying again "
        "every few seconds; if this stays, reconnect or re-plug the pedals.");
}

QString SessionCoordinator::writeBlockedReason() const
{
    if (canWrite())
        return QString();
    if (m_pausedForFirmware)
        return QCoreApplication::translate("Quilbex", "A firmware update is running.");
    if (!m_link || !m_link->connected)
        return QCoreApplication::translate("Quilbex", "The pedals are not connected.");
    if (m_awaitingRestart)
        return QCoreApplication::translate(
            "Quilbex", "The pedals are restarting to store the last change. Wait until they are back.");
    return configReadProblemText();
}

void SessionCoordinator::setReadProblem(bool problem)
{
    if (!problem) {
        m_readRetryTimer->stop();
        m_readRetryDelayMs = kReadRetryFirstMs;
    }
    if (problem == m_readProblem)
        return;
    m_readProblem = problem;
    Q_EMIT configReadProblemChanged(problem);
}

void SessionCoordinator::setConfirmed(bool valid)
{
    m_confirmedValid = valid && m_config;
    if (m_confirmedValid)
        m_confirmed->copyFrom(*m_config);
    refreshWriteAvailability();
}

void SessionCoordinator::refreshWriteAvailability()
{
    const bool writable = canWrite();
    if (writable == m_writable)
        return;
    m_writable = writable;
    Q_EMIT writeAvailabilityChanged(writable);
}

bool SessionCoordinator::isUpgradeBusy() const
{
    return m_upgrade && m_upgrade->isBusy();
}

bool SessionCoordinator::isScanning() const
{
    return m_scanTimer->isActive();
}

bool SessionCoordinator::isPolling() const
{
    return m_pollTimer->isActive();
}

void SessionCoordinator::capturePedalSnapshot()
{
    if (!m_config)
        return;
    for (size_t i = 0; i < 3; ++i) {
        PedalParamsSnapshot::Pedal& p = m_snapshot.pedals[i];
        p.deadTop = m_config->deadTop[i];
        p.deadBot = m_config->deadBot[i];
        p.filter = m_config->filter[i];
        p.curveType = m_config->curveType[i];
        p.curve = m_config->curve[i];
    }
    m_snapshot.valid = true;
}

// The update worker uses transport and protocol on its own thread while paused; a user
// request touching them then would race the transfer.
bool SessionCoordinator::declineWhilePaused(const char* request) const
{
    if (!m_pausedForFirmware)
        return false;
    qDebug() << "[Coordinator] firmware transfer in progress —" << request << "ignored";
    return true;
}

SessionCoordinator::UnsavedEdits SessionCoordinator::unsavedEdits() const
{
    UnsavedEdits edits;
    for (size_t i = 0; i < 3 && m_config; ++i) {
        if (!PedalCardLayer::isCardDirty(int(i)))
            continue;
        edits.kept[i] = true;
        PedalParamsSnapshot::Pedal& p = edits.values.pedals[i];
        p.deadTop = m_config->deadTop[i];
        p.deadBot = m_config->deadBot[i];
        p.filter = m_config->filter[i];
        p.curveType = m_config->curveType[i];
        p.curve = m_config->curve[i];
    }
    return edits;
}

void SessionCoordinator::onConfigReadSucceeded(const UnsavedEdits& keep)
{
    // What the pedals hold, before the window's defaults for uncalibrated pedals.
    setConfirmed(true);
    setReadProblem(false);
    if (m_link)
        m_link->firmwareVersionText = formatFirmwareVersion(m_config->ver);
    PedalCardLayer::applyUncalibratedDefaults(m_config);
    capturePedalSnapshot();
    // Columns with unsaved edits keep them (and their mark); the others show the pedals'.
    for (size_t i = 0; i < 3; ++i) {
        if (keep.kept[i]) {
            copyTuning(keep.values.pedals[i], m_config, i);
            qDebug() << "[Scan] host" << i << "keeps its unsaved edits";
        }
    }
    PedalCardLayer::hydrateAllFromConfig(m_config);
    PedalCardLayer::clearAllDirty();
    for (int i = 0; i < 3; ++i) {
        if (keep.kept[size_t(i)])
            PedalCardLayer::markCardDirty(i);
    }
    Q_EMIT m_config->configChanged();
}

// Reads on a link just opened; a reply lost to a busy machine or a flaky cable is tried
// again at once.
bool SessionCoordinator::readAfterOpen(int attempts)
{
    const UnsavedEdits keep = unsavedEdits();
    for (int attempt = 1; attempt <= attempts; ++attempt) {
        if (m_protocol->readFullConfig(m_config)) {
            qDebug() << "[Scan] readFullConfig OK — ver=" << m_config->ver;
            onConfigReadSucceeded(keep);
            if (m_runtime)
                QuilbexProtocolV1::logPostReadbackChain(m_config, m_runtime);
            m_paraLogCountdown = kParaLogPolls;
            return true;
        }
        if (attempt < attempts)
            qDebug() << "[Scan] readFullConfig attempt" << attempt << "failed — trying again";
    }
    qDebug() << "[Scan] readFullConfig failed (non-fatal)";
    // Nothing is written until a read succeeds; polling goes on and the read is retried.
    setReadProblem(true);
    m_readRetryTimer->start(m_readRetryDelayMs);
    m_readRetryDelayMs = std::min(2 * m_readRetryDelayMs, kReadRetryMaxMs);
    return false;
}

void SessionCoordinator::onReadRetryTimer()
{
    if (!m_protocol || !m_config || !m_link || !m_link->connected || m_confirmedValid || m_awaitingRestart
        || m_pausedForFirmware || !m_pollTimer->isActive())
        return;
    m_pollTimer->stop();
    qDebug() << "[Scan] retrying the configuration read...";
    readAfterOpen(1);
    m_pollTimer->start();
}

void SessionCoordinator::onScanTimer()
{
    if (!m_transport) {
        qDebug() << "[Scan] no transport — skip";
        return;
    }
    qDebug() << "[Scan] scanning for Quilbex device...";
    probeUsbConnectOnce();
}

void SessionCoordinator::requestConnect()
{
    if (declineWhilePaused("requestConnect"))
        return;
    if (!m_transport) {
        qDebug() << "[Scan] no transport — skip";
        return;
    }
    qDebug() << "[Scan] manual requestConnect — scanning...";
    probeUsbConnectOnce();
}

bool SessionCoordinator::probeUsbConnectOnce()
{
    if (!m_transport)
        return false;
    const QString path = m_transport->findDevice();
    if (path.isEmpty()) {
        qDebug() << "[Scan] device not found";
        return false;
    }
    qDebug().noquote() << "[Scan] found path =" << path << "— opening...";
    if (!m_transport->open(path)) {
        const IHidTransport::OpenError error = m_transport->lastOpenError();
        qDebug() << "[Scan] open() failed";
        qDebug() << "[Scan] open() failure cause:" << openErrorText(error);
        if (error == IHidTransport::OpenError::PermissionDenied) {
            m_permissionProblem = true;
            Q_EMIT devicePermissionProblem(true);
        }
        return false;
    }
    qDebug() << "[Scan] open() OK — switching to poll mode, emitting connected=true";
    if (m_permissionProblem) {
        m_permissionProblem = false;
        Q_EMIT devicePermissionProblem(false);
    }
    m_pollFailCount = 0;
    m_scanTimer->stop();
    // A new link: nothing read on it yet, and a restart we waited for is over.
    m_awaitingRestart = false;
    setConfirmed(false);
    setReadProblem(false);
    setConnected(true);

    if (m_protocol && m_config) {
        qDebug() << "[Scan] reading device config...";
        readAfterOpen(kConnectReadAttempts);
    }
    m_pollTimer->start();
    return m_link && m_link->connected;
}

void SessionCoordinator::onPollTimer()
{
    if (!m_protocol || !m_runtime)
        return;
    if (m_protocol->readRuntime(m_runtime)) {
        m_pollFailCount = 0;
        if (m_paraLogCountdown > 0) {
            --m_paraLogCountdown;
            const auto& raw = m_runtime->raw;
            const auto& out = m_runtime->out;
            qDebug() << "[L4-PARA-wire] wire[0]=离合 raw/out =" << raw[2] << out[2]
                     << "| wire[1]=刹车 raw/out =" << raw[1] << out[1] << "| wire[2]=油门 raw/out =" << raw[0] << out[0]
                     << "（Joystick HID：X=离合 wire0，Y=刹 wire1，Z=油 wire2；油门=第3轴 Z）";
            if (m_paraLogCountdown == 0)
                qDebug() << "[L4-PARA] 短播报结束。";
        }
        Q_EMIT m_runtime->dataChanged();
        return;
    }
    ++m_pollFailCount;
    if (m_pollFailCount > 9) {
        if (m_transport)
            m_transport->close();
        m_pollTimer->stop();
        m_scanTimer->start();
        setConnected(false);
    }
}

void SessionCoordinator::requestDisconnect()
{
    if (declineWhilePaused("requestDisconnect"))
        return;
    m_pollTimer->stop();
    if (m_transport)
        m_transport->close();
    setConnected(false);
    m_scanTimer->start();
}

void SessionCoordinator::requestReadConfig()
{
    if (declineWhilePaused("requestReadConfig"))
        return;
    if (!m_protocol || !m_config)
        return;
    // An explicit read shows the pedals' values in every column.
    if (m_protocol->readFullConfig(m_config))
        onConfigReadSucceeded(UnsavedEdits());
}

// Nothing is written that was not read first, nor while the pedals restart or a firmware
// transfer runs: the request is dropped with a log line and the window is told why.
bool SessionCoordinator::refuseWrite(const char* request, const char* tag)
{
    if (declineWhilePaused(request)) {
        Q_EMIT writeFailed(writeBlockedReason());
        return true;
    }
    if (canWrite())
        return false;
    const char* why = !m_link || !m_link->connected ? "not connected"
        : m_awaitingRestart                         ? "the pedals are restarting after the last write"
                                                    : "the pedals' settings were not read on this link";
    qDebug() << tag << "refused —" << why;
    Q_EMIT writeFailed(writeBlockedReason());
    return true;
}

void SessionCoordinator::keepInHistory(const QString& action)
{
    if (!m_history || !m_confirmedValid)
        return;
    QString error;
    if (m_history->record(*m_confirmed, action, &error) > 0) {
        qDebug().noquote() << "[History] kept the pedals' configuration before:" << action;
        Q_EMIT historyChanged();
    } else {
        qWarning().noquote() << "[History] the pedals' configuration could not be kept:" << error;
    }
}

void SessionCoordinator::onWriteSucceeded(const char* tag)
{
    qDebug() << tag << "success — device will reset; waiting for reconnect";
    m_awaitingRestart = true;
    setConfirmed(false);
    capturePedalSnapshot();
    PedalCardLayer::clearAllDirty();
}

void SessionCoordinator::onWriteFailed(const char* tag, bool wasPolling)
{
    qDebug() << tag << "failed — resuming poll";
    if (wasPolling)
        m_pollTimer->start();
    Q_EMIT writeFailed(
        QCoreApplication::translate("Quilbex",
                                    "The pedals did not take the settings. The changes are still marked unsaved; try "
                                    "again, or reconnect the pedals if it keeps failing."));
}

void SessionCoordinator::requestWriteConfig()
{
    requestWriteConfigFor(QString::fromLatin1(HistoryAction::kWriteConfiguration));
}

void SessionCoordinator::requestWriteConfigFor(const QString& action)
{
    if (!m_protocol || !m_config) {
        qDebug() << "[WriteConfig] no protocol/config — skip";
        return;
    }
    if (refuseWrite("requestWriteConfig", "[WriteConfig]"))
        return;
    const bool wasPolling = m_pollTimer->isActive();
    m_pollTimer->stop();

    qDebug() << "[WriteConfig] writing full config to device...";
    qDebug() << "[L1-UI] Throttle  min/max/cali =" << m_config->min[0] << m_config->max[0] << int(m_config->cali[0]);
    qDebug() << "[L1-UI] Brake     min/max/cali =" << m_config->min[1] << m_config->max[1] << int(m_config->cali[1]);
    qDebug() << "[L1-UI] Clutch    min/max/cali =" << m_config->min[2] << m_config->max[2] << int(m_config->cali[2]);

    PedalCardLayer::applyAllCardsToModel(m_config);
    PedalCardLayer::logThrottleWriteTrace(m_config, m_runtime);

    keepInHistory(action);
    if (m_protocol->writeFullConfig(m_config)) {
        onWriteSucceeded("[WriteConfig]");
        QuilbexProtocolV1::logPostWriteChain(m_config);
        m_scanTimer->start();
    } else {
        onWriteFailed("[WriteConfig]", wasPolling);
    }
}

bool SessionCoordinator::requestWriteSettings(const DeviceConfigModel& settings, const QString& action)
{
    if (!m_protocol || !m_config) {
        qDebug() << "[WriteConfig] no protocol/config — skip";
        return false;
    }
    if (refuseWrite("requestWriteSettings", "[WriteConfig]"))
        return false;
    const bool wasPolling = m_pollTimer->isActive();
    m_pollTimer->stop();

    // Exactly as given, not through the columns (which would round a foreign curve to a
    // preset and clamp out-of-range values); the version word stays the pedals' own.
    const quint16 ver = m_config->ver;
    const quint16 crc = m_config->crc;
    m_config->copyFrom(settings);
    m_config->ver = ver;
    m_config->crc = crc;
    PedalCardLayer::hydrateAllFromConfig(m_config);
    Q_EMIT m_config->configChanged();
    qDebug().noquote() << "[WriteConfig] writing full config to device (" + action + ")...";
    PedalCardLayer::logThrottleWriteTrace(m_config, m_runtime);

    keepInHistory(action);
    if (m_protocol->writeFullConfig(m_config)) {
        onWriteSucceeded("[WriteConfig]");
        QuilbexProtocolV1::logPostWriteChain(m_config);
        m_scanTimer->start();
        return true;
    }
    // The columns show what did not reach the pedals.
    for (int i = 0; i < 3; ++i)
        PedalCardLayer::markCardDirty(i);
    onWriteFailed("[WriteConfig]", wasPolling);
    return false;
}

void SessionCoordinator::requestWritePedalParams(int hostIndex)
{
    if (!m_protocol || !m_config) {
        qDebug() << "[WritePedalParams] no protocol/config — skip";
        return;
    }
    if (hostIndex < 0 || hostIndex > 2) {
        qDebug() << "[WritePedalParams] invalid hostIndex" << hostIndex;
        return;
    }
    if (refuseWrite("requestWritePedalParams", "[WritePedalParams]"))
        return;
    const bool wasPolling = m_pollTimer->isActive();
    m_pollTimer->stop();

    if (!m_snapshot.valid)
        capturePedalSnapshot();
    // The other pedals go out as last confirmed by the device; their unsaved edits are dropped.
    for (int i = 0; i < 3; ++i) {
        if (i == hostIndex)
            continue;
        const size_t k = size_t(i);
        copyTuning(m_snapshot.pedals[k], m_config, k);
    }
    PedalCardLayer::applyCardToModel(m_config, hostIndex);
    PedalCardLayer::hydrateAllFromConfig(m_config);
    Q_EMIT m_config->configChanged();

    qDebug() << "[WritePedalParams] writing full config (host" << hostIndex << "params merged from UI)...";
    PedalCardLayer::logThrottleWriteTrace(m_config, m_runtime);

    keepInHistory(QString::fromLatin1(HistoryAction::kSavePedal));
    if (m_protocol->writeFullConfig(m_config)) {
        onWriteSucceeded("[WritePedalParams]");
        PedalCardLayer::markSaved(hostIndex);
        QuilbexProtocolV1::logPostWriteChain(m_config);
        m_scanTimer->start();
    } else {
        // Filling the columns above cleared this column's mark; its edit is still unsaved.
        PedalCardLayer::markCardDirty(hostIndex);
        onWriteFailed("[WritePedalParams]", wasPolling);
    }
}

void SessionCoordinator::pauseForFirmwareTransfer()
{
    // The update rewrites the pedals too: keep what they hold first.
    keepInHistory(QString::fromLatin1(HistoryAction::kFirmwareUpdate));
    m_scanTimer->stop();
    m_pollTimer->stop();
    m_readRetryTimer->stop();
    m_pausedForFirmware = true;
    refreshWriteAvailability();
}

void SessionCoordinator::resumeAfterFirmwareTransfer()
{
    m_pausedForFirmware = false;
    m_scanTimer->start();
    refreshWriteAvailability();
}

void SessionCoordinator::refreshUpgradeBusySignal()
{
    Q_EMIT upgradeBusyChanged(isUpgradeBusy());
}

void SessionCoordinator::markDisconnectedSnapshot()
{
    setConnected(false);
}

bool SessionCoordinator::queryDeviceConnectedForWorker()
{
    return m_link && m_link->connected;
}
