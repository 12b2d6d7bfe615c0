#pragma once

// Shared by the fault-matrix tests: virtual pedals with two more ways to misbehave and a
// record of the target the tool last asked for, and a profiles directory whose bytes can be
// compared before and after.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QString>
#include <atomic>

#include "device/sim/SimulatedPedals.h"
#include "profiles/CurveProfileJsonStore.h"
#include "profiles/ProfileFormat.h"

class FaultPedals : public SimulatedPedals
{
public:
    // Writes report success but never reach the pedals (a device that ignores its host).
    std::atomic<bool> swallowWrites{false};
    // Every reply other than telemetry arrives under an unused report id.
    std::atomic<bool> wrongReplyIds{false};

    std::atomic<int> targetVid{kNormalVid};
    std::atomic<int> targetPid{kNormalPid};
    std::atomic<bool> targetFilter{true};

    bool targetIsNormal() const
    {
        return targetVid.load() == kNormalVid && targetPid.load() == kNormalPid && targetFilter.load();
    }

    void setVidPid(quint16 vid, quint16 pid, bool vendorPageFilter) override
    {
        targetVid = vid;
        targetPid = pid;
        targetFilter = vendorPageFilter;
        SimulatedPedals::setVidPid(vid, pid, vendorPageFilter);
    }

    bool writeReport(const QByteArray& report) override
    {
        if (swallowWrites.load())
            return isOpen();
        return SimulatedPedals::writeReport(report);
    }

    QByteArray readReport(int timeoutMs) override
    {
        QByteArray r = SimulatedPedals::readReport(timeoutMs);
        if (wrongReplyIds.load() && !r.isEmpty() && r.at(0) != char(0x02))
            r[0] = char(0x06);
        return r;
    }
};

// The user's profiles: the built-in set plus two of their own, read back byte for byte.
class ProfileFiles
{
public:
    bool create()
    {
        m_dir = CurveProfileJsonStore::defaultProfilesDirectory();
        QString error;
        if (!CurveProfileJsonStore::ensureDefaultProfiles(m_dir, &error))
            return false;
        CurveProfile mine = makeDefaultProfile(QStringLiteral("Wet Nordschleife"));
        mine.pedals[0].deadzoneTop = 7;
        mine.pedals[1].curveType = 2;
        if (!CurveProfileJsonStore::saveProfile(m_dir + QStringLiteral("/Wet Nordschleife.json"), mine, &error))
            return false;
        mine.profileName = QStringLiteral("Drift");
        mine.pedals[2].filter = 6;
        if (!CurveProfileJsonStore::saveProfile(m_dir + QStringLiteral("/Drift.json"), mine, &error))
            return false;
        m_before = read();
        return m_before.size() >= 3;
    }

    bool intact() const { return read() == m_before; }

private:
    QMap<QString, QByteArray> read() const
    {
        QMap<QString, QByteArray> files;
        const QDir dir(m_dir);
        for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden)) {
            QFile f(dir.filePath(name));
            files.insert(name, f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>"));
        }
        return files;
    }

    QString m_dir;
    QMap<QString, QByteArray> m_before;
};
