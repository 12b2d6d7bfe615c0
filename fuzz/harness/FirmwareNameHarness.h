#pragma once

// File-name versions and their comparison on fuzz texts. The input is split at NUL bytes
// into up to three texts (UTF-8); its first two bytes are also a device version word.
// Checks: the name's version is a dotted digit text found in the name and stable when
// read again; compareVersions is a consistent order (reflexive for usable texts,
// antisymmetric, transitive, unusable texts lowest); version words order like their texts;
// the comparison sentence follows compareVersions.

#include "coordination/DeviceConfigModel.h"
#include "firmware/FirmwareFile.h"

#include <QCoreApplication>
#include <QList>
#include <QRegularExpression>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace FirmwareNameHarness {

inline bool usable(const QString& v)
{
    for (int i = 0; i < 3; ++i) {
        if (versionComponent(v, i) < 0)
            return false;
    }
    return true;
}

inline QString checkName(const QString& name)
{
    static const QRegularExpression dotted(QStringLiteral("^\\d+\\.\\d+\\.\\d+$"));
    const QString v = versionFromFileName(name);
    if (v.isEmpty())
        return QString();
    if (!dotted.match(v).hasMatch() || !name.contains(v))
        return QStringLiteral("version \"%1\" not a dotted text of the name").arg(v);
    if (versionFromFileName(v) != v)
        return QStringLiteral("version \"%1\" not stable").arg(v);
    return QString();
}

inline QString checkOrder(const QList<QString>& texts)
{
    const qsizetype n = texts.size();
    QList<int> cmp(n * n);
    QList<bool> ok(n);
    for (qsizetype i = 0; i < n; ++i) {
        const QString& a = texts.at(i);
        if (versionComponent(a, -1) != -1 || versionComponent(a, 3) != -1)
            return QStringLiteral("component outside 0..2 of \"%1\"").arg(a);
        ok[i] = usable(a);
        for (qsizetype j = 0; j < n; ++j)
            cmp[i * n + j] = compareVersions(a, texts.at(j));
    }
    for (qsizetype i = 0; i < n; ++i) {
        const QString& a = texts.at(i);
        if (cmp.at(i * n + i) != 0)
            return QStringLiteral("\"%1\" differs from itself").arg(a);
        for (qsizetype j = 0; j < n; ++j) {
            const QString& b = texts.at(j);
            const int ab = cmp.at(i * n + j);
            if (ab < -1 || ab > 1 || ab != -cmp.at(j * n + i))
                return QStringLiteral("\"%1\" vs \"%2\" not antisymmetric").arg(a, b);
            if (!ok.at(i) && ok.at(j) && ab != -1)
                return QStringLiteral("unusable \"%1\" not below \"%2\"").arg(a, b);
            if (!ok.at(i) && !ok.at(j) && ab != 0)
                return QStringLiteral("unusable texts not equal");
            for (qsizetype k = 0; k < n; ++k) {
                if (ab <= 0 && cmp.at(j * n + k) <= 0 && cmp.at(i * n + k) > 0)
                    return QStringLiteral("\"%1\" <= \"%2\" <= \"%3\" not transitive").arg(a, b, texts.at(k));
            }
        }
    }
    return QString();
}

inline QString checkSentence(const QString& device, const QString& file)
{
    const QString newer = QCoreApplication::translate("Quilbex", "A newer firmware version is available in this file.");
    const QString older =
        QCoreApplication::translate("Quilbex", "This file looks older than the firmware on your pedals.");
    const QString same =
        QCoreApplication::translate("Quilbex", "This file matches the firmware already on your pedals.");
    const int c = compareVersions(file, device);
    const QString expected = c > 0 ? newer : (c < 0 ? older : same);
    if (versionComparisonText(device, file, true, true) != expected)
        return QStringLiteral("sentence for \"%1\" against \"%2\" wrong").arg(file, device);
    return QString();
}

inline QString run(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QList<QString> texts;
    for (const QByteArray& part : bytes.split('\0').mid(0, 3))
        texts.append(QString::fromUtf8(part));

    QList<QString> versions = texts;
    for (const QString& t : texts) {
        QString failure = checkName(t);
        if (!failure.isEmpty())
            return failure;
        versions.append(versionFromFileName(t));
    }
    if (size >= 2) {
        const quint16 word = quint16((data[0] << 8) | data[1]);
        const quint16 other = quint16(~word);
        const QString a = formatFirmwareVersion(word);
        const QString b = formatFirmwareVersion(other);
        if (!usable(a) || versionComponent(a, 0) != word >> 8 || versionComponent(a, 1) != ((word >> 4) & 0xF)
            || versionComponent(a, 2) != (word & 0xF))
            return QStringLiteral("version word %1 shows as \"%2\"").arg(word).arg(a);
        const int byWord = word < other ? -1 : (word > other ? 1 : 0);
        if (compareVersions(a, b) != byWord)
            return QStringLiteral("\"%1\" vs \"%2\" orders unlike the words").arg(a, b);
        versions.append(a);
    }
    versions.removeDuplicates();
    QString failure = checkOrder(versions);
    if (!failure.isEmpty())
        return failure;
    // The version texts decide the sentence only when both are known.
    const QString noFileVersion =
        QCoreApplication::translate("Quilbex", "We couldn't read a version from the file name.");
    if (versionComparisonText(versions.first(), versions.last(), true, false) != noFileVersion
        || versionComparisonText(versions.first(), versions.last(), false, false) != noFileVersion
        || versionComparisonText(versions.first(), versions.last(), false, true)
            != QCoreApplication::translate("Quilbex", "Connect your pedals to see the current firmware version."))
        return QStringLiteral("sentence without a known version wrong");
    for (const QString& device : versions) {
        for (const QString& file : versions) {
            failure = checkSentence(device, file);
            if (!failure.isEmpty())
                return failure;
        }
    }
    return QString();
}

} // namespace FirmwareNameHarness
