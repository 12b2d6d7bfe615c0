#pragma once

// The session coordinator on replies made of fuzz data: connecting (with its configuration
// read), polling telemetry, reading again and disconnecting, through the real protocol into
// the models. Checks what the window relies on: a reading shown is the newest telemetry report
// read before it was announced (wire order turned into host order); a configuration announced
// is the one read, apart from the defaults an uncalibrated pedal gets, and its version text
// matches; the link flag follows the announcements; nothing is writable without a read on the
// current link; no operation reads without bound.
//   byte 0: write failure mask (FuzzTransport); then per operation one selector byte (0
//   connect, 1 poll, 2 read the configuration, 3 disconnect) followed by the replies it uses.

#include "app/SharedRecords.h"
#include "coordination/DeviceConfigModel.h"
#include "coordination/SessionCoordinator.h"
#include "device/QuilbexProtocolV1.h"
#include "FuzzTransport.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QString>
#include <QTimer>

#include <cstddef>
#include <cstdint>

namespace CoordinatorHarness {

constexpr int kMaxOperations = 24;

// The coordinator's timers need an application object; the replay test brings its own.
inline void ensureApplication()
{
    static int argc = 1;
    static char name[] = "fuzz_coordinator";
    static char* argv[] = {name, nullptr};
    static QCoreApplication* app = nullptr;
    if (!QCoreApplication::instance())
        app = new QCoreApplication(argc, argv);
    Q_UNUSED(app);
}

// Pedals that are always present; while open, the fuzz data answers every read. A closed
// handle reads and writes nothing, as a real one.
class PresentTransport : public FuzzTransport
{
public:
    using FuzzTransport::FuzzTransport;
    QString findDevice() override { return QStringLiteral("fuzz:pedals"); }
    bool open(const QString&) override { return m_open = true; }
    void close() override { m_open = false; }
    bool isOpen() const override { return m_open; }
    bool writeReport(const QByteArray& report) override { return m_open && FuzzTransport::writeReport(report); }
    QByteArray readReport(int timeoutMs) override
    {
        return m_open ? FuzzTransport::readReport(timeoutMs) : QByteArray();
    }

private:
    bool m_open = false;
};

inline qint16 le16(const QByteArray& r, int offset)
{
    return qint16(quint16(quint8(r.at(offset)) | (quint16(quint8(r.at(offset + 1))) << 8)));
}

struct Observer
{
    QByteArray newestTelemetry; // the last telemetry report read so far
    QString failure;
    bool announcedConnected = false;

    void fail(const QString& message)
    {
        if (failure.isEmpty())
            failure = message;
    }
};

inline void checkReading(const PedalRuntimeState& runtime, Observer* o)
{
    const QByteArray& r = o->newestTelemetry;
    if (r.isEmpty()) {
        o->fail(QStringLiteral("a reading was announced without a telemetry report"));
        return;
    }
    for (int wire = 0; wire < 3; ++wire) {
        const auto host = size_t(2 - wire);
        if (runtime.out[host] != le16(r, 1 + 2 * wire) || runtime.raw[host] != le16(r, 7 + 2 * wire))
            o->fail(QStringLiteral("reading of wire %1 is not the newest report's").arg(wire));
    }
}

inline void checkConfiguration(const SessionCoordinator& c, const DeviceConfigModel& model, const DeviceLinkState& link,
                               Observer* o)
{
    const DeviceConfigModel* read = c.confirmedConfig();
    if (!read) {
        o->fail(QStringLiteral("a configuration was announced without a successful read"));
        return;
    }
    if (link.firmwareVersionText != formatFirmwareVersion(read->ver))
        o->fail(QStringLiteral("version text differs from the version read"));
    for (size_t i = 0; i < 3; ++i) {
        bool same = model.cali[i] == read->cali[i] && model.curve[i] == read->curve[i]
            && model.curveType[i] == read->curveType[i];
        if (read->cali[i] != 0)
            same = same && model.min[i] == read->min[i] && model.max[i] == read->max[i]
                && model.deadTop[i] == read->deadTop[i] && model.deadBot[i] == read->deadBot[i]
                && model.filter[i] == read->filter[i];
        if (!same)
            o->fail(QStringLiteral("pedal %1 shows other values than were read").arg(i));
    }
}

inline QString run(const uint8_t* data, size_t size)
{
    ensureApplication();
    PresentTransport t(data, size);
    t.writeFailMask = t.takeByte();
    DeviceLinkState link;
    DeviceConfigModel model;
    PedalRuntimeState runtime;
    UpgradeStatus upgrade;
    QuilbexProtocolV1 protocol(&t);
    SessionCoordinator coordinator(&link, &model, &runtime, &upgrade);
    coordinator.setTransport(&t);
    coordinator.setProtocol(&protocol);

    Observer o;
    t.onRead = [&o](const QByteArray& r, int) {
        if (r.size() >= 13 && r.at(0) == 0x02)
            o.newestTelemetry = r;
    };
    QObject::connect(&runtime, &PedalRuntimeState::dataChanged, [&] { checkReading(runtime, &o); });
    QObject::connect(&model, &DeviceConfigModel::configChanged,
                     [&] { checkConfiguration(coordinator, model, link, &o); });
    QObject::connect(&coordinator, &SessionCoordinator::deviceConnectedChanged,
                     [&](bool connected) { o.announcedConnected = connected; });

    for (int op = 0; op < kMaxOperations && !t.exhausted(); ++op) {
        const int selector = t.takeByte() % 4;
        t.beginOperation();
        switch (selector) {
        case 0: coordinator.probeUsbConnectOnce(); break;
        case 1:
            if (coordinator.isPolling())
                QMetaObject::invokeMethod(&coordinator, "onPollTimer", Qt::DirectConnection);
            break;
        case 2: coordinator.requestReadConfig(); break;
        default: coordinator.requestDisconnect(); break;
        }
        if (t.readCapHit)
            return QStringLiteral("operation %1 read without bound").arg(selector);
        if (link.connected != o.announcedConnected)
            o.fail(QStringLiteral("link flag differs from the last announcement"));
        if (!link.connected && coordinator.hasConfirmedConfig())
            o.fail(QStringLiteral("a read configuration outlived the link"));
        if (coordinator.canWrite() && !(link.connected && coordinator.hasConfirmedConfig()))
            o.fail(QStringLiteral("writable without a read on the current link"));
        if (!o.failure.isEmpty())
            return o.failure;
    }
    return QString();
}

} // namespace CoordinatorHarness
