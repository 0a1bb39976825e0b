// zfxtool upload FILE --port DEVICE: sends a show to the module as the editor's
// "Daten senden" does.
#include "module/ModuleMessages.h"
#include "module/ModuleSession.h"
#include "tools/zfxtool/Command.h"
#include "tools/zfxtool/ModuleShow.h"

#include <QEventLoop>

int runUpload(const QStringList& args, QTextStream& out, QTextStream& err)
{
    QString file;
    QString device;
    for (int i = 0; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--port") && i + 1 < args.size() && device.isEmpty()) {
            device = args.at(++i);
        } else if (file.isEmpty() && !args.at(i).startsWith(QLatin1String("--"))) {
            file = args.at(i);
        } else {
            file.clear();
            break;
        }
    }
    if (file.isEmpty() || device.isEmpty()) {
        reportError(err, QStringLiteral("usage: zfxtool upload FILE --port DEVICE"));
        return Command::Usage;
    }

    ModuleShow show;
    if (!show.load(file, err))
        return Command::Failure;
    if (show.document().table(0).count() == 0 && !show.greetingLight()) {
        reportError(err,
                    file + QStringLiteral(": the unlock sequence is empty and the greeting light is off; "
                                          "nothing to send"));
        return Command::Failure;
    }

    ModuleSession session;
    int shown = -1;
    QObject::connect(&session, &ModuleSession::progress, [&err, &shown](int address, int length) {
        // One line, rewritten in place; at most once per percent.
        const int percent = length > 0 ? address * 100 / length : 100;
        if (percent != shown || address == length) {
            shown = percent;
            err << "\rsending: " << address << " / " << length << " bytes" << Qt::flush;
        }
    });
    ModuleOutcome outcome;
    QEventLoop loop;
    QObject::connect(&session, &ModuleSession::finished, &loop, [&](const ModuleOutcome& o) {
        outcome = o;
        loop.quit();
    });
    bool finished = false;
    QObject::connect(&session, &ModuleSession::finished, [&finished] { finished = true; });
    session.upload(device, show.developerMode(), show.document().vehicleCode(), show.input(),
                   [&show](const HandshakeReply& reply) {
                       const QList<VehicleOptions::Option> lacking = show.adaptTo(reply);
                       return UploadPlan(show.input(), lacking);
                   });
    if (!finished)
        loop.exec();
    if (shown >= 0)
        err << '\n';

    using Kind = ModuleOutcome::Kind;
    switch (outcome.kind) {
    case Kind::PortNotAvailable:
    case Kind::PortBusy:
    case Kind::PortNoPermission:
    case Kind::PortFailed:
        reportError(err,
                    device + QStringLiteral(": cannot be opened: ") +
                        (outcome.portError.isEmpty() ? QStringLiteral("no such port") : outcome.portError));
        return Command::Failure;
    case Kind::HeaderOnly:
        reportError(err, file + QStringLiteral(": the show is one dark step of no length; nothing was sent"));
        return Command::Failure;
    case Kind::ImageInvalid:
        reportError(err, ModuleMessages::buildFailed(show.texts()).text + QStringLiteral(" (") +
                             outcome.image.problem + QLatin1Char(')'));
        return Command::Failure;
    default:
        break;
    }
    if (const auto message = ModuleMessages::forOutcome(show.texts(), outcome, 0)) {
        QString text = message->text.trimmed();
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        (outcome.kind == Kind::Sent ? out : err) << text << '\n';
    }
    return outcome.kind == Kind::Sent ? Command::Success : Command::Failure;
}
