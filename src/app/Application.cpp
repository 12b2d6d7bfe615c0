#include "app/Application.h"

#include "coordination/ConfigHistory.h"
#include "coordination/DeviceConfigModel.h"
#include "coordination/GameSwitcher.h"
#include "coordination/GameWatcher.h"
#include "coordination/SessionCoordinator.h"
#include "device/HidapiTransport.h"
#include "device/QuilbexProtocolV1.h"
#include "device/sim/SimulatedPedals.h"
#include "i18n/LanguageManager.h"

Application::TransportFactory Application::hidapiTransportFactory()
{
    return [] { return std::unique_ptr<IHidTransport>(new HidapiTransport); };
}

Application::TransportFactory Application::simulatedTransportFactory()
{
    return [] { return std::unique_ptr<IHidTransport>(new SimulatedPedals); };
}

Application::Application(QObject* parent) : Application(hidapiTransportFactory(), parent) {}

Application::Application(const TransportFactory& transportFactory, QObject* parent) : QObject(parent)
{
    linkState = std::make_unique<DeviceLinkState>();
    config = std::make_unique<DeviceConfigModel>();
    runtime = std::make_unique<PedalRuntimeState>();
    upgradeStatus = std::make_unique<UpgradeStatus>();
    transport = transportFactory ? transportFactory() : nullptr;
    protocol = std::make_unique<QuilbexProtocolV1>(transport.get());
    history = std::make_unique<ConfigHistory>(
        ConfigHistory::defaultFilePath(dynamic_cast<SimulatedPedals*>(transport.get()) != nullptr));
    coordinator =
        std::make_unique<SessionCoordinator>(linkState.get(), config.get(), runtime.get(), upgradeStatus.get(), this);
    languageManager = std::make_unique<LanguageManager>(this);
    gameWatcher = std::make_unique<GameWatcher>();
    gameSwitcher = std::make_unique<GameSwitcher>(gameWatcher.get());

    coordinator->setTransport(transport.get());
    coordinator->setProtocol(protocol.get());
    coordinator->setHistory(history.get());
}

Application::~Application()
{
    gameSwitcher.reset();
    gameWatcher.reset();
    languageManager.reset();
    coordinator.reset();
    history.reset();
    protocol.reset();
    transport.reset();
    upgradeStatus.reset();
    runtime.reset();
    config.reset();
    linkState.reset();
}
