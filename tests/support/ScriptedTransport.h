#pragma once

#include "device/IHidTransport.h"

#include <QList>
#include <deque>
#include <functional>

// Reads hand out queued reports and never block; writes and read time-outs are recorded. onWrite may
// queue replies and decides the write's result; onRead runs before each read (reports arriving).
class ScriptedTransport : public IHidTransport
{
public:
    bool opened = true;
    bool writeResult = true; // when no onWrite is set
    std::function<bool(ScriptedTransport&, const QByteArray&)> onWrite;
    std::function<void(ScriptedTransport&)> onRead;
    QList<QByteArray> writes;
    QList<int> readTimeouts;
    std::deque<QByteArray> queue;

    void push(const QByteArray& report) { queue.push_back(report); }

    bool open(const QString&) override { return opened = true; }
    void close() override { opened = false; }
    bool isOpen() const override { return opened; }
    bool writeReport(const QByteArray& report) override
    {
        writes.append(report);
        return onWrite ? onWrite(*this, report) : writeResult;
    }
    QByteArray readReport(int timeoutMs) override
    {
        readTimeouts.append(timeoutMs);
        if (onRead)
            onRead(*this);
        if (queue.empty())
            return QByteArray();
        const QByteArray r = queue.front();
        queue.pop_front();
        return r;
    }
};
