#pragma once

#include "device/IHidTransport.h"

// Virtual pedals (placeholder until the simulator lands).
class SimulatedPedals : public IHidTransport
{
public:
    SimulatedPedals() = default;
    bool open(const QString&) override { return false; }
    void close() override {}
    bool isOpen() const override { return false; }
    bool writeReport(const QByteArray&) override { return false; }
    QByteArray readReport(int) override { return QByteArray(); }
};
