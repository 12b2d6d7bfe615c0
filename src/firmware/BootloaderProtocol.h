#pragma once

#include <QByteArray>
#include <QString>

class IHidTransport;

// Reports of the pedals' update mode: 64 bytes each, report id 0x04; every report is
// answered with a 16-bit status.
namespace Bootloader {

constexpr quint16 kUpdateVendorId = 0x0483;
constexpr quint16 kUpdateProductId = 0xBEBA;
constexpr quint16 kNormalVendorId = 0x7864;
constexpr quint16 kNormalProductId = 0x5801;

constexpr int kReportSize = 64;
constexpr int kPayloadSize = 60;
constexpr char kReportId = 0x04;

constexpr quint16 kStatusCompleted = 0xF000;
constexpr quint16 kStatusInvalidImage = 0xF001;
constexpr quint16 kStatusNotVerified = 0xF002;
constexpr quint16 kStatusStorageNotReady = 0xF003;
constexpr quint16 kStatusOutOfSequence = 0xF004;

// CRC-16/ARC, table-driven; the same value as the bitwise crc16 of the configuration block.
quint16 crc16(const quint8* data, int length);
quint16 crc16(const QByteArray& bytes);

// Announces the image: size and checksum, both little-endian.
QByteArray buildStartReport(quint16 size, quint16 checksum);

// Piece `sequence` (big-endian, first piece is 1) with up to 60 bytes; unused bytes are 0xFF.
QByteArray buildDataReport(quint16 sequence, const QByteArray& piece);

// Status carried by a reply: the two bytes after the first 0x04 that still has two bytes
// behind it, big-endian. False when the reply holds none.
bool parseStatus(const QByteArray& reply, quint16* status);

// Writes the report and polls for a status, re-sending up to `tries` times. On false,
// `message` (if given) holds the last attempt's plain-English reason.
bool sendAndAwaitStatus(IHidTransport* transport, const QByteArray& report, int timeoutMs, int tries, quint16* status,
                        QString* message);

// Plain-English meaning of a status (not translated; callers embed it).
QString deviceStatusText(quint16 status);

} // namespace Bootloader
