#pragma once

#include <QObject>
#include <functional>
#include <memory>

#include "app/SharedRecords.h"

class DeviceConfigModel;
class PedalRuntimeState;
class IHidTransport;
class IQuilbexProtocol;
class SessionCoordinator;
class LanguageManager;
class GameWatcher;
class GameSwitcher;
class ConfigHistory;

// Creates, owns and wires the long-lived non-visual objects. Members are created in
// declaration order and destroyed in exactly the reverse order.
class Application : public QObject
{
public:
    using TransportFactory = std::function<std::unique_ptr<IHidTransport>()>;

    // The pedals through hidapi.
    explicit Application(QObject* parent = nullptr);
    // Any transport, e.g. the virtual pedals; the factory runs when the transport's turn comes.
    explicit Application(const TransportFactory& transportFactory, QObject* parent = nullptr);
    ~Application() override;

    static TransportFactory hidapiTransportFactory();
    static TransportFactory simulatedTransportFactory();

    std::unique_ptr<DeviceLinkState> linkState;
    std::unique_ptr<DeviceConfigModel> config;
    std::unique_ptr<PedalRuntimeState> runtime;
    std::unique_ptr<UpgradeStatus> upgradeStatus;
    std::unique_ptr<IHidTransport> transport;
    std::unique_ptr<IQuilbexProtocol> protocol;
    // What the pedals held before each write (the virtual pedals keep their own).
    std::unique_ptr<ConfigHistory> history;
    std::unique_ptr<SessionCoordinator> coordinator;
    std::unique_ptr<LanguageManager> languageManager;
    // Game-aware profiles: created idle; the window and quilbex-cli watch start the watcher.
    std::unique_ptr<GameWatcher> gameWatcher;
    std::unique_ptr<GameSwitcher> gameSwitcher;

    // Pointers, for callers that only read.
    SessionCoordinator* sessionCoordinator() const { return coordinator.get(); }
    LanguageManager* languages() const { return languageManager.get(); }
};
