// zfxtool library: the ready shows installed with the program, with their
// vehicle family, the length of both sequences and the memory they take.
#include "module/UploadImage.h"
#include "sequence/ShowLibrary.h"
#include "tools/zfxtool/Command.h"
#include "tools/zfxtool/ModuleShow.h"
#include "views/playback/PlayOrder.h"

#include <QCoreApplication>

int runLibrary(const QStringList& args, QTextStream& out, QTextStream& err)
{
    if (!args.isEmpty()) {
        reportError(err, QStringLiteral("usage: zfxtool library"));
        return Command::Usage;
    }
    const ShowLibrary library =
        ShowLibrary::load(ShowLibrary::folderBeside(QCoreApplication::applicationDirPath()));
    if (library.entries().isEmpty()) {
        reportError(err, library.problem().isEmpty() ? QStringLiteral("the library holds no shows")
                                                     : library.problem());
        return Command::Failure;
    }
    out << QStringLiteral("%1 %2 %3 %4 %5\n")
               .arg(QStringLiteral("show"), -24)
               .arg(QStringLiteral("family"), -9)
               .arg(QStringLiteral("vehicle"), -8)
               .arg(QStringLiteral("unlock/lock s"), -14)
               .arg(QStringLiteral("memory"));
    for (const ShowLibrary::Entry& entry : library.entries()) {
        ModuleShow show;
        if (!show.load(entry.file, err))
            return Command::Failure;
        const SequenceDocument& doc = show.document();
        const double unlock = double(PlayOrder::of(doc.table(0).rows()).totalMs) / 1000.0;
        const double lock = double(PlayOrder::of(doc.table(1).rows()).totalMs) / 1000.0;
        const UploadImage image = UploadImage::build(show.input(), ModuleInfo::DefaultMemoryLimit);
        const QString memory = image.status == UploadImage::Status::Ok
                                   ? QStringLiteral("%1 bytes, %2 %")
                                         .arg(image.length)
                                         .arg(memoryShare(image.length, ModuleInfo::DefaultMemoryLimit))
                                   : QStringLiteral("does not fit");
        out << QStringLiteral("%1 %2 %3 %4 %5\n")
                   .arg(entry.nameEn, -24)
                   .arg(entry.family, -9)
                   .arg(entry.vehicle, -8)
                   .arg(QStringLiteral("%1 / %2").arg(unlock, 0, 'f', 1).arg(lock, 0, 'f', 1), -14)
                   .arg(memory);
    }
    return Command::Success;
}
