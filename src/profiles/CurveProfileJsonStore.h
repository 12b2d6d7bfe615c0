#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include "profiles/ProfileFormat.h"

// One listed profile.
struct ProfileEntry
{
    QString filePath;
    QString displayName;
};

// A store of profiles addressed by name.
class ICurveProfileStore
{
public:
    virtual ~ICurveProfileStore() = default;
    virtual bool loadByName(const QString& name, CurveProfile& out, QString* error) = 0;
    virtual bool saveByName(const QString& name, const CurveProfile& profile, QString* error) = 0;
};

// Profiles as JSON files in one directory. Stateless but for one seeding started ahead:
// every operation takes the directory or file path; the by-name interface is not used by
// this application.
class CurveProfileJsonStore : public ICurveProfileStore
{
public:
    bool loadByName(const QString& name, CurveProfile& out, QString* error) override;
    bool saveByName(const QString& name, const CurveProfile& profile, QString* error) override;

    static QString defaultProfilesDirectory();
    // Creates the directory; seeds the built-in profiles while it holds no .json file.
    static bool ensureDefaultProfiles(const QString& dir, QString* error);
    // Runs ensureDefaultProfiles(dir) on a thread of its own, so that a first start writes the
    // built-in profiles (each synced to disk) while the window is built. The next
    // ensureDefaultProfiles for that directory waits for it and reports its result;
    // finishEnsuringDefaultProfiles() waits for one nobody asked for.
    static void startEnsuringDefaultProfiles(const QString& dir);
    static void finishEnsuringDefaultProfiles();
    // Every *.json file, sorted by display name; unreadable files are listed by base name.
    static QList<ProfileEntry> listProfiles(const QString& dir);
    static bool loadProfile(const QString& filePath, CurveProfile& out, QString* error);
    // Replaces the file atomically: a failed write leaves the previous file as it was.
    static bool saveProfile(const QString& filePath, const CurveProfile& profile, QString* error);
    static bool importProfile(const QString& dir, const QByteArray& bytes, QString* newFilePath, QString* error);
    static bool deleteProfile(const QString& filePath, QString* error);
    static bool renameProfile(const QString& dir, const QString& filePath, const QString& newName, QString* newFilePath,
                              QString* error);
    static bool validateProfileName(const QString& name, QString* error);
    static QString sanitizeProfileName(const QString& name);
    static QString uniqueProfileBaseName(const QString& dir, const QString& desiredName);
    static QStringList builtInProfileNames();
};
