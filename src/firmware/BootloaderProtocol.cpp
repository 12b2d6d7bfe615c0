#include "firmware/BootloaderProtocol.h"

#include <QtEndian>
#include <array>

#include "device/IHidTransport.h"

namespace Bootloader {

namespace {

std::array<quint16, 256> buildCrcTable()
{
    std::array<quint16, 256> table{};
    for (int i = 0; i < 256; ++i) {
        quint16 crc = quint16(i);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? quint16((crc >> 1) ^ 0xA001) : quint16(crc >> 1);
        table[size_t(i)] = crc;
    }
    return table;
}

QString hex4(quint16 value)
{
    return QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0'));
}

} // namespace

quint16 crc16(const quint8* data, int length)
{
    // Function-local static: built once, thread-safe, kept for the run.
    static const std::array<quint16, 256> table = buildCrcTable();
    quint16 crc = 0;
    if (!data)
        return crc;
    for (int i = 0; i < length; ++i)
        crc = quint16((crc >> 8) ^ table[(crc ^ data[i]) & 0xFF]);
    return crc;
}

quint16 crc16(const QByteArray& bytes)
{
    return crc16(reinterpret_cast<const quint8*>(bytes.constData()), int(bytes.size()));
}

QByteArray buildStartReport(quint16 size, quint16 checksum)
{
    QByteArray report(kReportSize, '\0');
    report[0] = kReportId;
    qToLittleEndian<quint16>(size, report.data() + 4);
    qToLittleEndian<quint16>(checksum, report.data() + 6);
    return report;
}

QByteArray buildDataReport(quint16 sequence, const QByteArray& piece)
{
    QByteArray report(kReportSize, char(0xFF));
    report[0] = kReportId;
    qToBigEndian<quint16>(sequence, report.data() + 1);
    report[3] = 0x00;
    const int n = int(qMin<qsizetype>(piece.size(), kPayloadSize));
    std::copy(piece.constBegin(), piece.constBegin() + n, report.begin() + 4);
    return report;
}

bool parseStatus(const QByteArray& reply, quint16* status)
{
    for (qsizetype i = 0; i + 2 < reply.size(); ++i) {
        if (reply.at(i) == kReportId) {
            if (status)
                *status = qFromBigEndian<quint16>(reply.constData() + i + 1);
            return true;
        }
    }
    return false;
}

bool sendAndAwaitStatus(IHidTransport* transport, const QByteArray& report, int timeoutMs, int tries, quint16* status,
                        QString* message)
{
    if (!transport || report.size() != kReportSize) {
        if (message)
            *message = QStringLiteral("Something went wrong while preparing the update. Please try again.");
        return false;
    }
    if (tries < 1)
        return false;

    const int pollMs = qBound(10, timeoutMs / 4 + 10, 80);
    for (int attempt = 1; attempt <= tries; ++attempt) {
        if (!transport->writeReport(report)) {
            if (message)
                *message = QStringLiteral("Couldn't send data to the device (try %1 of %2). Check the USB cable.")
                               .arg(attempt)
                               .arg(tries);
            continue;
        }
        for (int waited = 0; waited < timeoutMs; waited += pollMs) {
            quint16 value = 0;
            if (parseStatus(transport->readReport(pollMs), &value)) {
                if (status)
                    *status = value;
                return true;
            }
        }
        if (message)
            *message = QStringLiteral("The device didn't reply in time (try %1 of %2). Check the USB connection.")
                           .arg(attempt)
                           .arg(tries);
    }
    return false;
}

QString deviceStatusText(quint16 status)
{
    switch (status) {
    case kStatusCompleted: return QStringLiteral("Update completed on the device");
    case kStatusInvalidImage: return QStringLiteral("This firmware file doesn't fit or isn't valid for your pedals");
    case kStatusNotVerified: return QStringLiteral("The device couldn't confirm the firmware after installation");
    case kStatusStorageNotReady: return QStringLiteral("The device couldn't prepare its storage for the update");
    case kStatusOutOfSequence:
        return QString::fromUtf8("The update was interrupted or got out of sync\u2014try again from the beginning");
    default: break;
    }
    if (status >= 0x0001 && status <= 0xEFFF)
        return QStringLiteral("Device status code 0x%1").arg(hex4(status));
    return QStringLiteral("Unexpected device response (0x%1)").arg(hex4(status));
}

} // namespace Bootloader
