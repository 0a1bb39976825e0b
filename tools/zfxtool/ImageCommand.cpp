// zfxtool image FILE [--limit N]: the bytes the editor would send to the module.
#include "module/ModuleMessages.h"
#include "module/UploadImage.h"
#include "tools/zfxtool/Command.h"
#include "tools/zfxtool/ModuleShow.h"

int runImage(const QStringList& args, QTextStream& out, QTextStream& err)
{
    QString file;
    int limit = 510;
    for (int i = 0; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--limit") && i + 1 < args.size()) {
            bool ok = false;
            limit = args.at(++i).toInt(&ok);
            if (!ok || limit < 1 || limit > UploadImage::Capacity) {
                reportError(err, QStringLiteral("--limit takes a number of bytes from 1 to %1")
                                     .arg(UploadImage::Capacity));
                return Command::Usage;
            }
        } else if (file.isEmpty() && !args.at(i).startsWith(QLatin1String("--"))) {
            file = args.at(i);
        } else {
            file.clear();
            break;
        }
    }
    if (file.isEmpty()) {
        reportError(err, QStringLiteral("usage: zfxtool image FILE [--limit N]"));
        return Command::Usage;
    }

    ModuleShow show;
    if (!show.load(file, err))
        return Command::Failure;
    const UploadImage image = UploadImage::build(show.input(), limit);
    switch (image.status) {
    case UploadImage::Status::Ok:
        break;
    case UploadImage::Status::TooLarge:
        reportError(err, ModuleMessages::imageTooLarge(show.texts())
                             .text.replace(QStringLiteral("\r\n\r\n"), QStringLiteral(" ")));
        return Command::Failure;
    case UploadImage::Status::Invalid:
        reportError(err, file + QStringLiteral(": ") + image.problem);
        return Command::Failure;
    case UploadImage::Status::HeaderOnly:
        reportError(err,
                    file + QStringLiteral(": the show is one dark step of no length; nothing would be sent"));
        return Command::Failure;
    }
    for (int a = 1; a <= image.length; ++a) {
        out << QStringLiteral("%1").arg(image.at(a), 2, 16, QLatin1Char('0')).toUpper();
        out << ((a % 16 == 0 || a == image.length) ? '\n' : ' ');
    }
    out << "length: " << image.length << " bytes, share: " << memoryShare(image.length, limit) << " %\n";
    return Command::Success;
}
