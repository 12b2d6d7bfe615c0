#pragma once

#include <QList>
#include <QString>
#include <optional>

#include "app/Application.h"
#include "device/ConfigBlock.h"
#include "device/HidapiTransport.h"

class IHidTransport;

namespace cli {

// Each invocation with --simulate makes fresh virtual pedals; their flash (the 64-byte
// configuration block, firmware version included) can be kept in a file between runs.

// A missing file is no error: *flash stays empty and the pedals start factory-fresh.
bool loadSimulatedFlash(const QString& file, std::optional<ConfigBlock::Bytes>* flash, QString* error);
// Writes the virtual pedals' flash atomically. False for a transport that is not virtual.
bool saveSimulatedFlash(IHidTransport* transport, const QString& file, QString* error);

// Virtual pedals with the given flash. QUILBEX_SIM_RESTART_MS and QUILBEX_SIM_SWITCH_MS
// shorten their restart and update-mode switch (tests).
Application::TransportFactory simulatedTransportFactory(const std::optional<ConfigBlock::Bytes>& flash);

// The HID interfaces the virtual pedals show in normal operation.
QList<HidInterfaceInfo> simulatedInterfaces();

} // namespace cli
