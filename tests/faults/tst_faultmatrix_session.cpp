// Fault matrix, session side: the pedals go away, fall silent or answer wrongly during
// connecting, a configuration read, a whole-configuration write and a one-pedal write.
// Every row checks that the request returns within its reply waits, that the coordinator
// settles in a consistent state, that the pedals' flash and the user's profiles are
// untouched, and that the link comes back once the pedals behave again.
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QtTest>
#include <functional>
#include <memory>

#include "app/Application.h"
#include "app/SharedRecords.h"
#include "coordination/DeviceConfigModel.h"
#include "coordination/SessionCoordinator.h"
#include "device/ConfigBlock.h"
#include "device/QuilbexProtocolV1.h"
#include "support/FaultMatrixSupport.h"
#include "ui/PedalsPage.h"

namespace {

QStringList g_log;

void captureHandler(QtMsgType, const QMessageLogContext&, const QString& message)
{
    g_log.append(message);
}

// Replies wait 50 ms per attempt: 5 attempts per read chunk, 10 per write chunk.
constexpr int kReadWaitMs = 2 * QuilbexProtocolV1::kReadAttempts * QuilbexProtocolV1::kReplyTimeoutMs;
constexpr int kWriteWaitMs = 2 * QuilbexProtocolV1::kAckAttempts * QuilbexProtocolV1::kReplyTimeoutMs;
// Scheduling slack on a loaded machine; a hang is far beyond it.
constexpr int kSlackMs = 1500;
// A stall of a few milliseconds (sanitizer builds, a busy machine) lets a 1000 Hz feed queue
// enough reports ahead of a reply to use up the read attempts of a healthy exchange.
constexpr int kTelemetryRateHz = 100;

struct Rig
{
    Rig()
    {
        app = std::make_unique<Application>([this] {
            auto p = std::make_unique<FaultPedals>();
            sim = p.get();
            return std::unique_ptr<IHidTransport>(std::move(p));
        });
        sim->setRestartDelayMs(50);
        sim->setTelemetryRateHz(kTelemetryRateHz);
        page = std::make_unique<PedalsPage>(app.get());
    }
    ~Rig()
    {
        page.reset();
        app.reset();
    }

    SessionCoordinator* coord() const { return app->coordinator.get(); }
    bool connected() const { return app->linkState->connected; }
    // Scanning or polling, never both and never neither; the link flag follows polling.
    bool consistent() const
    {
        return coord()->isScanning() != coord()->isPolling() && connected() == coord()->isPolling();
    }
    ConfigBlock::Bytes model() const { return ConfigBlock::encode(*app->config, app->config->ver); }
    void heal()
    {
        sim->plug();
        sim->unplugAtWrite(0);
        sim->setDropReplies(false);
        sim->setShortReplies(0);
        sim->setRejectConfigCrc(false);
        sim->setTelemetryRateHz(kTelemetryRateHz);
        sim->wrongReplyIds = false;
        sim->swallowWrites = false;
    }

    FaultPedals* sim = nullptr;
    std::unique_ptr<Application> app;
    std::unique_ptr<PedalsPage> page;
};

enum class Exchange { Connect, ReadConfig, WriteConfig, WritePedal };
enum class Settles { Scanning, Polling };
using Fault = std::function<void(Rig&)>;

} // namespace

Q_DECLARE_METATYPE(Exchange)
Q_DECLARE_METATYPE(Settles)

class TestFaultMatrixSession : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        registerCurvePointsMetaType();
        QVERIFY(m_profiles.create());
    }
    void init()
    {
        g_log.clear();
        qInstallMessageHandler(captureHandler);
    }
    void cleanup() { qInstallMessageHandler(nullptr); }

    void matrix_data();
    void matrix();
    void pedalsStayAwayAfterWrite_data();
    void pedalsStayAwayAfterWrite();

private:
    ProfileFiles m_profiles;
};

void TestFaultMatrixSession::matrix_data()
{
    QTest::addColumn<Exchange>("exchange");
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QString>("logLine"); // a line the failure must leave, empty for none
    QTest::addColumn<Settles>("settles");

    const Fault unplugged = [](Rig& r) { r.sim->unplug(); };
    const Fault unplugAtFirstWrite = [](Rig& r) { r.sim->unplugAtWrite(1); };
    const Fault unplugAtSecondWrite = [](Rig& r) { r.sim->unplugAtWrite(2); };
    const Fault silent = [](Rig& r) { r.sim->setDropReplies(true); };
    const Fault mute = [](Rig& r) {
        r.sim->setDropReplies(true);
        r.sim->setTelemetryRateHz(0);
    };
    const Fault shortReplies = [](Rig& r) { r.sim->setShortReplies(20); };
    const Fault oneByteReplies = [](Rig& r) { r.sim->setShortReplies(1); };
    const Fault wrongIds = [](Rig& r) { r.sim->wrongReplyIds = true; };
    const Fault crcRejected = [](Rig& r) { r.sim->setRejectConfigCrc(true); };

    const QString readFailed = QStringLiteral("[Scan] readFullConfig failed (non-fatal)");
    QTest::newRow("connect/unplugged") << Exchange::Connect << unplugged << "[Scan] device not found"
                                       << Settles::Scanning;
    QTest::newRow("connect/unplugged at read request")
        << Exchange::Connect << unplugAtFirstWrite << "[readFullConfig] writeReport failed on chunk 0"
        << Settles::Scanning;
    QTest::newRow("connect/silent") << Exchange::Connect << silent << readFailed << Settles::Polling;
    QTest::newRow("connect/mute, no telemetry") << Exchange::Connect << mute << readFailed << Settles::Scanning;
    QTest::newRow("connect/short replies") << Exchange::Connect << shortReplies << readFailed << Settles::Polling;
    QTest::newRow("connect/wrong report ids") << Exchange::Connect << wrongIds << readFailed << Settles::Polling;

    QTest::newRow("read/unplugged") << Exchange::ReadConfig << unplugged
                                    << "[readFullConfig] writeReport failed on chunk 0" << Settles::Scanning;
    QTest::newRow("read/silent") << Exchange::ReadConfig << silent << QString() << Settles::Polling;
    QTest::newRow("read/short replies") << Exchange::ReadConfig << shortReplies
                                        << "[readFullConfig] short reply ignored on chunk 0 size= 20"
                                        << Settles::Polling;
    QTest::newRow("read/wrong report ids") << Exchange::ReadConfig << wrongIds << QString() << Settles::Polling;

    const struct
    {
        Exchange exchange;
        const char* name;
        QString failed;
    } writes[] = {
        {Exchange::WriteConfig, "write all", QStringLiteral("[WriteConfig] failed — resuming poll")},
        {Exchange::WritePedal, "write pedal", QStringLiteral("[WritePedalParams] failed — resuming poll")},
    };
    for (const auto& w : writes) {
        const QByteArray n(w.name);
        QTest::newRow(n + "/unplugged at chunk 0") << w.exchange << unplugAtFirstWrite << w.failed << Settles::Scanning;
        QTest::newRow(n + "/unplugged at chunk 1")
            << w.exchange << unplugAtSecondWrite << w.failed << Settles::Scanning;
        QTest::newRow(n + "/silent") << w.exchange << silent << "[writeFullConfig] no ACK for chunk 0"
                                     << Settles::Polling;
        QTest::newRow(n + "/one-byte replies")
            << w.exchange << oneByteReplies << "[writeFullConfig] no ACK for chunk 0" << Settles::Polling;
        QTest::newRow(n + "/wrong report ids")
            << w.exchange << wrongIds << "[writeFullConfig] no ACK for chunk 0" << Settles::Polling;
        QTest::newRow(n + "/CRC rejected")
            << w.exchange << crcRejected << "[writeFullConfig] CRC mismatch — firmware rejected config"
            << Settles::Polling;
    }
}

void TestFaultMatrixSession::matrix()
{
    QFETCH(Exchange, exchange);
    QFETCH(Fault, fault);
    QFETCH(QString, logLine);
    QFETCH(Settles, settles);

    Rig rig;
    QSignalSpy links(rig.coord(), &SessionCoordinator::deviceConnectedChanged);
    if (exchange != Exchange::Connect) {
        rig.coord()->requestConnect();
        QVERIFY(rig.coord()->isPolling());
        QVERIFY(rig.connected());
        QCOMPARE(rig.model(), rig.sim->flashBlock());
    }
    const ConfigBlock::Bytes modelBefore = rig.model();
    const ConfigBlock::Bytes flashBefore = rig.sim->flashBlock();
    const QString versionBefore = rig.app->linkState->firmwareVersionText;
    const bool pollingBefore = rig.coord()->isPolling();
    g_log.clear();

    fault(rig);
    QElapsedTimer clock;
    clock.start();
    int budgetMs = kReadWaitMs;
    switch (exchange) {
    case Exchange::Connect: rig.coord()->requestConnect(); break;
    case Exchange::ReadConfig: rig.coord()->requestReadConfig(); break;
    case Exchange::WriteConfig:
        budgetMs = kWriteWaitMs;
        rig.coord()->requestWriteConfig();
        break;
    case Exchange::WritePedal:
        budgetMs = kWriteWaitMs;
        rig.coord()->requestWritePedalParams(1);
        break;
    }
    const qint64 elapsed = clock.elapsed();
    QVERIFY2(elapsed <= budgetMs + kSlackMs, qPrintable(QStringLiteral("took %1 ms").arg(elapsed)));

    if (!logLine.isEmpty())
        QVERIFY2(g_log.contains(logLine), qPrintable(g_log.join(QLatin1Char('\n'))));
    // A failed write resumes polling at once; a failed read leaves the timers alone.
    if (exchange != Exchange::Connect)
        QCOMPARE(rig.coord()->isPolling(), pollingBefore);

    if (settles == Settles::Scanning)
        QTRY_VERIFY_WITH_TIMEOUT(rig.coord()->isScanning() && !rig.connected(), 5000);
    else
        QTRY_VERIFY_WITH_TIMEOUT(rig.coord()->isPolling() && rig.connected(), 5000);
    QVERIFY(rig.consistent());
    if (!links.isEmpty())
        QCOMPARE(links.last().at(0).toBool(), rig.connected());
    if (exchange == Exchange::Connect && settles == Settles::Scanning && logLine.startsWith("[Scan] device"))
        QVERIFY(links.isEmpty());

    // Nothing decoded from a failed read, nothing stored by a failed write.
    QCOMPARE(rig.model(), modelBefore);
    QCOMPARE(rig.app->linkState->firmwareVersionText, versionBefore);
    QCOMPARE(rig.sim->flashBlock(), flashBefore);
    QCOMPARE(rig.sim->restartCount(), 0);
    QCOMPARE(rig.app->upgradeStatus->state.load(), int(UpgradeStatus::Idle));
    QVERIFY(rig.sim->targetIsNormal());

    // The pedals behave again: the coordinator finds them without help and reads them.
    rig.heal();
    QTRY_VERIFY_WITH_TIMEOUT(rig.coord()->isPolling() && rig.connected(), 5000);
    rig.coord()->requestReadConfig();
    QCOMPARE(rig.model(), rig.sim->flashBlock());
    QVERIFY(rig.consistent());
    QVERIFY(m_profiles.intact());
}

void TestFaultMatrixSession::pedalsStayAwayAfterWrite_data()
{
    QTest::addColumn<Exchange>("exchange");
    QTest::newRow("write all") << Exchange::WriteConfig;
    QTest::newRow("write pedal") << Exchange::WritePedal;
}

// A write that succeeded but whose restart never ends: the link stays marked connected while
// the coordinator scans, and nothing polls a device that is not there.
void TestFaultMatrixSession::pedalsStayAwayAfterWrite()
{
    QFETCH(Exchange, exchange);
    Rig rig;
    rig.coord()->requestConnect();
    QVERIFY(rig.coord()->isPolling());
    rig.sim->setStayAwayAfterRestart(true);
    if (exchange == Exchange::WriteConfig)
        rig.coord()->requestWriteConfig();
    else
        rig.coord()->requestWritePedalParams(2);
    QTRY_COMPARE_WITH_TIMEOUT(rig.sim->restartCount(), 1, 3000);
    QTRY_VERIFY_WITH_TIMEOUT(g_log.count(QStringLiteral("[Scan] device not found")) >= 2, 5000);
    QVERIFY(rig.coord()->isScanning());
    QVERIFY(!rig.coord()->isPolling());
    QVERIFY(rig.connected());

    rig.sim->setStayAwayAfterRestart(false);
    rig.sim->plug();
    QTRY_VERIFY_WITH_TIMEOUT(rig.coord()->isPolling() && rig.connected(), 5000);
    QVERIFY(rig.consistent());
    QCOMPARE(rig.model(), rig.sim->flashBlock());
    QVERIFY(m_profiles.intact());
}

QTEST_MAIN(TestFaultMatrixSession)
#include "tst_faultmatrix_session.moc"
