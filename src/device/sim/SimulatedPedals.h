#pragma once

#include "device/ConfigBlock.h"
#include "device/HidapiTransport.h"
#include "device/IHidTransport.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <array>
#include <memory>

class DeviceConfigModel;

// Virtual pedals: an IHidTransport that behaves like the pedal firmware on the bus, so the
// tool, the tests and the benchmarks run end to end without hardware.
//
// Normal mode shows two interfaces (joystick first, then the vendor page); update mode one.
// Time is taken lazily from a monotonic clock: telemetry, replies and restarts are
// synthesised when the object is next used, so there are no threads and no timers.
//
// Thread safety: every call takes an internal mutex, which is never held while a read waits,
// so one thread may read or write reports while another turns the knobs.
class SimulatedPedals : public IHidTransport
{
public:
    static constexpr quint16 kNormalVid = 0x7864;
    static constexpr quint16 kNormalPid = 0x5801;
    static constexpr quint16 kUpdateVid = 0x0483;
    static constexpr quint16 kUpdatePid = 0xBEBA;
    static constexpr quint16 kJoystickUsagePage = 0x0001;
    static constexpr quint16 kVendorUsagePage = 0xFF00;
    static constexpr int kQueueCapacity = 64; // input reports held like an OS HID queue
    static constexpr int kMaxFirmwareSize = 55296;
    static constexpr quint16 kDefaultVersion = 0x0207;
    static constexpr qint16 kAdcMax = 4095;
    static constexpr qint16 kRestRaw = 300;  // reading of a released pedal
    static constexpr qint16 kFullRaw = 3800; // reading of a fully pressed pedal
    static constexpr int kDefaultRestartDelayMs = 800;
    static constexpr int kDefaultSwitchDelayMs = 500;
    static constexpr int kDefaultTelemetryRateHz = 1000;
    static constexpr int kDefaultReplyLatencyUs = 200;

    static const QString kJoystickPath; // "sim:quilbex/normal/joystick"
    static const QString kVendorPath;   // "sim:quilbex/normal/vendor"
    static const QString kUpdatePath;   // "sim:quilbex/update"

    enum class Mode { Normal, Update, Absent };
    // Idle: every pedal at rest. Sweep: each pedal moves through its travel with its own
    // period. Set: the values given to setRawValues.
    enum class Motion { Idle, Sweep, Set };

    SimulatedPedals();
    ~SimulatedPedals() override;
    SimulatedPedals(const SimulatedPedals&) = delete;
    SimulatedPedals& operator=(const SimulatedPedals&) = delete;

    // IHidTransport
    void setVidPid(quint16 vid, quint16 pid, bool vendorPageFilter) override;
    QString findDevice() override;
    bool open(const QString& path) override;
    void close() override;
    bool isOpen() const override;
    bool writeReport(const QByteArray& report) override;
    QByteArray readReport(int timeoutMs) override;
    OpenError lastOpenError() const override;

    // The interfaces present on the bus now (empty while the pedals are away).
    QList<HidInterfaceInfo> interfaces() const;
    Mode mode() const;

    // Simulated flash. The default block: all pedals calibrated kRestRaw..kFullRaw, linear
    // curves, deadzones 3/3, filter 2, version kDefaultVersion, valid CRC.
    static ConfigBlock::Bytes defaultFlashBlock();
    ConfigBlock::Bytes flashBlock() const;
    void setFlashBlock(const ConfigBlock::Bytes& block); // stored as given, CRC unchecked
    void flashConfig(DeviceConfigModel* out) const;      // decode of flashBlock()
    quint16 firmwareVersion() const;                     // version word of the flash block
    int restartCount() const;                            // restarts after writes and updates

    // Timing.
    void setRestartDelayMs(int ms);
    void setSwitchDelayMs(int ms);      // from "bootloader run" to the update identity
    void setTelemetryRateHz(int hz);    // 0 stops telemetry
    void setExtendedTelemetry(bool on); // 31-byte reports (default) or 13-byte base reports
    void setReplyLatencyUs(int us);

    // Pedal motion.
    void setMotion(Motion motion);
    Motion motion() const;
    void setRawValues(const std::array<qint16, 3>& hostOrder); // also selects Motion::Set
    std::array<qint16, 3> rawValuesNow() const;                // host order
    // What the firmware outputs for a raw reading of one host pedal with the current flash.
    qint16 outputFor(int hostIndex, qint16 raw) const;

    // Faults.
    void unplug();                 // gone now, until plug()
    void plug();                   // back now, in normal mode
    void unplugAtWrite(int n);     // the n-th write from now (1 = next) unplugs instead of
                                   // being delivered; 0 disables
    void setFailWrites(bool on);   // every write fails, nothing reaches the device
    void setDropReplies(bool all); // replies are processed but never sent
    void dropNextReplies(int n);
    void setReplyDelayMs(int ms);
    void setShortReplies(int bytes);                    // replies truncated to this many bytes; 0 = full
    void setRejectConfigCrc(bool on);                   // every config write is answered 0xFE, nothing stored
    void setStayAwayAfterRestart(bool on);              // restarts and the update-mode switch never come back
    void forceStartStatus(int status);                  // reply to the update start report; -1 = natural
    void forceDataStatus(int sequence, quint16 status); // reply to one data report
    void clearForcedStatuses();

    // Observation.
    int reportsWritten() const;               // reports delivered to the device
    QList<QByteArray> writtenReports() const; // the last 1024 delivered reports, oldest first
    QByteArray lastWrittenReport() const;
    void clearWrittenReports();
    QByteArray receivedFirmware() const; // image bytes of the latest update transfer
    qint64 lastReadTimestampNs() const;  // when the last report read was sent (clock time)

    // Deterministic time for tests: while on, the clock moves only through advanceClockUs and
    // through reads that wait (they jump to the next report or their deadline). A read that
    // would wait without limit and has nothing to wait for returns empty.
    void setManualClock(bool on);
    void advanceClockUs(qint64 us);
    qint64 clockNs() const override;

private:
    struct Impl;
    std::unique_ptr<Impl> m_d;
};
