#pragma once

#include "core/SafeSave.h"
#include "sequence/SequenceCodec.h"

#include <QString>

class SequenceDocument;

// Reading and writing sequence files (.zfx) for the document.
namespace SequenceFile {

enum class ReadStatus
{
    Ok,
    ChecksumMismatch, // the file was changed or damaged; it is refused
    Damaged,          // the file passed the checksum but could not be parsed
    CannotOpen,
};

struct ReadResult
{
    ReadStatus status = ReadStatus::CannotOpen;
    SequenceContent content; // only when status is Ok
    QString problem;         // a short English description when it is not
};

// The content of a file. padParameters pads a short option string with "0"
// to 20 digits, as File Open does; the start-up reader leaves it as it is.
ReadResult readContent(const QString& fileName, bool padParameters);

// Fills the document from the file and names it after the file. On any
// failure the document is left empty and untitled; its vehicle and options
// stay as they were.
ReadStatus read(const QString& fileName, SequenceDocument& document, bool padParameters);
// The same from the bytes of a file.
ReadStatus readBytes(const QByteArray& bytes, const QString& fileName, SequenceDocument& document,
                     bool padParameters);

// Writes the file safely (SafeSave): a failed write leaves the old file as
// it was. Fails with ContentFailed when the content cannot be stored (see
// SequenceCodec), and as SafeSave says otherwise; the result's reason says
// why. Save, the backup and zfxtool pack all write here.
SafeSave::Result writeContent(const QString& fileName, const SequenceContent& content);
SafeSave::Result write(const QString& fileName, const SequenceDocument& document);

// True when the document equals what its file holds, or, for an untitled
// document, when both sequences are empty. A file that can no longer be
// read counts as different, so the user is asked before work is discarded.
bool documentUnchanged(const SequenceDocument& document);
// The comparison behind it, for the bytes of a file.
bool matches(const QByteArray& fileBytes, const SequenceDocument& document);

} // namespace SequenceFile
