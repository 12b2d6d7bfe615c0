#include "coordination/ConfigHistory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>

#include "coordination/DeviceConfigModel.h"

namespace {

const QString kFormat = QStringLiteral("Quilbex Pedals configuration history");

enum class Loaded { Ok, Missing, Damaged, Unreadable };

bool fail(QString* error, const QString& message)
{
    if (error)
        *error = message;
    return false;
}

quint16 versionOf(const ConfigBlock::Bytes& block)
{
    return quint16(block[ConfigBlock::kVersionOffset] | (block[ConfigBlock::kVersionOffset + 1] << 8));
}

bool entryFromJson(const QJsonObject& o, ConfigHistoryEntry* e)
{
    const QByteArray hex = o.value(QStringLiteral("block")).toString().toLatin1();
    const QByteArray bytes = QByteArray::fromHex(hex);
    if (hex.size() != 2 * ConfigBlock::kSize || bytes.size() != ConfigBlock::kSize || bytes.toHex() != hex.toLower())
        return false;
    e->id = o.value(QStringLiteral("id")).toInt(0);
    e->time = QDateTime::fromString(o.value(QStringLiteral("time")).toString(), Qt::ISODateWithMs);
    e->action = o.value(QStringLiteral("action")).toString();
    std::copy(bytes.cbegin(), bytes.cend(), e->block.begin());
    e->firmwareVersion = formatFirmwareVersion(versionOf(e->block));
    return e->id > 0 && e->time.isValid() && !e->action.isEmpty();
}

QJsonObject entryToJson(const ConfigHistoryEntry& e)
{
    QJsonObject o;
    o.insert(QStringLiteral("id"), e.id);
    o.insert(QStringLiteral("time"), e.time.toUTC().toString(Qt::ISODateWithMs));
    o.insert(QStringLiteral("firmware"), e.firmwareVersion);
    o.insert(QStringLiteral("action"), e.action);
    const QByteArray bytes(reinterpret_cast<const char*>(e.block.data()), ConfigBlock::kSize);
    o.insert(QStringLiteral("block"), QString::fromLatin1(bytes.toHex()));
    return o;
}

// Entries oldest first, as stored.
Loaded load(const QString& path, QList<ConfigHistoryEntry>* out, QString* error)
{
    out->clear();
    const QFileInfo info(path);
    if (!info.exists())
        return Loaded::Missing;
    // A pipe or device node would block or never end; only a regular file is read.
    if (!info.isFile()) {
        fail(error,
             QCoreApplication::translate("Quilbex", "The configuration history %1 is not a regular file.").arg(path));
        return Loaded::Unreadable;
    }
    if (info.size() > ConfigHistory::kMaxFileBytes) {
        fail(error,
             QCoreApplication::translate("Quilbex",
                                         "The configuration history %1 is larger than 1 MiB and was not read.")
                 .arg(path));
        return Loaded::Damaged;
    }
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        fail(error,
             QCoreApplication::translate("Quilbex", "Cannot read the configuration history %1: %2")
                 .arg(path, f.errorString()));
        return Loaded::Unreadable;
    }
    const QByteArray bytes = f.read(ConfigHistory::kMaxFileBytes + 1);
    const QJsonDocument doc = QJsonDocument::fromJson(bytes);
    const QJsonObject root = doc.object();
    bool ok = bytes.size() <= ConfigHistory::kMaxFileBytes && root.value(QStringLiteral("format")) == kFormat
        && root.value(QStringLiteral("entries")).isArray();
    const QJsonArray array = root.value(QStringLiteral("entries")).toArray();
    for (int i = 0; ok && i < array.size(); ++i) {
        ConfigHistoryEntry e;
        ok = array.at(i).isObject() && entryFromJson(array.at(i).toObject(), &e);
        out->append(e);
    }
    if (!ok) {
        out->clear();
        fail(error,
             QCoreApplication::translate("Quilbex", "The configuration history %1 is damaged and was not read.")
                 .arg(path));
        return Loaded::Damaged;
    }
    return Loaded::Ok;
}

} // namespace

ConfigHistory::ConfigHistory(const QString& filePath) : m_filePath(filePath) {}

QString ConfigHistory::defaultDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/history");
}

QString ConfigHistory::defaultFilePath(bool virtualPedals)
{
    return defaultDirectory()
        + (virtualPedals ? QStringLiteral("/virtual-pedals.json") : QStringLiteral("/pedals.json"));
}

bool ConfigHistory::entries(QList<ConfigHistoryEntry>* out, QString* error) const
{
    QList<ConfigHistoryEntry> stored;
    const Loaded result = load(m_filePath, &stored, error);
    std::reverse(stored.begin(), stored.end());
    if (out)
        *out = stored;
    return result == Loaded::Ok || result == Loaded::Missing;
}

std::optional<ConfigHistoryEntry> ConfigHistory::find(const QString& idOrLatest, QString* error) const
{
    QList<ConfigHistoryEntry> list;
    if (!entries(&list, error))
        return std::nullopt;
    if (list.isEmpty()) {
        fail(error, QCoreApplication::translate("Quilbex", "The configuration history is empty."));
        return std::nullopt;
    }
    if (idOrLatest == QLatin1String("latest"))
        return list.first();
    bool ok = false;
    const int id = idOrLatest.toInt(&ok);
    for (const ConfigHistoryEntry& e : std::as_const(list)) {
        if (ok && e.id == id)
            return e;
    }
    fail(error, QCoreApplication::translate("Quilbex", "The configuration history has no entry %1.").arg(idOrLatest));
    return std::nullopt;
}

int ConfigHistory::record(const DeviceConfigModel& config, const QString& action, QString* error)
{
    return record(ConfigBlock::encode(config, config.ver), action, error);
}

int ConfigHistory::record(const ConfigBlock::Bytes& block, const QString& action, QString* error)
{
    QList<ConfigHistoryEntry> list;
    QString loadError;
    switch (load(m_filePath, &list, &loadError)) {
    case Loaded::Ok:
    case Loaded::Missing: break;
    case Loaded::Unreadable: fail(error, loadError); return 0;
    case Loaded::Damaged: {
        // Kept under another name: what the file held may still be worth something.
        const QString aside = m_filePath + QStringLiteral(".damaged-")
            + QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddHHmmsszzz"));
        if (!QFile::rename(m_filePath, aside)) {
            fail(error, loadError);
            return 0;
        }
        break;
    }
    }

    ConfigHistoryEntry entry;
    for (const ConfigHistoryEntry& e : std::as_const(list))
        entry.id = std::max(entry.id, e.id);
    ++entry.id;
    entry.time = QDateTime::currentDateTimeUtc();
    entry.action = action.trimmed().isEmpty() ? QStringLiteral("write") : action.trimmed();
    entry.block = block;
    entry.firmwareVersion = formatFirmwareVersion(versionOf(block));
    list.append(entry);
    while (list.size() > kMaxEntries)
        list.removeFirst();

    QJsonArray array;
    for (const ConfigHistoryEntry& e : std::as_const(list))
        array.append(entryToJson(e));
    QJsonObject root;
    root.insert(QStringLiteral("format"), kFormat);
    root.insert(QStringLiteral("version"), 1);
    root.insert(QStringLiteral("entries"), array);

    QDir().mkpath(QFileInfo(m_filePath).absolutePath());
    QSaveFile f(m_filePath);
    if (!f.open(QIODevice::WriteOnly)) {
        fail(error,
             QCoreApplication::translate("Quilbex", "Cannot write the configuration history %1: %2")
                 .arg(m_filePath, f.errorString()));
        return 0;
    }
    f.write(QJsonDocument(root).toJson(QJsonDocument::Indented));
    if (!f.commit()) {
        fail(error,
             QCoreApplication::translate("Quilbex", "Cannot write the configuration history %1: %2")
                 .arg(m_filePath, f.errorString()));
        return 0;
    }
    return entry.id;
}
