// zfxtool video FILE OUT.mp4|OUT.webm [--size 720|1080|square] [--sequence 0|1|both] [--night]:
// a show as a video, played as the editor plays it.
#include "tools/zfxtool/Command.h"
#include "tools/zfxtool/ModuleShow.h"
#include "tools/zfxtool/ShowLook.h"
#include "views/video/VideoFrames.h"
#include "views/video/VideoPlan.h"
#include "views/video/VideoWriter.h"

namespace {

const QString Usage = QStringLiteral(
    "usage: zfxtool video FILE OUT.mp4|OUT.webm [--size 720|1080|square] [--sequence 0|1|both] "
    "[--night]");

} // namespace

int runVideo(const QStringList& args, QTextStream& out, QTextStream& err)
{
    QStringList files;
    QSize size(1920, 1080);
    QString sequence = QStringLiteral("0");
    bool night = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args.at(i);
        if (a == QLatin1String("--size") && i + 1 < args.size()) {
            const QString s = args.at(++i);
            if (s == QLatin1String("720"))
                size = QSize(1280, 720);
            else if (s == QLatin1String("1080"))
                size = QSize(1920, 1080);
            else if (s == QLatin1String("square"))
                size = QSize(1080, 1080);
            else {
                reportError(err, QStringLiteral("--size takes 720, 1080 or square"));
                return Command::Usage;
            }
        } else if (a == QLatin1String("--sequence") && i + 1 < args.size()) {
            sequence = args.at(++i);
            if (sequence != QLatin1String("0") && sequence != QLatin1String("1") &&
                sequence != QLatin1String("both")) {
                reportError(err, QStringLiteral("--sequence takes 0 (unlocking), 1 (locking) or both"));
                return Command::Usage;
            }
        } else if (a == QLatin1String("--night")) {
            night = true;
        } else if (!a.startsWith(QLatin1String("--"))) {
            files.append(a);
        } else {
            files.clear();
            break;
        }
    }
    if (files.size() != 2) {
        reportError(err, Usage);
        return Command::Usage;
    }
    const QString suffix = files.at(1).section(QLatin1Char('.'), -1).toLower();
    if (suffix != QLatin1String("mp4") && suffix != QLatin1String("webm")) {
        reportError(err, files.at(1) + QStringLiteral(": the name must end in .mp4 or .webm"));
        return Command::Usage;
    }

    ModuleShow show;
    if (!show.load(files.at(0), err))
        return Command::Failure;
    const ShowLook look = ShowLook::of(show);
    VideoPlan plan(look.options, look.bases);
    const SequenceDocument& doc = show.document();
    if (sequence != QLatin1String("1"))
        plan.addSequence(doc.table(0).rows());
    if (sequence != QLatin1String("0"))
        plan.addSequence(doc.table(1).rows(),
                         sequence == QLatin1String("both") ? QStringLiteral("Locking") : QString());
    switch (plan.status()) {
    case VideoPlan::Status::Ok:
        break;
    case VideoPlan::Status::Empty:
        reportError(err, files.at(0) + QStringLiteral(": a sequence to be shown has no steps"));
        return Command::Failure;
    case VideoPlan::Status::Held:
        reportError(err,
                    files.at(0) + QStringLiteral(": step %1 lasts 0 s; playback would stay there for good")
                                      .arg(plan.stepRow()));
        return Command::Failure;
    case VideoPlan::Status::TooLong:
        reportError(err, files.at(0) + QStringLiteral(": the video would last more than an hour"));
        return Command::Failure;
    }

    VideoFrames frames(plan, {size, night, QString(), look.plates});
    const VideoWriter writer(VideoWriter::formatOf(files.at(1)), size);
    SafeSave::Result failure;
    if (writer.write(
            files.at(1), plan, [&frames](const VideoPlan::Run& run) { return frames.render(run); }, {},
            &failure) != VideoWriter::Result::Written) {
        reportError(err, files.at(1) + QStringLiteral(": cannot be written: ") + failure.reason);
        return Command::Failure;
    }
    out << files.at(1) << ": " << plan.frameCount() << " frames, "
        << QString::number(double(plan.frameCount()) / VideoPlan::FramesPerSecond, 'f', 2) << " s\n";
    return Command::Success;
}
