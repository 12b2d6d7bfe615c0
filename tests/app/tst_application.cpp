#include <QSignalSpy>
#include <QtTest>

#include "app/Application.h"
#include "coordination/DeviceConfigModel.h"
#include "coordination/SessionCoordinator.h"
#include "device/IHidTransport.h"
#include "device/QuilbexProtocolV1.h"
#include "i18n/LanguageManager.h"

namespace {
QStringList g_events;

class RecordingTransport : public IHidTransport
{
public:
    ~RecordingTransport() override { g_events << QStringLiteral("transport"); }
    bool open(const QString&) override { return false; }
    void close() override {}
    bool isOpen() const override { return false; }
    bool writeReport(const QByteArray&) override { return false; }
    QByteArray readReport(int) override { return {}; }
};
} // namespace

class TestApplication : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void membersExistAndAreWired()
    {
        bool modelsExistedFirst = false;
        Application* seen = nullptr;
        Application app([&] {
            modelsExistedFirst = seen == nullptr; // the factory runs inside construction
            return std::unique_ptr<IHidTransport>(new RecordingTransport);
        });
        seen = &app;
        QVERIFY(modelsExistedFirst);
        QVERIFY(app.linkState && app.config && app.runtime && app.upgradeStatus);
        QVERIFY(app.transport && app.protocol && app.coordinator && app.languageManager);
        QVERIFY(!app.linkState->connected);
        QCOMPARE(app.upgradeStatus->state.load(), 0);
        QCOMPARE(app.coordinator->parent(), &app);
        QCOMPARE(app.languageManager->parent(), &app);
        QVERIFY(!app.config->parent());
        QVERIFY(!app.runtime->parent());
        QVERIFY(app.coordinator->isScanning());
        g_events.clear();
    }

    void destroysMembersInReverseOrder()
    {
        g_events.clear();
        {
            auto* app = new Application([] { return std::unique_ptr<IHidTransport>(new RecordingTransport); });
            auto note = [](const QString& name) { return [name] { g_events << name; }; };
            connect(app->languageManager.get(), &QObject::destroyed, note(QStringLiteral("language")));
            connect(app->coordinator.get(), &QObject::destroyed, note(QStringLiteral("coordinator")));
            connect(app->runtime.get(), &QObject::destroyed, note(QStringLiteral("runtime")));
            connect(app->config.get(), &QObject::destroyed, note(QStringLiteral("config")));
            connect(app, &QObject::destroyed, note(QStringLiteral("application")));
            delete app;
        }
        QCOMPARE(g_events,
                 (QStringList{QStringLiteral("language"), QStringLiteral("coordinator"), QStringLiteral("transport"),
                              QStringLiteral("runtime"), QStringLiteral("config"), QStringLiteral("application")}));
    }
};

QTEST_GUILESS_MAIN(TestApplication)
#include "tst_application.moc"
