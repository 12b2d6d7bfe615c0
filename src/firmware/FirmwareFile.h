#pragma once

#include <QByteArray>
#include <QString>

// The pedals' flash holds at most 54 KiB of firmware; a file of exactly that size fits.
constexpr int kMaxFirmwareKb = 54;
constexpr qint64 kMaxFirmwareBytes = qint64(kMaxFirmwareKb) * 1024;

// Outcome of examining a chosen firmware file: its bytes, or the one message for the user.
struct FirmwareFileCheck
{
    bool ok = false;
    QByteArray bytes;
    QString message;
};

// Exists, suffix "bin" (any case), readable, not empty, fits the flash; first failure wins.
FirmwareFileCheck checkFirmwareFile(const QString& path);

// "a.b.c" from the first three dot-separated numbers in the name (digits kept as written);
// empty when the name carries none.
QString versionFromFileName(const QString& fileName);

// Component 0..2 of an "a.b.c" text, or -1 when the text or the component is unusable.
int versionComponent(const QString& version, int index);

// -1, 0 or 1; an unusable text sorts below any usable one.
int compareVersions(const QString& a, const QString& b);

// The translated sentence comparing the file's version with the pedals'.
QString versionComparisonText(const QString& deviceVersion, const QString& fileVersion, bool deviceKnown,
                              bool fileHasVersion);
