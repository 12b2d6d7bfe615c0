#pragma once

// The application with virtual pedals and an update manager with short waits, recording its reports.

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

#include "app/Application.h"
#include "app/SharedRecords.h"
#include "coordination/SessionCoordinator.h"
#include "device/sim/SimulatedPedals.h"
#include "firmware/FirmwareUpdateManager.h"

inline QByteArray randomBytes(int n)
{
    QByteArray b(n, '\0');
    for (char& c : b)
        c = char(QRandomGenerator::global()->bounded(256));
    return b;
}

template <class Pedals = SimulatedPedals> struct UpdateRig
{
    UpdateRig()
    {
        app = std::make_unique<Application>([this] {
            auto p = std::make_unique<Pedals>();
            sim = p.get();
            return std::unique_ptr<IHidTransport>(std::move(p));
        });
        sim->setSwitchDelayMs(30);
        sim->setRestartDelayMs(50);
        manager = std::make_unique<FirmwareUpdateManager>(app.get());
        setTiming([](FirmwareUpdateTiming& t) {
            t.switchSettleMs = 20;
            t.searchAttempts = t.reconnectAttempts = 30;
            t.searchIntervalMs = t.reconnectIntervalMs = 10;
            t.startReplyMs = t.dataReplyMs = 60;
        });
        QObject::connect(manager.get(), &FirmwareUpdateManager::logLine, &receiver,
                         [this](const QString& l) { logs << l; });
        // On the worker's thread, before it goes on: a fault set here hits the next exchange.
        QObject::connect(
            manager.get(), &FirmwareUpdateManager::logLine, &receiver, [this](const QString& l) { onLog(l); },
            Qt::DirectConnection);
        QObject::connect(manager.get(), &FirmwareUpdateManager::finished, &receiver, [this](bool ok, const QString& m) {
            ++finishedCount;
            success = ok;
            message = m;
            stateAtFinish = app->upgradeStatus->state.load();
        });
    }
    void setTiming(const std::function<void(FirmwareUpdateTiming&)>& change)
    {
        FirmwareUpdateTiming t = manager->timing();
        change(t);
        manager->setTiming(t);
    }
    SessionCoordinator* coord() const { return app->coordinator.get(); }
    bool connected() const { return app->linkState->connected; }
    bool connectNow()
    {
        coord()->requestConnect();
        return connected();
    }
    QString writeFile(const QByteArray& bytes)
    {
        const QString path = dir.filePath(QStringLiteral("quilbex_3.0.1.bin"));
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() ? path : QString();
    }
    // Installs `bytes` and waits until the update has ended.
    bool run(const QByteArray& bytes)
    {
        const int before = finishedCount;
        manager->startUpgrade(writeFile(bytes));
        return QTest::qWaitFor([&] { return finishedCount > before && !manager->hasWorker(); }, 60000);
    }

    QTemporaryDir dir;
    Pedals* sim = nullptr;
    std::unique_ptr<Application> app;
    std::unique_ptr<FirmwareUpdateManager> manager;
    std::function<void(const QString&)> onLog = [](const QString&) {};
    QObject receiver; // goes first: nothing is recorded while the manager is destroyed
    QStringList logs;
    int finishedCount = 0;
    bool success = false;
    QString message;
    int stateAtFinish = -1;
};
