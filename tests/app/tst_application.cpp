#include <QtTest>

#include "app/Application.h"
#include "coordination/DeviceConfigModel.h"
#include "coordination/SessionCoordinator.h"
#include "device/IHidTransport.h"
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
    // The coordinator scans through the given transport from the start, and at the end goes
    // before the transport and the models it uses until its last moment.
    void wiredAndTornDownInOrder()
    {
        auto* app = new Application([] { return std::unique_ptr<IHidTransport>(new RecordingTransport); });
        QVERIFY(dynamic_cast<RecordingTransport*>(app->transport.get()));
        QVERIFY(app->linkState && app->config && app->runtime && app->upgradeStatus && app->protocol);
        QVERIFY(app->history && app->languageManager && app->gameWatcher && app->gameSwitcher);
        QVERIFY(app->coordinator->isScanning());
        g_events.clear();
        const auto note = [](const char* name) { return [name] { g_events << QString::fromLatin1(name); }; };
        connect(app->languageManager.get(), &QObject::destroyed, note("language"));
        connect(app->coordinator.get(), &QObject::destroyed, note("coordinator"));
        connect(app->runtime.get(), &QObject::destroyed, note("runtime"));
        connect(app->config.get(), &QObject::destroyed, note("config"));
        delete app;
        QCOMPARE(g_events, QStringList({"language", "coordinator", "transport", "runtime", "config"}));
    }

    // Host order throttle, brake, clutch is the reverse of the wire's; versions are one byte
    // major, one nibble minor and patch.
    void sharedRecords()
    {
        for (int i = 0; i < 3; ++i)
            QCOMPARE(hostToWire(i), 2 - i);
        QCOMPARE(formatFirmwareVersion(0x0312), QStringLiteral("3.1.2"));
        QCOMPARE(formatFirmwareVersion(0xFFFF), QStringLiteral("255.15.15"));
        QCOMPARE(formatFirmwareVersion(0x00F0), QStringLiteral("0.15.0"));
    }
};

QTEST_GUILESS_MAIN(TestApplication)
#include "tst_application.moc"
