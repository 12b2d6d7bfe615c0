#pragma once

// Update-mode status replies from fuzz data: parseStatus on a raw reply, sendAndAwaitStatus
// over a transport answering with fuzz replies, and deviceStatusText on the statuses.
//   byte 0: write failure mask; then per exchange: time-out (x10 ms, 0..2550),
//   tries (signed, -2..13), report length (64 unless the byte is above 0xF0), replies.

#include "firmware/BootloaderProtocol.h"
#include "FuzzTransport.h"

#include <QString>

#include <cstddef>
#include <cstdint>

namespace StatusReplyHarness {

constexpr int kMaxExchanges = 6;

// The reply's status by the rule of the update mode, written out independently.
inline bool referenceStatus(const QByteArray& reply, quint16* status)
{
    for (qsizetype i = 0; i + 3 <= reply.size(); ++i) {
        if (quint8(reply.at(i)) == 0x04) {
            *status = quint16((quint8(reply.at(i + 1)) << 8) | quint8(reply.at(i + 2)));
            return true;
        }
    }
    return false;
}

inline QString checkStatusText(quint16 status)
{
    const QString text = Bootloader::deviceStatusText(status);
    if (text.isEmpty())
        return QStringLiteral("no text for status %1").arg(status);
    if (status >= 0xF000 && status <= 0xF004)
        return QString();
    const QString code = QStringLiteral("%1").arg(status, 4, 16, QLatin1Char('0'));
    const QString expected = (status >= 0x0001 && status <= 0xEFFF)
        ? QStringLiteral("Device status code 0x") + code
        : QStringLiteral("Unexpected device response (0x") + code + QLatin1Char(')');
    if (text != expected)
        return QStringLiteral("status %1 gives \"%2\"").arg(status).arg(text);
    return QString();
}

inline QString checkParse(const QByteArray& reply)
{
    quint16 expected = 0;
    quint16 got = 0xA5A5;
    const bool expectedFound = referenceStatus(reply, &expected);
    const bool found = Bootloader::parseStatus(reply, &got);
    if (found != expectedFound || (found && got != expected))
        return QStringLiteral("parseStatus wrong on %1").arg(QString::fromLatin1(reply.toHex()));
    if (!found && got != 0xA5A5)
        return QStringLiteral("parseStatus wrote a status it did not find");
    return QString();
}

inline QString checkExchange(FuzzTransport& t)
{
    const int timeoutMs = int(t.takeByte()) * 10;
    const int tries = int(t.takeByte() % 16) - 2;
    const quint8 lengthByte = t.takeByte();
    const int length = lengthByte > 0xF0 ? int(lengthByte - 0xF0) * 9 : Bootloader::kReportSize;
    QByteArray report(length, char(0x04));

    QByteArray last;
    int reads = 0;
    t.onRead = [&](const QByteArray& r, int) {
        last = r;
        ++reads;
    };

    quint16 status = 0x5A5A;
    QString message = QStringLiteral("untouched");
    const bool ok = Bootloader::sendAndAwaitStatus(&t, report, timeoutMs, tries, &status, &message);
    t.onRead = nullptr;

    const int pollMs = qBound(10, timeoutMs / 4 + 10, 80);
    const int readsPerTry = timeoutMs > 0 ? (timeoutMs + pollMs - 1) / pollMs : 0;
    if (t.writes.size() > qMax(tries, 0))
        return QStringLiteral("%1 writes for %2 tries").arg(t.writes.size()).arg(tries);
    if (reads > qMax(tries, 0) * readsPerTry)
        return QStringLiteral("%1 reads for %2 tries of %3 ms").arg(reads).arg(tries).arg(timeoutMs);
    for (const QByteArray& w : t.writes) {
        if (w != report)
            return QStringLiteral("sent a report other than the one given");
    }
    if (length != Bootloader::kReportSize) {
        if (ok || !t.writes.isEmpty())
            return QStringLiteral("a %1-byte report was sent").arg(length);
        return QString();
    }
    if (ok) {
        quint16 expected = 0;
        if (!referenceStatus(last, &expected) || expected != status)
            return QStringLiteral("status %1 is not the last reply's").arg(status);
        return checkStatusText(status);
    }
    if (status != 0x5A5A)
        return QStringLiteral("failed exchange wrote a status");
    if (tries >= 1 && (message.isEmpty() || message == QStringLiteral("untouched")))
        return QStringLiteral("failed exchange without a message");
    if (tries >= 1 && !message.contains(QStringLiteral("of %1").arg(tries)))
        return QStringLiteral("message does not name the tries: %1").arg(message);
    return QString();
}

inline QString run(const uint8_t* data, size_t size)
{
    // The whole input as one reply, then every status the input's words spell.
    const QByteArray whole(reinterpret_cast<const char*>(data), qsizetype(size));
    QString failure = checkParse(whole);
    if (!failure.isEmpty())
        return failure;
    for (size_t i = 0; i + 1 < size && i < 64; i += 2) {
        failure = checkStatusText(quint16((data[i] << 8) | data[i + 1]));
        if (!failure.isEmpty())
            return failure;
    }

    FuzzTransport t(data, size);
    t.writeFailMask = t.takeByte();
    for (int n = 0; n < kMaxExchanges && !t.exhausted(); ++n) {
        t.beginOperation();
        failure = checkExchange(t);
        if (t.readCapHit)
            return QStringLiteral("exchange read without bound");
        if (!failure.isEmpty())
            return failure;
    }
    return QString();
}

} // namespace StatusReplyHarness
