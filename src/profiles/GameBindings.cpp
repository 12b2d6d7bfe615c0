#include "profiles/GameBindings.h"

#include <QCoreApplication>
#include <QMap>
#include <QSettings>

namespace GameBindings {

namespace {

const char* const kBindingsGroup = "games/bindings";
const char* const kSwitchOnStartKey = "games/switchOnStart";
const char* const kReturnOnEndKey = "games/returnOnEnd";

// The executables of the games the built-in profiles are named after. A game may start
// under more than one name (a 64-bit or DirectX 12 build, a native Linux build); launchers
// that only start the game are left out.
const QMap<QString, QStringList>& defaultTable()
{
    static const QMap<QString, QStringList> table{
        {QStringLiteral("Assetto Corsa.json"), {QStringLiteral("acs.exe")}},
        {QStringLiteral("Assetto Corsa Competizione.json"), {QStringLiteral("AC2-Win64-Shipping.exe")}},
        {QStringLiteral("Automobilista 2.json"), {QStringLiteral("AMS2AVX.exe"), QStringLiteral("AMS2.exe")}},
        {QStringLiteral("BeamNG.drive.json"),
         {QStringLiteral("BeamNG.drive.x64.exe"), QStringLiteral("BeamNG.drive.x64")}},
        {QStringLiteral("DiRT Rally 2.0.json"), {QStringLiteral("dirtrally2.exe")}},
        {QStringLiteral("F1 25.json"), {QStringLiteral("F1_25.exe")}},
        {QStringLiteral("iRacing.json"),
         {QStringLiteral("iRacingSim64DX11.exe"), QStringLiteral("iRacingSim64DX12.exe")}},
        {QStringLiteral("Le Mans Ultimate.json"), {QStringLiteral("Le Mans Ultimate.exe")}},
        {QStringLiteral("RaceRoom Racing Experience.json"), {QStringLiteral("RRRE64.exe"), QStringLiteral("RRRE.exe")}},
        {QStringLiteral("rFactor 2.json"), {QStringLiteral("rFactor2.exe")}},
    };
    return table;
}

// Settings keys treat '/' and '\' as group separators; a profile file name may hold the
// latter, so both (and the escape character itself) are escaped.
QString keyOf(const QString& fileName)
{
    QString key = fileName;
    key.replace(QLatin1Char('%'), QLatin1String("%25"));
    key.replace(QLatin1Char('/'), QLatin1String("%2F"));
    key.replace(QLatin1Char('\\'), QLatin1String("%5C"));
    return key;
}

QString fileNameOf(const QString& key)
{
    QString name = key;
    name.replace(QLatin1String("%2F"), QLatin1String("/"));
    name.replace(QLatin1String("%5C"), QLatin1String("\\"));
    name.replace(QLatin1String("%25"), QLatin1String("%"));
    return name;
}

// Every profile with bindings, stored lists replacing the table's.
QMap<QString, QStringList> allBindings()
{
    QMap<QString, QStringList> all = defaultTable();
    QSettings settings;
    settings.sync(); // another process (quilbex-cli bind) may have changed them
    settings.beginGroup(QLatin1String(kBindingsGroup));
    for (const QString& key : settings.childKeys())
        all.insert(fileNameOf(key), settings.value(key).toStringList());
    return all;
}

void store(const QString& profileFileName, const QStringList& exes)
{
    QSettings settings;
    settings.beginGroup(QLatin1String(kBindingsGroup));
    settings.setValue(keyOf(profileFileName), exes);
}

// A profile without bindings: nothing stored, unless the built-in table would bind it.
void forget(const QString& profileFileName)
{
    if (defaultTable().contains(profileFileName)) {
        store(profileFileName, {});
        return;
    }
    QSettings settings;
    settings.beginGroup(QLatin1String(kBindingsGroup));
    settings.remove(keyOf(profileFileName));
}

int indexOf(const QStringList& exes, const QString& exe)
{
    for (int i = 0; i < exes.size(); ++i) {
        if (exes.at(i).compare(exe, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

bool readFlag(const char* key, bool fallback)
{
    return QSettings().value(QLatin1String(key), fallback).toBool();
}

} // namespace

QStringList defaultExecutables(const QString& profileFileName)
{
    return defaultTable().value(profileFileName);
}

QStringList executables(const QString& profileFileName)
{
    return allBindings().value(profileFileName);
}

QHash<QString, QString> executableMap()
{
    QHash<QString, QString> map;
    const QMap<QString, QStringList> all = allBindings();
    for (auto it = all.constBegin(); it != all.constEnd(); ++it) {
        for (const QString& exe : it.value()) {
            const QString lower = exe.toLower();
            if (!map.contains(lower))
                map.insert(lower, it.key());
        }
    }
    return map;
}

QString cleanExecutableName(const QString& input, QString* error)
{
    QString name = input.trimmed();
    const int cut = qMax(name.lastIndexOf(QLatin1Char('/')), name.lastIndexOf(QLatin1Char('\\')));
    name = name.mid(cut + 1).trimmed();
    bool control = false;
    for (const QChar c : name)
        control = control || c.category() == QChar::Other_Control;
    if (name.isEmpty() || control || name.size() > 255) {
        if (error)
            *error = QCoreApplication::translate("Quilbex", "Not an executable file name: \"%1\"").arg(input);
        return QString();
    }
    return name;
}

bool bind(const QString& profileFileName, const QString& exe, QString* previousOwner, QString* error)
{
    const QString name = cleanExecutableName(exe, error);
    if (name.isEmpty())
        return false;
    const QMap<QString, QStringList> all = allBindings();
    for (auto it = all.constBegin(); it != all.constEnd(); ++it) {
        if (it.key() == profileFileName || indexOf(it.value(), name) < 0)
            continue;
        QStringList others = it.value();
        others.removeAt(indexOf(others, name));
        store(it.key(), others);
        if (previousOwner)
            *previousOwner = it.key();
    }
    QStringList exes = all.value(profileFileName);
    if (indexOf(exes, name) < 0) {
        exes.append(name);
        store(profileFileName, exes);
    }
    return true;
}

bool unbind(const QString& profileFileName, const QString& exe)
{
    QStringList exes = executables(profileFileName);
    const int index = indexOf(exes, exe.trimmed());
    if (index < 0)
        return false;
    exes.removeAt(index);
    store(profileFileName, exes);
    return true;
}

void renameProfile(const QString& oldFileName, const QString& newFileName)
{
    if (oldFileName == newFileName)
        return;
    const QStringList exes = executables(oldFileName);
    store(newFileName, exes);
    forget(oldFileName);
}

void removeProfile(const QString& fileName)
{
    forget(fileName);
}

bool switchOnStart()
{
    return readFlag(kSwitchOnStartKey, true);
}

bool returnOnEnd()
{
    return readFlag(kReturnOnEndKey, false);
}

void setSwitchOnStart(bool on)
{
    QSettings().setValue(QLatin1String(kSwitchOnStartKey), on);
}

void setReturnOnEnd(bool on)
{
    QSettings().setValue(QLatin1String(kReturnOnEndKey), on);
}

} // namespace GameBindings
