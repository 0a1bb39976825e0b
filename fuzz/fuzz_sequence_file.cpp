// Feeds arbitrary bytes to the sequence file reader. Whatever comes in, the
// reader must not crash, hang or read out of bounds; a refused file must
// leave the document empty and untitled; an accepted one must be written
// back and read again to the same content, and compare as unchanged.
#include "sequence/SequenceDocument.h"
#include "sequence/SequenceFile.h"

#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

// Random bytes rarely pass the checksum; this turns them into the body of a
// file with the right checksum, so that the parser behind it is reached too.
QByteArray withChecksum(const std::uint8_t* data, std::size_t size)
{
    QByteArray out = SequenceCodec::headerLine();
    std::uint8_t checksum = SequenceCodec::ChecksumStart;
    for (std::size_t i = 0; i < size; ++i) {
        out.append(char(data[i] ^ SequenceCodec::FileKey));
        out.append('\0');
        checksum ^= data[i];
    }
    for (char digit : QByteArray::number(checksum)) {
        out.append(char(std::uint8_t(digit) ^ SequenceCodec::FileKey));
        out.append('\0');
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const bool pad = data[0] & 1;
    const QByteArray bytes = (data[0] & 2) ? withChecksum(data + 1, size - 1)
                                           : QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));

    SequenceDocument doc;
    doc.setVehicleCode(QStringLiteral("211"));
    doc.table(0).appendRow({QStringLiteral("1"), QString(), {1, 2, 3, 4}});
    doc.setFileName(QStringLiteral("work.zfx"));

    const auto status = SequenceFile::readBytes(bytes, QStringLiteral("fuzz.zfx"), doc, pad);
    if (status != SequenceFile::ReadStatus::Ok) {
        check(doc.isEmpty());
        check(doc.isUntitled());
        check(doc.vehicleCode() == QLatin1String("211"));
        // The unchanged test never takes a damaged file for the document.
        if (status == SequenceFile::ReadStatus::Damaged)
            check(!SequenceFile::matches(bytes, doc));
        return 0;
    }
    check(doc.fileName() == QLatin1String("fuzz.zfx"));
    check(doc.table(0).count() <= SequenceTableModel::MaxRows &&
          doc.table(1).count() <= SequenceTableModel::MaxRows);
    if (!pad)
        check(SequenceFile::matches(bytes, doc));

    // Everything the reader accepts can be written, and reads back the same.
    const QByteArray again = SequenceCodec::encode(doc.content());
    check(!again.isEmpty());
    const SequenceCodec::Decoded back = SequenceCodec::decode(again);
    check(back.status == SequenceCodec::Status::Ok);
    check(back.content == doc.content());
    return 0;
}
