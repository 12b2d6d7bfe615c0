#pragma once

// The profile store on a scratch directory, with file names, contents and profile names from
// fuzz data. Checks what the user relies on: the listing shows only readable .json files,
// sorted; an import or rename that succeeds stores a file that fits the file system, sits in
// the directory and is listed under the profile's name; a failure adds no file; a unique base
// name is a usable, free file name.
//   Per operation one selector byte: 0 plant a file (name, contents), 1 plant a FIFO, 2 plant
//   a link to /dev/zero, 3 import raw bytes, 4 import a profile named by the fuzzer, 5 rename a
//   listed profile (index byte, name), 6 ask for a unique base name. Names are a length byte
//   (times two) and that many bytes of UTF-8; contents a two-byte length and the bytes.

#include "app/FileSafety.h"
#include "profiles/CurveProfileJsonStore.h"
#include "profiles/ProfileFormat.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QString>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <sys/stat.h>

namespace ProfileStoreHarness {

constexpr int kMaxOperations = 8;
constexpr int kMaxFileNameBytes = 255;

class Reader
{
public:
    Reader(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}
    bool done() const { return m_pos >= m_size; }
    quint8 byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    QByteArray bytes(size_t count)
    {
        const size_t n = count < m_size - m_pos ? count : m_size - m_pos;
        const QByteArray b(reinterpret_cast<const char*>(m_data + m_pos), qsizetype(n));
        m_pos += n;
        return b;
    }
    QString text() { return QString::fromUtf8(bytes(size_t(byte()) * 2)); }
    QByteArray contents()
    {
        const size_t length = size_t(byte()) | (size_t(byte()) << 8);
        return bytes(length);
    }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_pos = 0;
};

// In memory where possible: every save syncs to disk, which would slow the fuzzer to a crawl.
inline QString scratchDirectory()
{
    static QTemporaryDir dir(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                 ? QStringLiteral("/dev/shm/quilbex-profilestore-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/quilbex-profilestore-XXXXXX"));
    return dir.path();
}

inline void clearDirectory(const QString& path)
{
    QDir dir(path);
    for (const QString& name : dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        const QFileInfo info(dir.filePath(name));
        if (info.isDir() && !info.isSymLink())
            QDir(info.filePath()).removeRecursively();
        else
            QFile::remove(info.filePath());
    }
}

inline QStringList entryNames(const QString& dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// A name the fuzzer gives for a planted file: one path component that Qt passes on unchanged.
inline bool plantable(const QString& name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && !name.contains(QChar(0))
        && QFile::encodeName(name + QStringLiteral(".json")).size() <= kMaxFileNameBytes;
}

inline QString checkListing(const QString& dir, QList<ProfileEntry>* entries)
{
    *entries = CurveProfileJsonStore::listProfiles(dir);
    for (int i = 0; i < entries->size(); ++i) {
        const ProfileEntry& e = entries->at(i);
        const QFileInfo info(e.filePath);
        if (info.absolutePath() != QFileInfo(dir).absoluteFilePath())
            return QStringLiteral("listed outside the directory: %1").arg(e.filePath);
        if (!info.fileName().endsWith(QLatin1String(".json"), Qt::CaseInsensitive) || info.fileName().startsWith('.'))
            return QStringLiteral("listed a file that is not a visible .json: %1").arg(e.filePath);
        if (!FileSafety::isRegularFile(e.filePath))
            return QStringLiteral("listed a file that is not regular: %1").arg(e.filePath);
        if (i > 0 && QString::localeAwareCompare(entries->at(i - 1).displayName, e.displayName) > 0)
            return QStringLiteral("listing not sorted");
    }
    return QString();
}

// A successful store operation: path is a listed file in dir under the expected name.
inline QString checkStored(const QString& dir, const QString& path, const QString& expectedName)
{
    const QFileInfo info(path);
    if (QFile::encodeName(info.fileName()).size() > kMaxFileNameBytes)
        return QStringLiteral("file name too long: %1").arg(path);
    QList<ProfileEntry> entries;
    const QString failure = checkListing(dir, &entries);
    if (!failure.isEmpty())
        return failure;
    for (const ProfileEntry& e : entries) {
        if (e.filePath != path)
            continue;
        const QString shown = expectedName.isEmpty() ? info.completeBaseName() : expectedName;
        return e.displayName == shown ? QString()
                                      : QStringLiteral("listed as '%1', not '%2'").arg(e.displayName, shown);
    }
    return QStringLiteral("stored file not listed: %1").arg(path);
}

inline QString checkUniqueName(const QString& dir, const QString& desired)
{
    static const QRegularExpression forbidden(QStringLiteral("[<>:\"/\\\\|?*]"));
    const QString base = CurveProfileJsonStore::uniqueProfileBaseName(dir, desired);
    if (base.isEmpty() || base.startsWith(QLatin1Char('.')) || base.contains(forbidden))
        return QStringLiteral("unusable base name '%1'").arg(base);
    for (const QChar c : base) {
        if (c.category() == QChar::Other_Control)
            return QStringLiteral("control character in base name");
    }
    if (QFile::encodeName(base + QStringLiteral(".json")).size() > kMaxFileNameBytes)
        return QStringLiteral("base name too long (%1 bytes)").arg(QFile::encodeName(base).size());
    if (QFileInfo::exists(dir + QLatin1Char('/') + base + QStringLiteral(".json")))
        return QStringLiteral("base name taken: %1").arg(base);
    return QString();
}

inline QString run(const uint8_t* data, size_t size)
{
    const QString dir = scratchDirectory();
    if (dir.isEmpty())
        return QStringLiteral("no scratch directory");
    clearDirectory(dir);
    Reader in(data, size);
    for (int op = 0; op < kMaxOperations && !in.done(); ++op) {
        const int selector = in.byte() % 7;
        const QStringList before = entryNames(dir);
        QString failure;
        switch (selector) {
        case 0:
        case 1:
        case 2: {
            const QString name = in.text();
            const QByteArray contents = selector == 0 ? in.contents() : QByteArray();
            if (!plantable(name))
                break;
            const QString path = dir + QLatin1Char('/') + name + QStringLiteral(".json");
            const QByteArray native = QFile::encodeName(path);
            if (selector == 0) {
                QFile file(path);
                if (file.open(QIODevice::WriteOnly))
                    file.write(contents);
            } else if (selector == 1) {
                ::mkfifo(native.constData(), 0600);
            } else {
                QFile::link(QStringLiteral("/dev/zero"), path);
            }
            QList<ProfileEntry> entries;
            failure = checkListing(dir, &entries);
            break;
        }
        case 3:
        case 4: {
            const QByteArray bytes = selector == 3 ? in.contents() : profileToJson(makeDefaultProfile(in.text()));
            CurveProfile record;
            const bool parses = parseProfileJson(bytes, record, nullptr);
            QString path;
            QString error;
            const bool ok = CurveProfileJsonStore::importProfile(dir, bytes, &path, &error);
            if (ok != parses)
                failure = QStringLiteral("import %1 a document the parser %2")
                              .arg(ok ? "took" : "refused", parses ? "accepts" : "refuses");
            else if (ok)
                failure = checkStored(dir, path, record.profileName);
            else if (error.isEmpty() || entryNames(dir) != before)
                failure = QStringLiteral("failed import without a message, or with a file left behind");
            break;
        }
        case 5: {
            const QList<ProfileEntry> entries = CurveProfileJsonStore::listProfiles(dir);
            const int index = in.byte();
            const QString name = in.text();
            if (entries.isEmpty())
                break;
            const QString oldPath = entries.at(index % entries.size()).filePath;
            QString newPath;
            QString error;
            if (CurveProfileJsonStore::renameProfile(dir, oldPath, name, &newPath, &error)) {
                failure = checkStored(dir, newPath, name.trimmed());
                if (failure.isEmpty() && newPath != oldPath && QFileInfo::exists(oldPath))
                    failure = QStringLiteral("renamed profile left its old file");
            } else if (error.isEmpty()) {
                failure = QStringLiteral("failed rename without a message");
            }
            break;
        }
        default: failure = checkUniqueName(dir, in.text()); break;
        }
        if (!failure.isEmpty())
            return failure;
    }
    return QString();
}

} // namespace ProfileStoreHarness
