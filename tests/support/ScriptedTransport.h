#pragma once

#include "device/IHidTransport.h"

#include <QByteArray>
#include <QList>

#include <deque>
#include <functional>

// A scriptable IHidTransport for protocol tests.
//  - input reports are queued with push() and handed out one per readReport(), oldest first;
//  - every write is recorded in writes; onWrite (if set) runs per write, may push replies
//    and decides the write's result;
//  - every readReport's time-out is recorded in readTimeouts; onRead (if set) runs before
//    the queue is consulted (to let reports "arrive" while the caller waits).
// Reads never block: an empty queue answers empty whatever the time-out.
class ScriptedTransport : public IHidTransport
{
public:
    using WriteHook = std::function<bool(ScriptedTransport& t, const QByteArray& report)>;
    using ReadHook = std::function<void(ScriptedTransport& t, int timeoutMs)>;

    bool opened = true;
    bool writeResult = true; // result of a write when no hook is set
    WriteHook onWrite;
    ReadHook onRead;

    QList<QByteArray> writes;
    QList<int> readTimeouts;
    std::deque<QByteArray> queue;

    void push(const QByteArray& report) { queue.push_back(report); }

    static QByteArray bytesOf(std::initializer_list<int> bytes)
    {
        QByteArray b;
        for (int v : bytes)
            b.append(char(v));
        return b;
    }
    // A report of `size` bytes: id first, zeros after.
    static QByteArray report(int id, int size)
    {
        QByteArray b(size, '\0');
        if (size > 0)
            b[0] = char(id);
        return b;
    }

    bool open(const QString&) override
    {
        opened = true;
        return true;
    }
    void close() override { opened = false; }
    bool isOpen() const override { return opened; }
    bool writeReport(const QByteArray& report) override
    {
        writes.append(report);
        if (onWrite)
            return onWrite(*this, report);
        return writeResult;
    }
    QByteArray readReport(int timeoutMs) override
    {
        readTimeouts.append(timeoutMs);
        if (onRead)
            onRead(*this, timeoutMs);
        if (queue.empty())
            return QByteArray();
        QByteArray r = queue.front();
        queue.pop_front();
        return r;
    }
};
