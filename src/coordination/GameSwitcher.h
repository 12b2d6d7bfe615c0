#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

#include "coordination/GameWatcher.h"

class DeviceConfigModel;
struct CurveProfile;

// One profile switch for the window or quilbex-cli watch to carry out.
struct GameSwitch
{
    QString exe;
    qint64 pid = 0;
    // The profile file (name in the profiles directory) to apply; empty: return to the
    // settings the pedals held before the first game was switched to.
    QString profileFile;
    bool gameEnded = false; // the switch follows a game's end
    // The first game of a run: what the pedals hold now is what a later return restores.
    bool fromBaseline = false;
};

// Decides the profile switches from the watcher's games, the bindings and the two options
// (GameBindings): the bound game started last wins; when it ends, and the user chose so,
// the profile of the game that runs on (or else the settings from before) comes back.
// Bindings are read again before every scan, so edits from anywhere take effect at once.
class GameSwitcher : public QObject
{
    Q_OBJECT
public:
    explicit GameSwitcher(GameWatcher* watcher, QObject* parent = nullptr);

    GameWatcher* watcher() const { return m_watcher; }
    // Reads the bindings and hands their executables to the watcher.
    void refreshBindings();

    // The configuration a switch leads to from what the pedals hold now: the profile's
    // settings by the profile mapping's rules, or (profile null) everything the pedals held
    // before, as kept in previous. ver and crc stay those of current.
    static void buildTarget(const DeviceConfigModel& current, const CurveProfile* profile,
                            const DeviceConfigModel* previous, DeviceConfigModel* out);

Q_SIGNALS:
    void switchRequested(const GameSwitch& change);

private:
    struct Running
    {
        QString exe;
        qint64 pid = 0;
        QString profileFile;
    };

    void onGameStarted(const QString& exe, qint64 pid);
    void onGameEnded(const QString& exe, qint64 pid);

    GameWatcher* m_watcher = nullptr;
    QHash<QString, QString> m_bindings; // executable (lower case) -> profile file
    QList<Running> m_running;           // bound games, in the order they started
    bool m_switched = false;            // a game's profile was requested since the last return
    QString m_target;                   // the profile requested last
};

Q_DECLARE_METATYPE(GameSwitch)
