#include "profiles/CurveProfileJsonStore.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>
#include <future>
#include <mutex>
#include <utility>

#include "app/FileSafety.h"

namespace {

bool fail(QString* error, const QString& message)
{
    if (error)
        *error = message;
    return false;
}

// Characters that no file system we write to accepts in a file name.
const QRegularExpression& forbiddenNameCharacters()
{
    static const QRegularExpression expression(QStringLiteral("[<>:\"/\\\\|?*]"));
    return expression;
}

QString jsonPath(const QString& dir, const QString& base)
{
    return dir + QLatin1Char('/') + base + QStringLiteral(".json");
}

// The profile files of dir: *.json (any case) that are regular files once links are followed.
// A FIFO or a link to a device is neither read nor listed.
QStringList profileFileNames(const QDir& directory)
{
    QStringList names = directory.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name);
    names.erase(
        std::remove_if(names.begin(), names.end(),
                       [&](const QString& name) { return !FileSafety::isRegularFile(directory.filePath(name)); }),
        names.end());
    return names;
}

// File names are limited to 255 bytes; the base name is cut (between characters) so that it
// fits with the counter suffix and ".json".
constexpr int kMaxFileNameBytes = 255;

QString fitFileName(const QString& base, const QString& suffix)
{
    const qsizetype room = kMaxFileNameBytes - QFile::encodeName(suffix + QStringLiteral(".json")).size();
    if (QFile::encodeName(base).size() <= room)
        return base;
    qsizetype used = 0;
    qsizetype end = 0;
    while (end < base.size()) {
        const qsizetype step = base.at(end).isHighSurrogate() && end + 1 < base.size() ? 2 : 1;
        const qsizetype bytes = QFile::encodeName(base.mid(end, step)).size();
        if (used + bytes > room)
            break;
        used += bytes;
        end += step;
    }
    return base.left(end).trimmed();
}

// True when both paths are distinct entries of their directory. On a file system that
// ignores case, names differing only in case are one entry and must not be removed.
bool areDistinctFiles(const QString& a, const QString& b)
{
    const QFileInfo infoA(a);
    const QFileInfo infoB(b);
    if (infoA.absoluteFilePath() == infoB.absoluteFilePath())
        return false;
    if (infoA.absoluteFilePath().compare(infoB.absoluteFilePath(), Qt::CaseInsensitive) != 0)
        return true;
    const QStringList names = infoA.absoluteDir().entryList(QDir::Files | QDir::Hidden | QDir::System);
    return names.contains(infoA.fileName(), Qt::CaseSensitive) && names.contains(infoB.fileName(), Qt::CaseSensitive);
}

} // namespace

bool CurveProfileJsonStore::loadByName(const QString& name, CurveProfile&, QString* error)
{
    return fail(error, QStringLiteral("Not implemented: %1").arg(name));
}

bool CurveProfileJsonStore::saveByName(const QString& name, const CurveProfile&, QString* error)
{
    return fail(error, QStringLiteral("Not implemented: %1").arg(name));
}

QString CurveProfileJsonStore::defaultProfilesDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/profiles");
}

QStringList CurveProfileJsonStore::builtInProfileNames()
{
    return {QStringLiteral("Default"),
            QStringLiteral("Assetto Corsa"),
            QStringLiteral("Assetto Corsa Competizione"),
            QStringLiteral("Automobilista 2"),
            QStringLiteral("BeamNG.drive"),
            QStringLiteral("DiRT Rally 2.0"),
            QStringLiteral("F1 25"),
            QStringLiteral("iRacing"),
            QStringLiteral("Le Mans Ultimate"),
            QStringLiteral("RaceRoom Racing Experience"),
            QStringLiteral("rFactor 2")};
}

namespace {
bool seedBuiltInProfiles(const QString& dir, QString* error)
{
    using Store = CurveProfileJsonStore;
    if (!QDir().mkpath(dir))
        return fail(error, QCoreApplication::translate("Quilbex", "Cannot create profiles directory: %1").arg(dir));
    // The same files listProfiles would list; their names are enough, so none is parsed here.
    if (!profileFileNames(QDir(dir)).isEmpty())
        return true;

    const CurveProfile defaults = makeDefaultProfile(QStringLiteral("Default"));
    for (const QString& name : Store::builtInProfileNames()) {
        CurveProfile copy = defaults;
        copy.profileName = name;
        const QString base = Store::uniqueProfileBaseName(dir, Store::sanitizeProfileName(name));
        if (!Store::saveProfile(jsonPath(dir, base), copy, error))
            return false;
    }
    return true;
}

struct Seeding
{
    std::mutex mutex;
    QString dir;
    std::future<std::pair<bool, QString>> result;
};
Seeding& seeding()
{
    static Seeding instance;
    return instance;
}
} // namespace

void CurveProfileJsonStore::startEnsuringDefaultProfiles(const QString& dir)
{
    Seeding& s = seeding();
    const std::lock_guard<std::mutex> lock(s.mutex);
    if (s.result.valid())
        return;
    s.dir = dir;
    s.result = std::async(std::launch::async, [dir] {
        QString error;
        const bool ok = seedBuiltInProfiles(dir, &error);
        return std::make_pair(ok, error);
    });
}

void CurveProfileJsonStore::finishEnsuringDefaultProfiles()
{
    Seeding& s = seeding();
    const std::lock_guard<std::mutex> lock(s.mutex);
    if (s.result.valid())
        s.result.wait();
}

bool CurveProfileJsonStore::ensureDefaultProfiles(const QString& dir, QString* error)
{
    {
        Seeding& s = seeding();
        const std::lock_guard<std::mutex> lock(s.mutex);
        if (s.result.valid() && s.dir == dir) {
            const auto [ok, message] = s.result.get();
            return ok || fail(error, message);
        }
    }
    return seedBuiltInProfiles(dir, error);
}

QList<ProfileEntry> CurveProfileJsonStore::listProfiles(const QString& dir)
{
    QList<ProfileEntry> entries;
    const QDir directory(dir);
    if (dir.isEmpty() || !directory.exists())
        return entries;

    const QStringList names = profileFileNames(directory);
    for (const QString& name : names) {
        ProfileEntry entry;
        entry.filePath = directory.filePath(name);
        entry.displayName = QFileInfo(name).completeBaseName();
        CurveProfile profile;
        if (loadProfile(entry.filePath, profile, nullptr) && !profile.profileName.isEmpty())
            entry.displayName = profile.profileName;
        entries.append(entry);
    }
    std::sort(entries.begin(), entries.end(), [](const ProfileEntry& a, const ProfileEntry& b) {
        return QString::localeAwareCompare(a.displayName, b.displayName) < 0;
    });
    return entries;
}

bool CurveProfileJsonStore::loadProfile(const QString& filePath, CurveProfile& out, QString* error)
{
    QByteArray bytes;
    const FileSafety::Status status = FileSafety::readWhole(filePath, FileSafety::kMaxProfileFileBytes, &bytes);
    if (status != FileSafety::Status::Ok)
        return fail(error, FileSafety::message(status, filePath));
    return parseProfileJson(bytes, out, error);
}

bool CurveProfileJsonStore::saveProfile(const QString& filePath, const CurveProfile& profile, QString* error)
{
    // A FIFO or device in the file's place would be replaced by a regular file: refused.
    const FileSafety::Status status = FileSafety::checkReplaceable(filePath);
    if (status != FileSafety::Status::Ok)
        return fail(error, FileSafety::message(status, filePath));
    const QByteArray bytes = profileToJson(profile);
    // Written to a temporary file and renamed over the target on commit, so a crash or a
    // full disk never leaves a truncated profile where a good one was.
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly))
        return fail(error, QCoreApplication::translate("Quilbex", "Cannot write: %1").arg(filePath));
    // The explicit flush matters: commit() does not notice a buffered write failing when
    // it closes the file, and would rename a truncated temporary file into place.
    if (file.write(bytes) != bytes.size() || !file.flush() || !file.commit())
        return fail(error, QCoreApplication::translate("Quilbex", "Write failed: %1").arg(filePath));
    return true;
}

bool CurveProfileJsonStore::importProfile(const QString& dir, const QByteArray& bytes, QString* newFilePath,
                                          QString* error)
{
    CurveProfile record;
    if (!parseProfileJson(bytes, record, error))
        return false;
    const QString name = record.profileName.isEmpty() ? QStringLiteral("Imported") : record.profileName;
    const QString path = jsonPath(dir, uniqueProfileBaseName(dir, name));
    if (!saveProfile(path, record, error))
        return false;
    if (newFilePath)
        *newFilePath = path;
    return true;
}

bool CurveProfileJsonStore::deleteProfile(const QString& filePath, QString* error)
{
    if (!QFile::exists(filePath))
        return fail(error, QCoreApplication::translate("Quilbex", "File does not exist"));
    if (!QFile::remove(filePath))
        return fail(error, QCoreApplication::translate("Quilbex", "Cannot delete: %1").arg(filePath));
    return true;
}

bool CurveProfileJsonStore::renameProfile(const QString& dir, const QString& filePath, const QString& newName,
                                          QString* newFilePath, QString* error)
{
    QString message;
    if (!validateProfileName(newName, &message))
        return fail(error, message);

    CurveProfile record;
    if (!loadProfile(filePath, record, error))
        return false;
    record.profileName = newName.trimmed();

    // The old file still exists here, so its own name gets a counter suffix.
    const QString newPath = jsonPath(dir, uniqueProfileBaseName(dir, record.profileName));
    if (!saveProfile(newPath, record, error))
        return false;
    if (QFile::exists(filePath) && areDistinctFiles(filePath, newPath)) {
        if (!deleteProfile(filePath, error))
            return false;
    }
    if (newFilePath)
        *newFilePath = newPath;
    return true;
}

bool CurveProfileJsonStore::validateProfileName(const QString& name, QString* error)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        return fail(error, QCoreApplication::translate("Quilbex", "Name is empty"));
    if (trimmed.contains(forbiddenNameCharacters()))
        return fail(error, QCoreApplication::translate("Quilbex", "Name contains invalid characters"));
    return true;
}

QString CurveProfileJsonStore::sanitizeProfileName(const QString& name)
{
    QString cleaned = name.trimmed();
    cleaned.remove(forbiddenNameCharacters());
    // Control characters do not belong in a file name; a NUL would even cut it short.
    cleaned.removeIf([](QChar c) { return c.category() == QChar::Other_Control; });
    // Through UTF-8 and back, as the name goes to the disk and comes back in a listing: an
    // unpaired surrogate (a JSON "\ud800") would otherwise name a file no listing shows.
    cleaned = QString::fromUtf8(cleaned.toUtf8());
    return cleaned.trimmed();
}

QString CurveProfileJsonStore::uniqueProfileBaseName(const QString& dir, const QString& desiredName)
{
    QString base = sanitizeProfileName(desiredName);
    // A leading dot would make the file hidden, and hidden files are never listed: the
    // profile would vanish. The display name still comes from the profile itself.
    while (base.startsWith(QLatin1Char('.')))
        base = base.mid(1).trimmed();
    if (base.isEmpty())
        base = QStringLiteral("Profile");
    if (const QString fitted = fitFileName(base, QString()); !QFile::exists(jsonPath(dir, fitted)))
        return fitted;
    for (int n = 1; n <= 9999; ++n) {
        const QString suffix = QStringLiteral(" (%1)").arg(n);
        const QString candidate = fitFileName(base, suffix) + suffix;
        if (!QFile::exists(jsonPath(dir, candidate)))
            return candidate;
    }
    const QString suffix = QLatin1Char('_') + QString::number(QDateTime::currentMSecsSinceEpoch());
    return fitFileName(base, suffix) + suffix;
}
