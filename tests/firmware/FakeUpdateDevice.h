#pragma once

// Pedals for the update tests: present under the normal identity, switch to the update-mode
// identity on the "bootloader run" command, take a start report and numbered data reports,
// answer each with a status, and come back in normal mode after a complete image. Knobs force
// the failure paths. Worker and GUI thread use it one at a time; the mutex keeps the race
// detector informed and lets tests read while a detached worker finishes.

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QMutexLocker>
#include <QString>
#include <QStringList>
#include <QtEndian>
#include <deque>
#include <functional>

#include "device/IHidTransport.h"

class FakeUpdateDevice : public IHidTransport
{
public:
    struct Target
    {
        quint16 vid;
        quint16 pid;
        bool filter;
        bool operator==(const Target& o) const { return vid == o.vid && pid == o.pid && filter == o.filter; }
    };
    static constexpr Target kNormal{0x7864, 0x5801, true};
    static constexpr Target kUpdate{0x0483, 0xBEBA, false};

    enum class Mode { Normal, Update, Away };

    // Status to send for report `sequence` (0 = start) instead of `proposed`; -1 sends nothing.
    using ReplyHook = std::function<int(int sequence, int proposed)>;

    explicit FakeUpdateDevice(Mode mode = Mode::Normal) : m_mode(mode) {}

    // ---- knobs, set before the update starts ----
    bool enterUpdateMode = true;     // the command takes the pedals to update mode
    bool returnAfterUpdate = true;   // restart in normal mode after 0xF000
    bool failUpdateOpen = false;
    bool failAllWrites = false;
    int failWritesFromSequence = -1; // update-mode reports from this sequence on fail to write
    ReplyHook replyHook;

    // ---- IHidTransport ----
    void setVidPid(quint16 vid, quint16 pid, bool filter) override
    {
        QMutexLocker l(&m_mutex);
        m_target = Target{vid, pid, filter};
        m_targets.append(m_target);
    }
    QString findDevice() override
    {
        QMutexLocker l(&m_mutex);
        ++m_finds;
        if (m_target == kNormal && m_mode == Mode::Normal)
            return QStringLiteral("normal-path");
        if (m_target == kUpdate && m_mode == Mode::Update)
            return QStringLiteral("update-path");
        return QString();
    }
    bool open(const QString& path) override
    {
        QMutexLocker l(&m_mutex);
        m_opened.append(path);
        if (path == QLatin1String("update-path") && (failUpdateOpen || m_mode != Mode::Update))
            return false;
        if (path == QLatin1String("normal-path") && m_mode != Mode::Normal)
            return false;
        m_openPath = path;
        return true;
    }
    void close() override
    {
        QMutexLocker l(&m_mutex);
        m_openPath.clear();
    }
    bool isOpen() const override
    {
        QMutexLocker l(&m_mutex);
        return !m_openPath.isEmpty();
    }
    bool writeReport(const QByteArray& report) override
    {
        QMutexLocker l(&m_mutex);
        m_writes.append(report);
        if (failAllWrites || m_openPath.isEmpty())
            return false;
        if (m_mode == Mode::Normal) {
            if (report.size() == 64 && report.at(0) == 0x05 && report.mid(1, 14) == "bootloader run"
                && enterUpdateMode)
                m_mode = Mode::Update;
            return true;
        }
        if (report.size() != 64 || report.at(0) != 0x04)
            return true;
        const int sequence = qFromBigEndian<quint16>(report.constData() + 1);
        if (failWritesFromSequence >= 0 && sequence >= failWritesFromSequence)
            return false;
        int proposed;
        if (sequence == 0) {
            m_announcedSize = qFromLittleEndian<quint16>(report.constData() + 4);
            m_announcedCrc = qFromLittleEndian<quint16>(report.constData() + 6);
            m_image.clear();
            m_expected = 1;
            proposed = 1;
        } else if (sequence != m_expected) {
            proposed = 0xF004;
        } else {
            m_image.append(report.mid(4, 60));
            ++m_expected;
            proposed = m_image.size() >= m_announcedSize ? 0xF000 : m_expected;
        }
        const int status = replyHook ? replyHook(sequence, proposed) : proposed;
        if (status >= 0) {
            QByteArray reply(3, '\0');
            reply[0] = 0x04;
            qToBigEndian<quint16>(quint16(status), reply.data() + 1);
            m_replies.push_back(reply);
        }
        if (status == 0xF000) {
            m_image.truncate(m_announcedSize);
            m_openPath.clear();
            m_mode = returnAfterUpdate ? Mode::Normal : Mode::Away;
        }
        return true;
    }
    QByteArray readReport(int) override
    {
        QMutexLocker l(&m_mutex);
        if (m_replies.empty())
            return QByteArray();
        const QByteArray r = m_replies.front();
        m_replies.pop_front();
        return r;
    }

    // ---- observations ----
    void openNormally()
    {
        QMutexLocker l(&m_mutex);
        if (m_mode == Mode::Normal)
            m_openPath = QStringLiteral("normal-path");
    }
    Target target() const { QMutexLocker l(&m_mutex); return m_target; }
    QList<Target> targets() const { QMutexLocker l(&m_mutex); return m_targets; }
    QList<QByteArray> writes() const { QMutexLocker l(&m_mutex); return m_writes; }
    QStringList opened() const { QMutexLocker l(&m_mutex); return m_opened; }
    QByteArray image() const { QMutexLocker l(&m_mutex); return m_image; }
    int announcedSize() const { QMutexLocker l(&m_mutex); return m_announcedSize; }
    quint16 announcedCrc() const { QMutexLocker l(&m_mutex); return m_announcedCrc; }
    Mode mode() const { QMutexLocker l(&m_mutex); return m_mode; }
    int dataReports() const
    {
        QMutexLocker l(&m_mutex);
        int n = 0;
        for (const QByteArray& w : m_writes)
            n += (w.size() == 64 && w.at(0) == 0x04 && (w.at(1) != 0 || w.at(2) != 0)) ? 1 : 0;
        return n;
    }

private:
    mutable QMutex m_mutex;
    Mode m_mode;
    Target m_target = kNormal;
    QList<Target> m_targets;
    QString m_openPath;
    QStringList m_opened;
    QList<QByteArray> m_writes;
    std::deque<QByteArray> m_replies;
    QByteArray m_image;
    int m_announcedSize = 0;
    quint16 m_announcedCrc = 0;
    int m_expected = 1;
    int m_finds = 0;
};
