#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// Which game executables each profile is bound to, and the two switching options. Kept in
// the application's settings (group "games"), so profile files keep their format; profiles
// are named by their file name in the profiles directory ("Assetto Corsa.json").
//
// The built-in profiles come bound to their game: while a profile's bindings were never
// edited, the built-in table answers for it. Any edit, removing a built-in binding
// included, is stored and from then on replaces the table for that profile.
namespace GameBindings {

// The executables a built-in profile is bound to until its bindings are edited.
QStringList defaultExecutables(const QString& profileFileName);

// The profile's executables: its stored list, or the built-in table's.
QStringList executables(const QString& profileFileName);
// Every stored or built-in binding: executable (lower case) -> profile file name. An
// executable bound to several profiles belongs to the first by file name.
QHash<QString, QString> executableMap();

// The executable's file name from a name or a path ('/' or '\\' separated), surrounding
// blanks removed; empty (with a message) when nothing usable is left.
QString cleanExecutableName(const QString& input, QString* error);

// Binds exe (as cleaned above) to the profile. An executable belongs to one profile only:
// a binding it had elsewhere moves here, and *previousOwner names that profile. False
// with a message for an unusable name; true (no change) when already bound here.
bool bind(const QString& profileFileName, const QString& exe, QString* previousOwner, QString* error);
// False when exe (compared ignoring case) was not bound to the profile.
bool unbind(const QString& profileFileName, const QString& exe);

// A renamed profile keeps its bindings; a deleted one drops them (for good: a later
// profile of the same file name starts unbound, built-in name or not).
void renameProfile(const QString& oldFileName, const QString& newFileName);
void removeProfile(const QString& fileName);

bool switchOnStart(); // "Switch profiles when a game starts", on by default
bool returnOnEnd();   // "Return to the previous profile when the game ends", off by default
void setSwitchOnStart(bool on);
void setReturnOnEnd(bool on);

} // namespace GameBindings
