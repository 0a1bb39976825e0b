#include "sequence/SequenceFile.h"

#include "sequence/SequenceDocument.h"

// Not written yet: the file format follows with the file commands.
namespace SequenceFile {

ReadStatus read(const QString&, SequenceDocument& document, bool)
{
    document.clear();
    return ReadStatus::CannotOpen;
}

bool write(const QString&, const SequenceDocument&)
{
    return false;
}

bool documentUnchanged(const SequenceDocument& document)
{
    return document.isUntitled() && document.isEmpty();
}

} // namespace SequenceFile
