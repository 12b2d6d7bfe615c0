#pragma once

#include "device/IHidTransport.h"

// Pedals attached or not, that may refuse to open (with a cause); writes succeed while open.
class AttachableTransport : public IHidTransport
{
public:
    bool present = true;
    bool openSucceeds = true;
    OpenError failure = OpenError::OtherError;
    bool opened = false;
    int opens = 0;
    int closes = 0;
    OpenError last = OpenError::Ok;

    QString findDevice() override { return present ? QStringLiteral("/dev/fake-pedals") : QString(); }
    bool open(const QString&) override
    {
        ++opens;
        last = openSucceeds ? OpenError::Ok : failure;
        return opened = openSucceeds;
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
