#pragma once

#include "device/IHidTransport.h"

#include <QList>

// One HID interface as enumerated, for the selection rule.
struct HidInterfaceInfo
{
    QString path;
    quint16 vendorId = 0;
    quint16 productId = 0;
    quint16 usagePage = 0;
    quint16 usage = 0;
};

// Selection rule: ids equal; with the filter on, usage page 0xFF00 or above; first found.
// Returns the index into interfaces, or -1.
int selectHidInterface(const QList<HidInterfaceInfo>& interfaces, quint16 vid, quint16 pid, bool vendorPageFilter);

// Maps an errno value of a failed open to the user-facing reason.
IHidTransport::OpenError openErrorFromErrno(int err);

// hidapi (hidraw backend) transport for Linux and macOS.
class HidapiTransport : public IHidTransport
{
public:
    static constexpr int kReadBufferSize = 256;

    HidapiTransport();
    ~HidapiTransport() override;

    HidapiTransport(const HidapiTransport&) = delete;
    HidapiTransport& operator=(const HidapiTransport&) = delete;

    void setVidPid(quint16 vid, quint16 pid, bool vendorPageFilter) override;
    QString findDevice() override;
    bool open(const QString& path) override;
    void close() override;
    bool isOpen() const override;
    bool writeReport(const QByteArray& report) override;
    QByteArray readReport(int timeoutMs) override;
    OpenError lastOpenError() const override { return m_lastOpenError; }

private:
    void* m_device = nullptr; // hid_device*
    quint16 m_vid = 0x7864;
    quint16 m_pid = 0x5801;
    bool m_vendorPageFilter = true;
    OpenError m_lastOpenError = OpenError::Ok;
};
