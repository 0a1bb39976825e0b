#pragma once

#include "sequence/SequenceContent.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

// The bytes of a sequence file (.zfx).
//
// A plain header line names the program and the format version. The body
// after it is the plain body text
//     vehicle "F" parameters "P" count0 "Z" rows0 count1 "Z" rows1 checksum
// with each row written as interval "I" [marker "W"] lamp1..lamp4 "@" (the
// lamp bytes as characters with those codes). Every character is scrambled
// with the file key and written as a little-endian unit: 4 bytes for the
// separators "F", "P" and "Z", 2 bytes for all others. The checksum starts at
// 85 and takes every character up to the last "@" or "Z" by exclusive-or; it
// is written in decimal after them.
namespace SequenceCodec {

// Any fixed byte with the top bit set: scrambled characters are then never
// 0, CR or LF, so the body has no line break and every 0 byte is padding.
inline constexpr std::uint8_t FileKey = 0xB7;
inline constexpr std::uint8_t ChecksumStart = 85;
// Lamp bytes use bits 0 to 5; larger values could not be told from the separators.
inline constexpr int MaxLampByte = 63;
// No sequence file comes near this size; larger files are refused unread.
inline constexpr qint64 MaxFileSize = 1024 * 1024;

QByteArray headerLine();

// Printable ASCII without the letters the body uses as separators
// ("F", "P", "Z", "I", "W", "@").
bool isFieldText(const QString& text);
// Why the content cannot be written (empty when it can): a field that is not
// field text, a lamp byte above 63, more than 500 rows in a table, a file
// larger than MaxFileSize. What passes here, decode() reads back.
QString encodeProblem(const SequenceContent& content);
// The whole file; empty when encodeProblem() is not empty.
QByteArray encode(const SequenceContent& content);

enum class Status
{
    Ok,
    ChecksumMismatch, // the body was changed or damaged
    Damaged,          // the checksum is not the problem, but the body does not parse
};

struct Decoded
{
    Status status = Status::Damaged;
    SequenceContent content; // only when status is Ok
    QString problem;         // a short English description when it is not
};

// Reads a whole file. checkChecksum false skips the checksum test (the
// unchanged test compares the content only). Rows, counts and fields are
// checked strictly: anything the writer could not have written is Damaged.
Decoded decode(const QByteArray& bytes, bool checkChecksum = true);

} // namespace SequenceCodec
