#include "coordination/GameSwitcher.h"

#include <QDebug>

#include "coordination/DeviceConfigModel.h"
#include "profiles/GameBindings.h"
#include "profiles/ProfileMapping.h"

GameSwitcher::GameSwitcher(GameWatcher* watcher, QObject* parent) : QObject(parent), m_watcher(watcher)
{
    qRegisterMetaType<GameSwitch>();
    if (!m_watcher)
        return;
    connect(m_watcher, &GameWatcher::aboutToScan, this, &GameSwitcher::refreshBindings);
    connect(m_watcher, &GameWatcher::gameStarted, this, &GameSwitcher::onGameStarted);
    connect(m_watcher, &GameWatcher::gameEnded, this, &GameSwitcher::onGameEnded);
}

void GameSwitcher::refreshBindings()
{
    m_bindings = GameBindings::executableMap();
    if (m_watcher)
        m_watcher->setWatchedExecutables(m_bindings.keys());
}

void GameSwitcher::buildTarget(const DeviceConfigModel& current, const CurveProfile* profile,
                               const DeviceConfigModel* previous, DeviceConfigModel* out)
{
    out->copyFrom(previous && !profile ? *previous : current);
    out->ver = current.ver;
    out->crc = current.crc;
    if (profile)
        ProfileMapping::applyProfileToConfig(*profile, out);
}

void GameSwitcher::onGameStarted(const QString& exe, qint64 pid)
{
    const QString profile = m_bindings.value(exe.toLower());
    if (profile.isEmpty())
        return;
    m_running.append({exe, pid, profile});
    qDebug().noquote() << "[Games]" << exe << "started, pid" << pid << "- bound to" << profile;
    if (!GameBindings::switchOnStart() || (m_switched && m_target == profile))
        return;
    const GameSwitch change{exe, pid, profile, false, !m_switched};
    m_switched = true;
    m_target = profile;
    Q_EMIT switchRequested(change);
}

void GameSwitcher::onGameEnded(const QString& exe, qint64 pid)
{
    const auto it = std::find_if(m_running.begin(), m_running.end(), [pid](const Running& r) { return r.pid == pid; });
    if (it == m_running.end())
        return;
    m_running.erase(it);
    qDebug().noquote() << "[Games]" << exe << "ended, pid" << pid;
    if (!m_switched)
        return;
    if (!GameBindings::returnOnEnd()) {
        // Nothing comes back; the next game starts a new run from whatever is on the pedals.
        if (m_running.isEmpty()) {
            m_switched = false;
            m_target.clear();
        }
        return;
    }
    if (!m_running.isEmpty()) {
        const QString winner = m_running.last().profileFile;
        if (winner == m_target)
            return;
        m_target = winner;
        Q_EMIT switchRequested(GameSwitch{exe, pid, winner, true, false});
        return;
    }
    m_switched = false;
    m_target.clear();
    Q_EMIT switchRequested(GameSwitch{exe, pid, QString(), true, false});
}
