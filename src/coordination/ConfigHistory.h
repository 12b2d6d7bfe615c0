#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

#include "device/ConfigBlock.h"

class DeviceConfigModel;

// What wrote to the pedals after an entry was kept: a free short text. These are the ones
// the tools use (translated for display where a translation exists).
namespace HistoryAction {
constexpr const char* kSavePedal = QT_TRANSLATE_NOOP("Quilbex", "save pedal");
constexpr const char* kWriteConfiguration = QT_TRANSLATE_NOOP("Quilbex", "write configuration");
constexpr const char* kCalibration = QT_TRANSLATE_NOOP("Quilbex", "calibration");
constexpr const char* kCalibrationReset = QT_TRANSLATE_NOOP("Quilbex", "calibration reset");
constexpr const char* kRestore = QT_TRANSLATE_NOOP("Quilbex", "restore");
constexpr const char* kApply = QT_TRANSLATE_NOOP("Quilbex", "apply");
constexpr const char* kFirmwareUpdate = QT_TRANSLATE_NOOP("Quilbex", "firmware update");
constexpr const char* kGameSwitch = QT_TRANSLATE_NOOP("Quilbex", "game switch");
} // namespace HistoryAction

// One configuration the pedals held before something wrote to them.
struct ConfigHistoryEntry
{
    int id = 0;                 // unique in its file, increasing
    QDateTime time;             // UTC, when it was kept
    QString firmwareVersion;    // major.minor.patch of the block's version word
    QString action;             // what was about to write
    ConfigBlock::Bytes block{}; // the 64-byte block as the pedals held it (version and CRC included)
};

// The configuration history: before every write to the pedals, the configuration last read
// from them is kept here, so any write can be undone. One JSON file, the newest kMaxEntries
// entries, replaced atomically on every change.
class ConfigHistory
{
public:
    static constexpr int kMaxEntries = 50;
    static constexpr qint64 kMaxFileBytes = 1024 * 1024;

    explicit ConfigHistory(const QString& filePath);

    // The user's data folder + "/history".
    static QString defaultDirectory();
    // The history of real pedals, or of the virtual ones (kept apart: a block of the virtual
    // pedals must never be restored onto real ones).
    static QString defaultFilePath(bool virtualPedals);

    QString filePath() const { return m_filePath; }

    // Entries newest first. No file is an empty history. A damaged, oversized or unreadable
    // file gives false with *error and no entries.
    bool entries(QList<ConfigHistoryEntry>* out, QString* error = nullptr) const;
    // "latest" or an entry's id. Empty with *error when there is no such entry.
    std::optional<ConfigHistoryEntry> find(const QString& idOrLatest, QString* error = nullptr) const;

    // Keeps a configuration as the newest entry (ConfigBlock::encode of it with its own version
    // word) and drops entries beyond kMaxEntries. A damaged or oversized file is first set
    // aside under a new name, so nothing in it is lost. Returns the new entry's id, 0 on failure.
    int record(const DeviceConfigModel& config, const QString& action, QString* error = nullptr);
    int record(const ConfigBlock::Bytes& block, const QString& action, QString* error = nullptr);

private:
    QString m_filePath;
};
