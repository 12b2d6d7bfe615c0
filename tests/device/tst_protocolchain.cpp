#include <QtTest>

#include "coordination/DeviceConfigModel.h"
#include "device/ConfigBlock.h"
#include "device/QuilbexProtocolV1.h"
#include "support/ScriptedTransport.h"

// The throttle calibration chain dumps (UI -> written -> flash -> telemetry). The copies they
// compare are process-wide, so this runs in its own executable, in one ordered test.
namespace {

QStringList* g_lines = nullptr;

void captureMessage(QtMsgType, const QMessageLogContext&, const QString& message)
{
    if (g_lines)
        g_lines->append(message);
}

QString lastVerdict(const QStringList& lines, const char* tag)
{
    const QStringList v = lines.filter(QLatin1String(tag)).filter(QStringLiteral("verdict"));
    return v.isEmpty() ? QString() : v.last();
}

} // namespace

class TestProtocolChain : public QObject
{
    Q_OBJECT

private:
    QStringList m_lines;
    ScriptedTransport m_t;
    ConfigBlock::Bytes m_deviceBlock{};

    void throttleCal(DeviceConfigModel& m, quint8 cali, qint16 min, qint16 max)
    {
        m.cali[0] = cali;
        m.min[0] = min;
        m.max[0] = max;
    }

private Q_SLOTS:
    void initTestCase()
    {
        g_lines = &m_lines;
        qInstallMessageHandler(captureMessage);
        m_t.onWrite = [this](ScriptedTransport& tr, const QByteArray& r) {
            if (r[0] == 0x04) {
                tr.push(ScriptedTransport::bytesOf({ 0x04, 0x00 }));
            } else if (r[0] == 0x03) {
                QByteArray reply(64, '\0');
                reply[0] = 0x03;
                const int from = r[1] == 0 ? 0 : 62;
                for (int i = 0; i < (r[1] == 0 ? 62 : 2); ++i)
                    reply[2 + i] = char(m_deviceBlock[size_t(from + i)]);
                tr.push(reply);
            }
            return true;
        };
    }
    void cleanupTestCase()
    {
        qInstallMessageHandler(nullptr);
        g_lines = nullptr;
    }

    void chain()
    {
        QuilbexProtocolV1 p(&m_t);
        DeviceConfigModel ui;
        PedalRuntimeState runtime;

        // Nothing written in this process yet.
        throttleCal(ui, 1, 200, 3000);
        QuilbexProtocolV1::logPostReadbackChain(&ui, &runtime);
        QVERIFY(!m_lines.filter(QStringLiteral("[THROTTLE-CHAIN-POST-READBACK]"))
                     .filter(QStringLiteral("no written copy exists in this process"))
                     .isEmpty());
        QuilbexProtocolV1::logPostReadbackChain(nullptr, nullptr);
        QuilbexProtocolV1::logPostWriteChain(nullptr);

        // Written, and the device kept it and applies it.
        QVERIFY(p.writeFullConfig(&ui));
        QuilbexProtocolV1::logPostWriteChain(&ui);
        QVERIFY(lastVerdict(m_lines, "[THROTTLE-CHAIN-POST-WRITE]").contains(QStringLiteral("consistent")));

        m_deviceBlock = ConfigBlock::encode(ui, 0x0206);
        DeviceConfigModel readBack;
        QVERIFY(p.readFullConfig(&readBack));
        runtime.hasExtended = true;
        runtime.cail[2] = 1;
        runtime.axisMin[2] = 200;
        runtime.axisMax[2] = 3000;
        m_lines.clear();
        QuilbexProtocolV1::logPostReadbackChain(&readBack, &runtime);
        QVERIFY2(lastVerdict(m_lines, "[THROTTLE-CHAIN-POST-READBACK]").contains(QStringLiteral("chain consistent")),
                 qPrintable(m_lines.join(QLatin1Char('\n'))));
        QVERIFY(m_lines.filter(QStringLiteral("no written copy")).isEmpty());

        // The device applies other values than it stores.
        runtime.axisMax[2] = 4095;
        QuilbexProtocolV1::logPostReadbackChain(&readBack, &runtime);
        QVERIFY(lastVerdict(m_lines, "[THROTTLE-CHAIN-POST-READBACK]").contains(QStringLiteral("flash -> telemetry")));

        // The device did not keep what was written.
        DeviceConfigModel other;
        throttleCal(other, 1, 200, 2999);
        m_deviceBlock = ConfigBlock::encode(other, 0x0206);
        QVERIFY(p.readFullConfig(&readBack));
        QuilbexProtocolV1::logPostReadbackChain(&readBack, &runtime);
        QVERIFY(lastVerdict(m_lines, "[THROTTLE-CHAIN-POST-READBACK]").contains(QStringLiteral("written -> flash")));
    }
};

QTEST_GUILESS_MAIN(TestProtocolChain)
#include "tst_protocolchain.moc"
