#pragma once

#include <QString>

class SequenceDocument;

// Reading and writing sequence files (.zfx).
namespace SequenceFile {

enum class ReadStatus {
    Ok,
    ChecksumMismatch, // the file was changed or damaged; it is refused
    Damaged,          // the file passed the checksum but could not be parsed
    CannotOpen,
};

// Fills the (cleared) document from the file. padParameters pads a short
// option string with "0" to 20 digits, as File Open does. On any failure the
// document is left empty.
ReadStatus read(const QString& fileName, SequenceDocument& document, bool padParameters);

// Writes the document; false when the file could not be written (the old
// file, if any, is then left as it was).
bool write(const QString& fileName, const SequenceDocument& document);

// True when the document equals what its file holds, or, for an untitled
// document, when both sequences are empty.
bool documentUnchanged(const SequenceDocument& document);

} // namespace SequenceFile
