#pragma once

#include "sequence/SequenceContent.h"

#include <QByteArray>
#include <QString>

// A sequence file's content as JSON, keys in a fixed order:
// {"vehicle": "312", "parameters": "1210...", "sequences": [[{"interval": "0,5",
//  "loop": "", "lamps": [2, 0, 0, 0]}, ...], [...]]}
// sequences[0] is the unlock sequence, sequences[1] the lock sequence.
namespace JsonForm {

QByteArray write(const SequenceContent& content);
// False with a one-line reason in problem when the text is not JSON of that shape.
bool read(const QByteArray& json, SequenceContent& content, QString& problem);

} // namespace JsonForm
