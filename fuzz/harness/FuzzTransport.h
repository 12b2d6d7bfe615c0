#pragma once

#include "device/IHidTransport.h"

#include <QByteArray>
#include <QList>

#include <cstddef>
#include <cstdint>
#include <functional>

// An IHidTransport whose input reports come from fuzz data: each report is a length byte
// followed by that many bytes (fewer when the data ends); length 0 is a time-out. Once the
// data is used up every read times out. Reads per operation are capped so that a loop
// that lost its bound shows up as a finding instead of a hang.
class FuzzTransport : public IHidTransport
{
public:
    static constexpr int kReadCap = 4096;

    FuzzTransport(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}

    // Bit n set: write n (counted from 0, up to 7) fails. Later writes succeed.
    quint8 writeFailMask = 0;
    std::function<void(const QByteArray& report)> onWrite;
    std::function<void(const QByteArray& report, int timeoutMs)> onRead;

    QList<QByteArray> writes;
    int readsThisOperation = 0;
    bool readCapHit = false;

    void beginOperation()
    {
        readsThisOperation = 0;
        writes.clear();
    }

    quint8 takeByte(quint8 fallback = 0) { return m_pos < m_size ? m_data[m_pos++] : fallback; }
    QByteArray takeBytes(size_t count)
    {
        const size_t n = count < m_size - m_pos ? count : m_size - m_pos;
        QByteArray b(reinterpret_cast<const char*>(m_data + m_pos), qsizetype(n));
        m_pos += n;
        return b;
    }
    bool exhausted() const { return m_pos >= m_size; }

    bool open(const QString&) override { return true; }
    void close() override {}
    bool isOpen() const override { return true; }
    bool writeReport(const QByteArray& report) override
    {
        const bool fails = m_writeCount < 8 && (writeFailMask & (1u << m_writeCount)) != 0;
        ++m_writeCount;
        writes.append(report);
        if (onWrite)
            onWrite(report);
        return !fails;
    }
    QByteArray readReport(int timeoutMs) override
    {
        if (++readsThisOperation > kReadCap) {
            readCapHit = true;
            return QByteArray();
        }
        const QByteArray r = exhausted() ? QByteArray() : takeBytes(takeByte());
        if (onRead)
            onRead(r, timeoutMs);
        return r;
    }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_pos = 0;
    int m_writeCount = 0;
};
