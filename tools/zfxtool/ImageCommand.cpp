// zfxtool image FILE [--limit N] [--module-type T.E]: the bytes the editor
// would send to the module, and with a module type, to a module of that type.
#include "module/HandshakeReply.h"
#include "module/ModuleMessages.h"
#include "module/ModuleSession.h"
#include "module/UploadImage.h"
#include "tools/zfxtool/Command.h"
#include "tools/zfxtool/ModuleShow.h"

#include <QRegularExpression>

int runImage(const QStringList& args, QTextStream& out, QTextStream& err)
{
    QString file;
    QString moduleType;
    int limit = ModuleSession::UploadLimit;
    for (int i = 0; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--limit") && i + 1 < args.size()) {
            bool ok = false;
            limit = args.at(++i).toInt(&ok);
            if (!ok || limit < 1 || limit > UploadImage::Capacity) {
                reportError(err, QStringLiteral("--limit takes a number of bytes from 1 to %1")
                                     .arg(UploadImage::Capacity));
                return Command::Usage;
            }
        } else if (args.at(i) == QLatin1String("--module-type") && i + 1 < args.size() &&
                   moduleType.isEmpty()) {
            // As the module reports it: digit, point, digit.
            static const QRegularExpression form(QStringLiteral("^[0-9]\\.[0-9]$"));
            moduleType = args.at(++i);
            if (!form.match(moduleType).hasMatch()) {
                reportError(
                    err, QStringLiteral("--module-type takes a type as the module reports it, such as 6.1"));
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
        reportError(err, QStringLiteral("usage: zfxtool image FILE [--limit N] [--module-type T.E]"));
        return Command::Usage;
    }

    ModuleShow show;
    if (!show.load(file, err))
        return Command::Failure;
    QList<VehicleOptions::Option> lacking;
    if (!moduleType.isEmpty()) {
        // What an upload to such a module does once it has answered.
        if (ModuleSession::unsuitedForTypeFive(moduleType, show.document().vehicleCode())) {
            reportError(err, ModuleMessages::modelMismatch(show.texts()).text);
            return Command::Failure;
        }
        HandshakeReply reply;
        reply.moduleType = moduleType;
        lacking = show.adaptTo(reply);
    }
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
    // Told beside the bytes, as the upload's success message tells it.
    if (!lacking.isEmpty())
        err << ModuleMessages::notCarriedOut(show.texts(), lacking) << '\n';
    return Command::Success;
}
