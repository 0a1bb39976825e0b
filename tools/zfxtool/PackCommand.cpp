// zfxtool pack JSON FILE: a sequence file from JSON, written as Save writes it.
#include "core/LimitedRead.h"
#include "sequence/SequenceCodec.h"
#include "sequence/SequenceFile.h"
#include "tools/zfxtool/Command.h"
#include "tools/zfxtool/JsonForm.h"

int runPack(const QStringList& args, QTextStream&, QTextStream& err)
{
    if (args.size() != 2) {
        reportError(err, QStringLiteral("usage: zfxtool pack JSON FILE"));
        return Command::Usage;
    }
    const QString& jsonFile = args.at(0);
    const QString& target = args.at(1);
    const LimitedRead in = LimitedRead::of(jsonFile, JsonForm::MaxSize);
    if (in.status != LimitedRead::Status::Ok) {
        reportError(err, jsonFile + QStringLiteral(": cannot be read: ") +
                             (in.status == LimitedRead::Status::TooLarge
                                  ? QStringLiteral("the file is too large for the JSON of a sequence file")
                                  : in.problem));
        return Command::Failure;
    }
    SequenceContent content;
    QString problem;
    if (!JsonForm::read(in.bytes, content, problem)) {
        reportError(err, jsonFile + QStringLiteral(": ") + problem);
        return Command::Failure;
    }
    problem = SequenceCodec::encodeProblem(content);
    if (!problem.isEmpty()) {
        reportError(err, jsonFile + QStringLiteral(": ") + problem);
        return Command::Failure;
    }
    const SafeSave::Result written = SequenceFile::writeContent(target, content);
    if (!written) {
        reportError(err, target + QStringLiteral(": cannot be written: ") + written.reason);
        return Command::Failure;
    }
    return Command::Success;
}
