#include "cli/CliSimState.h"

#include <QFile>
#include <QSaveFile>

#include "app/FileSafety.h"
#include "device/sim/SimulatedPedals.h"

namespace cli {

namespace {

int envMs(const char* name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value >= 0 ? value : fallback;
}

} // namespace

bool loadSimulatedFlash(const QString& file, std::optional<ConfigBlock::Bytes>* flash, QString* error)
{
    flash->reset();
    if (file.isEmpty() || !QFile::exists(file))
        return true;
    QFile f;
    if (const FileSafety::Status status = FileSafety::openForReading(file, &f); status != FileSafety::Status::Ok) {
        *error = FileSafety::message(status, file);
        return false;
    }
    // One byte more than a block is read so that a longer file is recognised as foreign.
    const QByteArray bytes = f.read(ConfigBlock::kSize + 1);
    if (bytes.size() != ConfigBlock::kSize) {
        *error = QStringLiteral("not a virtual pedals state file (%1 bytes, expected %2)")
                     .arg(f.size())
                     .arg(ConfigBlock::kSize);
        return false;
    }
    ConfigBlock::Bytes block{};
    std::copy(bytes.cbegin(), bytes.cend(), block.begin());
    *flash = block;
    return true;
}

bool saveSimulatedFlash(IHidTransport* transport, const QString& file, QString* error)
{
    auto* sim = dynamic_cast<SimulatedPedals*>(transport);
    if (!sim) {
        *error = QStringLiteral("no virtual pedals");
        return false;
    }
    const ConfigBlock::Bytes block = sim->flashBlock();
    // Never replace a FIFO or device with a regular file.
    if (const FileSafety::Status status = FileSafety::checkReplaceable(file); status != FileSafety::Status::Ok) {
        *error = FileSafety::message(status, file);
        return false;
    }
    QSaveFile f(file);
    if (!f.open(QIODevice::WriteOnly)) {
        *error = f.errorString();
        return false;
    }
    // commit() alone may miss a buffered write that failed.
    if (f.write(reinterpret_cast<const char*>(block.data()), qint64(block.size())) != qint64(block.size()) || !f.flush()
        || !f.commit()) {
        *error = f.errorString();
        return false;
    }
    return true;
}

Application::TransportFactory simulatedTransportFactory(const std::optional<ConfigBlock::Bytes>& flash)
{
    return [flash] {
        auto sim = std::make_unique<SimulatedPedals>();
        if (flash)
            sim->setFlashBlock(*flash);
        sim->setRestartDelayMs(envMs("QUILBEX_SIM_RESTART_MS", SimulatedPedals::kDefaultRestartDelayMs));
        sim->setSwitchDelayMs(envMs("QUILBEX_SIM_SWITCH_MS", SimulatedPedals::kDefaultSwitchDelayMs));
        return std::unique_ptr<IHidTransport>(std::move(sim));
    };
}

QList<HidInterfaceInfo> simulatedInterfaces()
{
    SimulatedPedals sim;
    return sim.interfaces();
}

} // namespace cli
