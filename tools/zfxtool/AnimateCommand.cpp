// zfxtool animate FILE OUT.gif [--sequence 0|1] [--night] [--size half|full]: a sequence as an animated GIF.
#include "tools/zfxtool/Command.h"
#include "tools/zfxtool/ModuleShow.h"
#include "tools/zfxtool/ShowLook.h"
#include "views/PictureBook.h"
#include "views/ShowAnimation.h"

#include <QCoreApplication>

int runAnimate(const QStringList& args, QTextStream& out, QTextStream& err)
{
    QStringList files;
    int sequence = 0;
    bool night = false;
    double scale = ShowAnimation::DefaultScale;
    for (int i = 0; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--sequence") && i + 1 < args.size()) {
            const QString k = args.at(++i);
            if (k != QLatin1String("0") && k != QLatin1String("1")) {
                reportError(err, QStringLiteral("--sequence takes 0 (unlocking) or 1 (locking)"));
                return Command::Usage;
            }
            sequence = k.toInt();
        } else if (args.at(i) == QLatin1String("--night")) {
            night = true;
        } else if (args.at(i) == QLatin1String("--size") && i + 1 < args.size()) {
            const QString size = args.at(++i);
            if (size != QLatin1String("half") && size != QLatin1String("full")) {
                reportError(err, QStringLiteral("--size takes half or full"));
                return Command::Usage;
            }
            scale = size == QLatin1String("full") ? 1.0 : ShowAnimation::DefaultScale;
        } else if (!args.at(i).startsWith(QLatin1String("--"))) {
            files.append(args.at(i));
        } else {
            files.clear();
            break;
        }
    }
    if (files.size() != 2) {
        reportError(err,
                    QStringLiteral(
                        "usage: zfxtool animate FILE OUT.gif [--sequence 0|1] [--night] [--size half|full]"));
        return Command::Usage;
    }

    ModuleShow show;
    if (!show.load(files.at(0), err))
        return Command::Failure;
    // The pictures the editor shows for this vehicle and its options.
    const ShowLook look = ShowLook::of(show);
    const ShowAnimation animation(show.document().table(sequence).rows(), look.options, look.bases,
                                  look.plates, scale);
    switch (animation.status()) {
    case ShowAnimation::Status::Ok:
        break;
    case ShowAnimation::Status::Empty:
        reportError(err, files.at(0) + QStringLiteral(": sequence %1 has no steps").arg(sequence));
        return Command::Failure;
    case ShowAnimation::Status::Held:
        reportError(err, files.at(0) + QStringLiteral(": step %1 of sequence %2 lasts 0 s; playback would "
                                                      "stay there for good")
                                           .arg(animation.stepRow())
                                           .arg(sequence));
        return Command::Failure;
    case ShowAnimation::Status::TooLong:
        reportError(err, files.at(0) + QStringLiteral(": sequence %1 lasts more than a day (from step %2 on)")
                                           .arg(sequence)
                                           .arg(animation.stepRow()));
        return Command::Failure;
    }

    PictureBook pictures(QCoreApplication::applicationDirPath());
    pictures.setNight(night);
    SafeSave::Result failure;
    if (animation.writeGif(files.at(1), pictures, {}, &failure) != GifWriter::Result::Written) {
        reportError(err, files.at(1) + QStringLiteral(": cannot be written: ") + failure.reason);
        return Command::Failure;
    }
    out << files.at(1) << ": " << animation.frames().size() << " frames, "
        << QString::number(double(animation.totalMs()) / 1000.0, 'f', 2) << " s\n";
    return Command::Success;
}
