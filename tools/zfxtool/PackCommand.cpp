// zfxtool pack JSON FILE: a sequence file from JSON, written as Save writes it.
#include "sequence/SequenceCodec.h"
#include "sequence/SequenceFile.h"
#include "tools/zfxtool/Command.h"
#include "tools/zfxtool/JsonForm.h"

#include <QFile>

int runPack(const QStringList& args, QTextStream&, QTextStream& err)
{
    if (args.size() != 2) {
        reportError(err, QStringLiteral("usage: zfxtool pack JSON FILE"));
        return Command::Usage;
    }
    const QString& jsonFile = args.at(0);
    const QString& target = args.at(1);
    QFile in(jsonFile);
    if (!in.open(QIODevice::ReadOnly)) {
        reportError(err, jsonFile + QStringLiteral(": cannot be read: ") + in.errorString());
        return Command::Failure;
    }
    SequenceContent content;
    QString problem;
    if (!JsonForm::read(in.readAll(), content, problem)) {
        reportError(err, jsonFile + QStringLiteral(": ") + problem);
        return Command::Failure;
    }
    problem = SequenceCodec::encodeProblem(content);
    if (!problem.isEmpty()) {
        reportError(err, jsonFile + QStringLiteral(": ") + problem);
        return Command::Failure;
    }
    if (!SequenceFile::writeContent(target, content, &problem)) {
        reportError(err, target + QStringLiteral(": cannot be written: ") + problem);
        return Command::Failure;
    }
    return Command::Success;
}
