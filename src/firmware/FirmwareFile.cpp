#include "firmware/FirmwareFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

#include "app/FileSafety.h"

namespace {

FirmwareFileCheck rejected(const QString& message)
{
    FirmwareFileCheck result;
    result.message = message;
    return result;
}

} // namespace

FirmwareFileCheck checkFirmwareFile(const QString& path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return rejected(QCoreApplication::translate(
            "Quilbex", "That file could not be found. Please check the path and try again."));

    if (info.suffix().compare(QLatin1String("bin"), Qt::CaseInsensitive) != 0)
        return rejected(
            QCoreApplication::translate("Quilbex", "Please choose a firmware file with the .bin extension."));

    // Runs on the GUI thread: a FIFO must be refused, not opened (that would block).
    QFile file;
    const FileSafety::Status status = FileSafety::openForReading(path, &file);
    if (status == FileSafety::Status::NotRegular && !info.isDir())
        return rejected(QCoreApplication::translate(
            "Quilbex", "That is not a regular file. Please choose a firmware file (.bin)."));
    if (status != FileSafety::Status::Ok)
        return rejected(QCoreApplication::translate(
            "Quilbex", "We couldn't open that file. It may be in use or you may not have permission to read it."));

    // Read one byte past the limit at most: enough to tell "too large" without pulling a
    // mistakenly chosen huge file into memory.
    const QByteArray bytes = file.read(kMaxFirmwareBytes + 1);
    if (bytes.isEmpty())
        return rejected(QCoreApplication::translate(
            "Quilbex", "That firmware file appears to be empty. Please export or download it again."));

    if (bytes.size() > kMaxFirmwareBytes) {
        const qint64 size = qMax<qint64>(file.size(), bytes.size());
        return rejected(QCoreApplication::translate("Quilbex",
                                                    "This firmware file is too large for your pedals (%1 KB). "
                                                    "The maximum supported size is %2 KB.")
                            .arg((size + 1023) / 1024)
                            .arg(kMaxFirmwareKb));
    }

    FirmwareFileCheck result;
    result.ok = true;
    result.bytes = bytes;
    return result;
}

QString versionFromFileName(const QString& fileName)
{
    static const QRegularExpression pattern(QStringLiteral("(\\d+)\\.(\\d+)\\.(\\d+)"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(fileName);
    if (!match.hasMatch())
        return QString();
    return QStringLiteral("%1.%2.%3").arg(match.captured(1), match.captured(2), match.captured(3));
}

int versionComponent(const QString& version, int index)
{
    const QStringList parts = version.split(QLatin1Char('.'), Qt::KeepEmptyParts);
    if (parts.size() != 3 || index < 0 || index > 2)
        return -1;
    bool ok = false;
    const int value = parts.at(index).toInt(&ok, 10);
    return ok ? value : -1;
}

int compareVersions(const QString& a, const QString& b)
{
    int ca[3];
    int cb[3];
    bool aUsable = true;
    bool bUsable = true;
    for (int i = 0; i < 3; ++i) {
        ca[i] = versionComponent(a, i);
        cb[i] = versionComponent(b, i);
        aUsable = aUsable && ca[i] >= 0;
        bUsable = bUsable && cb[i] >= 0;
    }
    if (!aUsable)
        return bUsable ? -1 : 0;
    if (!bUsable)
        return 1;
    for (int i = 0; i < 3; ++i) {
        if (ca[i] != cb[i])
            return ca[i] < cb[i] ? -1 : 1;
    }
    return 0;
}

QString versionComparisonText(const QString& deviceVersion, const QString& fileVersion, bool deviceKnown,
                              bool fileHasVersion)
{
    if (!fileHasVersion)
        return QCoreApplication::translate("Quilbex", "We couldn't read a version from the file name.");
    if (!deviceKnown)
        return QCoreApplication::translate("Quilbex", "Connect your pedals to see the current firmware version.");
    switch (compareVersions(fileVersion, deviceVersion)) {
    case 1: return QCoreApplication::translate("Quilbex", "A newer firmware version is available in this file.");
    case -1: return QCoreApplication::translate("Quilbex", "This file looks older than the firmware on your pedals.");
    default: return QCoreApplication::translate("Quilbex", "This file matches the firmware already on your pedals.");
    }
}
