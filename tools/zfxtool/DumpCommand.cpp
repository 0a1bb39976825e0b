// zfxtool dump FILE: the file, read as File Open reads it, as JSON on stdout.
#include "sequence/SequenceFile.h"
#include "tools/zfxtool/Command.h"
#include "tools/zfxtool/JsonForm.h"

int runDump(const QStringList& args, QTextStream& out, QTextStream& err)
{
    if (args.size() != 1) {
        reportError(err, QStringLiteral("usage: zfxtool dump FILE"));
        return Command::Usage;
    }
    const QString& file = args.first();
    const SequenceFile::ReadResult result = SequenceFile::readContent(file, true);
    if (result.status != SequenceFile::ReadStatus::Ok) {
        reportReadFailure(err, file, result);
        return Command::Failure;
    }
    out << QString::fromLatin1(JsonForm::write(result.content));
    return Command::Success;
}
