#pragma once

#include "device/IHidTransport.h"

// A pedal set that can be attached or not, refuse to open (with a cause), or be missing
// for a number of scans (a restart). Reports: writes succeed while open, reads see nothing.
class AttachableTransport : public IHidTransport
{
public:
    bool present = true;
    int absentFinds = 0; // the next findDevice() calls that see nothing
    bool openSucceeds = true;
    OpenError failure = OpenError::OtherError;
    bool opened = false;
    int opens = 0;
    int closes = 0;
    OpenError last = OpenError::Ok;

    QString findDevice() override
    {
        if (absentFinds > 0) {
            --absentFinds;
            return QString();
        }
        return present ? QStringLiteral("/dev/fake-pedals") : QString();
    }
    bool open(const QString&) override
    {
        ++opens;
        opened = openSucceeds;
        last = openSucceeds ? OpenError::Ok : failure;
        return openSucceeds;
    }
    void close() override
    {
        ++closes;
        opened = false;
    }
    bool isOpen() const override { return opened; }
    bool writeReport(const QByteArray&) override { return opened; }
    QByteArray readReport(int) override { return QByteArray(); }
    OpenError lastOpenError() const override { return last; }
};
