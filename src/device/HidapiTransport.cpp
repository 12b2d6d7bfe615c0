#include "device/HidapiTransport.h"

#include <QDebug>

#include <hidapi/hidapi.h>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>
#ifdef __linux__
#include <sys/sysmacros.h>
#endif

namespace {

hid_device* dev(void* p)
{
    return static_cast<hid_device*>(p);
}

// hidapi must be initialised once before any handle is opened from any thread.
bool hidapiReady()
{
    static const bool ready = [] {
        if (hid_init() == 0)
            return true;
        const wchar_t* e = hid_error(nullptr);
        qDebug() << "[HID] CRITICAL: hid_init FAILED" << (e ? QString::fromWCharArray(e) : QString());
        return false;
    }();
    return ready;
}

QString hidErrorText(hid_device* d)
{
    const wchar_t* e = hid_error(d);
    return e ? QString::fromWCharArray(e) : QString();
}

// hidapi's hidraw backend crashes when asked to open a node that is not a hidraw device
// (for instance /dev/null or a plain file), so only hidraw character devices reach it.
// Returns 0 when the node may be opened, else an errno value (-1: not a hidraw device).
int checkHidrawNode(const QByteArray& path)
{
    if (path.isEmpty())
        return ENOENT;
#ifndef __linux__
    return 0; // other platforms name interfaces by service path, not by device node
#else
    struct stat st
    {};
    if (::stat(path.constData(), &st) != 0)
        return errno;
    if (!S_ISCHR(st.st_mode))
        return -1;
    const QByteArray link = QByteArray("/sys/dev/char/") + QByteArray::number(major(st.st_rdev)) + ':'
        + QByteArray::number(minor(st.st_rdev)) + "/subsystem";
    char target[512];
    const ssize_t n = ::readlink(link.constData(), target, sizeof(target) - 1);
    if (n > 0) {
        target[n] = '\0';
        return QByteArray(target).endsWith("/hidraw") ? 0 : -1;
    }
    // Without sysfs only the node's name is left to go by.
    const int slash = path.lastIndexOf('/');
    return path.mid(slash + 1).startsWith("hidraw") ? 0 : -1;
#endif
}

QString hexWord(quint16 v)
{
    return QStringLiteral("0x%1").arg(v, 4, 16, QLatin1Char('0'));
}

} // namespace

int selectHidInterface(const QList<HidInterfaceInfo>& interfaces, quint16 vid, quint16 pid, bool vendorPageFilter)
{
    for (int i = 0; i < interfaces.size(); ++i) {
        const HidInterfaceInfo& info = interfaces.at(i);
        if (info.vendorId != vid || info.productId != pid)
            continue;
        if (!vendorPageFilter || info.usagePage >= 0xFF00)
            return i;
    }
    return -1;
}

IHidTransport::OpenError openErrorFromErrno(int err)
{
    switch (err) {
    case 0: return IHidTransport::OpenError::Ok;
    case EACCES:
    case EPERM: return IHidTransport::OpenError::PermissionDenied;
    case ENOENT:
    case ENODEV: return IHidTransport::OpenError::NotFound;
    default: return IHidTransport::OpenError::OtherError;
    }
}

HidapiTransport::HidapiTransport() = default;

HidapiTransport::~HidapiTransport()
{
    close();
}

void HidapiTransport::setVidPid(quint16 vid, quint16 pid, bool vendorPageFilter)
{
    m_vid = vid;
    m_pid = pid;
    m_vendorPageFilter = vendorPageFilter;
}

QString HidapiTransport::findDevice()
{
    if (!hidapiReady()) {
        qDebug() << "[HID] findDevice: API not ready (hid_init failed)";
        return QString();
    }
    QList<HidInterfaceInfo> interfaces;
    hid_device_info* all = hid_enumerate(0, 0);
    for (const hid_device_info* d = all; d; d = d->next) {
        HidInterfaceInfo info;
        info.path = QString::fromLocal8Bit(d->path ? d->path : "");
        info.vendorId = d->vendor_id;
        info.productId = d->product_id;
        info.usagePage = d->usage_page;
        info.usage = d->usage;
        interfaces.append(info);
    }
    hid_free_enumeration(all);

    const int selected = selectHidInterface(interfaces, m_vid, m_pid, m_vendorPageFilter);
    // Enumeration stops at the selected interface, as the counts in the summary show.
    const int scanned = selected >= 0 ? selected + 1 : int(interfaces.size());
    int matches = 0;
    for (int i = 0; i < scanned; ++i) {
        const HidInterfaceInfo& info = interfaces.at(i);
        if (info.vendorId != m_vid || info.productId != m_pid)
            continue;
        ++matches;
        qDebug().noquote() << "[HID] VID/PID match — UsagePage=" + hexWord(info.usagePage)
                           << "Usage=" + hexWord(info.usage) << "path=" << info.path;
    }
    QString result;
    if (selected >= 0) {
        qDebug() << (m_vendorPageFilter ? "[HID] Selected HID interface (vendorPageFilter=on)"
                                        : "[HID] Selected HID interface (vendorPageFilter=off)");
        result = interfaces.at(selected).path;
    }
    if (result.isEmpty())
        qDebug() << "[HID] Scan done — scanned:" << scanned << "VID/PID matches:" << matches << "result:"
                 << "(none)";
    else
        qDebug() << "[HID] Scan done — scanned:" << scanned << "VID/PID matches:" << matches << "result:" << result;
    return result;
}

bool HidapiTransport::open(const QString& path)
{
    close();
    if (!hidapiReady()) {
        m_lastOpenError = OpenError::OtherError;
        qDebug() << "[HID] open FAILED: hid_init failed" << path;
        return false;
    }
    const QByteArray nativePath = path.toLocal8Bit();
    hid_device* d = nullptr;
    QString hidErr;
    int err = checkHidrawNode(nativePath);
    if (err == 0) {
        errno = 0;
        d = hid_open_path(nativePath.constData());
        err = errno;
        if (!d) {
            hidErr = hidErrorText(nullptr);
            // hidapi does not promise a meaningful errno; ask the node itself when it is unclear.
            if (openErrorFromErrno(err) == OpenError::OtherError || err == 0) {
                if (::access(nativePath.constData(), R_OK | W_OK) != 0)
                    err = errno;
            }
        }
    } else if (err < 0) {
        hidErr = QStringLiteral("not a hidraw device node");
    }
    if (!d) {
        m_lastOpenError = err > 0 ? openErrorFromErrno(err) : OpenError::OtherError;
        if (m_lastOpenError == OpenError::Ok)
            m_lastOpenError = OpenError::OtherError;
        qDebug() << "[HID] open FAILED, error=" << err << QString::fromLocal8Bit(err > 0 ? std::strerror(err) : "")
                 << "hid_error:" << hidErr << "path:" << path;
        if (m_lastOpenError == OpenError::PermissionDenied)
            qDebug() << "[HID] open: no read+write access to the hidraw node (udev rule missing?)";
        return false;
    }
    m_device = d;
    m_lastOpenError = OpenError::Ok;
    qDebug() << "[HID] open SUCCESS (READ+WRITE)" << path;
    return true;
}

void HidapiTransport::close()
{
    if (m_device) {
        hid_close(dev(m_device));
        m_device = nullptr;
    }
    qDebug() << "[HID] close()";
}

bool HidapiTransport::isOpen() const
{
    return m_device != nullptr;
}

bool HidapiTransport::writeReport(const QByteArray& report)
{
    if (!m_device) {
        qDebug() << "[HID] writeReport: device not open";
        return false;
    }
    int written = -1;
    if (!report.isEmpty())
        written =
            hid_write(dev(m_device), reinterpret_cast<const unsigned char*>(report.constData()), size_t(report.size()));
    if (report.isEmpty() || written < report.size()) {
        qDebug() << "[HID] writeReport FAILED: size=" << report.size() << "written=" << written
                 << "error=" << (report.isEmpty() ? QStringLiteral("empty report") : hidErrorText(dev(m_device)));
        return false;
    }
    return true;
}

QByteArray HidapiTransport::readReport(int timeoutMs)
{
    if (!m_device)
        return QByteArray();
    unsigned char buffer[kReadBufferSize];
    const int n = hid_read_timeout(dev(m_device), buffer, sizeof(buffer), timeoutMs < 0 ? -1 : timeoutMs);
    if (n <= 0)
        return QByteArray();
    return QByteArray(reinterpret_cast<const char*>(buffer), n);
}
