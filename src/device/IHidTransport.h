#pragma once

#include <QByteArray>
#include <QString>

// One HID interface of the pedals: find it, open it, write a report, read a report, close.
// Used by one thread at a time; holds no locks.
class IHidTransport
{
public:
    virtual ~IHidTransport() = default;

    virtual void setVidPid(quint16 vid, quint16 pid, bool vendorPageFilter)
    {
        Q_UNUSED(vid);
        Q_UNUSED(pid);
        Q_UNUSED(vendorPageFilter);
    }
    virtual QString findDevice() { return QString(); }
    virtual bool open(const QString& path) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    virtual bool writeReport(const QByteArray& report) = 0;
    // Next input report, report id first; empty on time-out or failure.
    // timeoutMs 0 returns at once, a negative value waits without limit.
    virtual QByteArray readReport(int timeoutMs) = 0;

    // Why the last open() failed, for the user-facing hint; Ok after a success.
    enum class OpenError { Ok, PermissionDenied, NotFound, OtherError };
    virtual OpenError lastOpenError() const { return OpenError::Ok; }

    // The monotonic time, in nanoseconds, of the clock readReport waits by; -1 when that is
    // the system's clock. Reply deadlines are measured on it, so a transport with its own
    // clock (the virtual pedals' test clock) is waited for in its own time.
    virtual qint64 clockNs() const { return -1; }
};
