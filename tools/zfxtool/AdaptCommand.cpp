// zfxtool adapt FILE --vehicle CODE OUT: a show taken to another vehicle, the
// lamps that vehicle lacks dropped and named.
#include "sequence/SequenceFile.h"
#include "tools/zfxtool/Command.h"
#include "tools/zfxtool/ModuleShow.h"
#include "vehicle/ModelLayout.h"
#include "views/HitTest.h"
#include "views/ShowAdapter.h"

int runAdapt(const QStringList& args, QTextStream& out, QTextStream& err)
{
    QStringList files;
    QString code;
    for (int i = 0; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--vehicle") && i + 1 < args.size())
            code = args.at(++i);
        else if (!args.at(i).startsWith(QLatin1String("--")))
            files.append(args.at(i));
        else {
            files.clear();
            break;
        }
    }
    if (files.size() != 2 || code.isEmpty()) {
        reportError(err, QStringLiteral("usage: zfxtool adapt FILE --vehicle CODE OUT"));
        return Command::Usage;
    }
    if (!modelLayout(code, true, false, false).viewPictureBase) {
        reportError(err, code + QStringLiteral(": no such vehicle code"));
        return Command::Usage;
    }

    ModuleShow source;
    if (!source.load(files.at(0), err))
        return Command::Failure;
    SequenceContent asTarget = source.document().content();
    asTarget.vehicleCode = code;
    ModuleShow target;
    target.setContent(asTarget);
    const ShowAdapter::Result adapted =
        ShowAdapter::adapt(source.document().content(), source.vehicle(), code, target.vehicle());
    const SafeSave::Result written = SequenceFile::writeContent(files.at(1), adapted.content);
    if (!written) {
        reportError(err, files.at(1) + QStringLiteral(": cannot be written: ") + written.reason);
        return Command::Failure;
    }
    for (const ShowGridLamps::MissingLamp& m : adapted.dropped)
        out << "dropped: " << HitTest::lampName(m.lamp.textNumber, m.lamp.suffix, source.texts()) << " ("
            << m.steps << (m.steps == 1 ? " step" : " steps") << ")\n";
    out << files.at(1) << ": for vehicle " << code << ", " << adapted.dropped.size()
        << (adapted.dropped.size() == 1 ? " lamp" : " lamps") << " dropped\n";
    return Command::Success;
}
