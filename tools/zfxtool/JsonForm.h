#pragma once

#include "sequence/SequenceCodec.h"
#include "sequence/SequenceContent.h"

#include <QByteArray>
#include <QString>

// A sequence file's content as JSON, keys in a fixed order:
// {"vehicle": "312", "parameters": "1210...", "sequences": [[{"interval": "0,5",
//  "loop": "", "lamps": [2, 0, 0, 0]}, ...], [...]]}
// sequences[0] is the unlock sequence, sequences[1] the lock sequence.
namespace JsonForm {

// The JSON of every file the sequence reader accepts is smaller: a character
// of a field takes two bytes in the file and at most two in the JSON, and a
// row at most about 50 bytes more, of at most 1000 rows.
inline constexpr qint64 MaxSize = 2 * SequenceCodec::MaxFileSize;

QByteArray write(const SequenceContent& content);
// False with a one-line reason in problem when the text is not JSON of that shape.
bool read(const QByteArray& json, SequenceContent& content, QString& problem);

} // namespace JsonForm
