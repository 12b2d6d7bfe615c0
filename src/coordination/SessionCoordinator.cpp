#include "coordination/SessionCoordinator.h"

#include <QTimer>

#include "app/SharedRecords.h"

// Placeholder until the coordinator lands.
SessionCoordinator::SessionCoordinator(DeviceLinkState* link, DeviceConfigModel* config, PedalRuntimeState* runtime,
                                       UpgradeStatus* upgrade, QObject* parent)
    : QObject(parent), m_link(link), m_config(config), m_runtime(runtime), m_upgrade(upgrade)
{
    m_scanTimer = new QTimer(this);
    m_scanTimer->setInterval(kScanIntervalMs);
    m_pollTimer = new QTimer(this);
    m_pollTimer->setInterval(kPollIntervalMs);
    m_scanTimer->start();
}
SessionCoordinator::~SessionCoordinator() = default;
void SessionCoordinator::setTransport(IHidTransport* t) { m_transport = t; }
void SessionCoordinator::setProtocol(IQuilbexProtocol* p) { m_protocol = p; }
void SessionCoordinator::setConnected(bool c) { if (m_link) m_link->connected = c; Q_EMIT deviceConnectedChanged(c); }
bool SessionCoordinator::isUpgradeBusy() const { return m_upgrade && m_upgrade->isBusy(); }
void SessionCoordinator::capturePedalSnapshot() {}
bool SessionCoordinator::isScanning() const { return m_scanTimer->isActive(); }
bool SessionCoordinator::isPolling() const { return m_pollTimer->isActive(); }
void SessionCoordinator::requestConnect() {}
void SessionCoordinator::requestDisconnect() {}
void SessionCoordinator::requestReadConfig() {}
void SessionCoordinator::requestWriteConfig() {}
void SessionCoordinator::requestWritePedalParams(int) {}
void SessionCoordinator::pauseForFirmwareTransfer() {}
void SessionCoordinator::resumeAfterFirmwareTransfer() {}
void SessionCoordinator::refreshUpgradeBusySignal() { Q_EMIT upgradeBusyChanged(isUpgradeBusy()); }
void SessionCoordinator::markDisconnectedSnapshot() { setConnected(false); }
bool SessionCoordinator::queryDeviceConnectedForWorker() { return m_link && m_link->connected; }
bool SessionCoordinator::probeUsbConnectOnce() { return false; }
void SessionCoordinator::onScanTimer() {}
void SessionCoordinator::onPollTimer() {}
