#include "tools/zfxtool/Command.h"

const QList<Command>& commands()
{
    static const QList<Command> table{
        {"dump", "FILE", "print a sequence file as JSON", &runDump},
        {"pack", "JSON FILE", "write a sequence file from JSON, as the editor saves it", &runPack},
        {"image", "FILE [--limit N] [--module-type T.E]",
         "print the bytes the editor would send to the module; with a type, the bytes a module of that type "
         "is sent",
         &runImage},
        {"upload", "FILE --port DEVICE", "send a show to the module (a serial port or pseudo-terminal)",
         &runUpload},
        {"animate", "FILE OUT.gif [--sequence 0|1] [--night] [--size half|full]",
         "write a sequence (0 unlocking, the default; 1 locking) as an animated GIF, played as the editor "
         "plays it; --night shows the car at night, --size full the views at their own size",
         &runAnimate},
        {"video", "FILE OUT.mp4|OUT.webm [--size 720|1080|square] [--sequence 0|1|both] [--night]",
         "write a show as a video (MP4 with H.264 or WebM with VP9, 30 frames per second, 1920 x 1080 by "
         "default) of the four car views, played as the editor plays it; both sequences with a title card "
         "between",
         &runVideo},
        {"library", "",
         "list the ready shows installed with the program: name, vehicle family, length, memory",
         &runLibrary},
        {"adapt", "FILE --vehicle CODE OUT",
         "write a show taken to another vehicle: the lamps it lacks are dropped from every step and named",
         &runAdapt},
        {"find", "[--port DEVICE]...",
         "look for the module on the ports given, or on every port the editor's search tries", &runFind},
    };
    return table;
}

void reportError(QTextStream& err, const QString& message)
{
    QString line = QStringLiteral("zfxtool: ") + message;
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    err << line << Qt::endl;
}

void reportReadFailure(QTextStream& err, const QString& fileName, const SequenceFile::ReadResult& result)
{
    switch (result.status) {
    case SequenceFile::ReadStatus::Ok:
        break;
    case SequenceFile::ReadStatus::CannotOpen:
        reportError(err, fileName + QStringLiteral(": cannot be read: ") + result.problem);
        break;
    case SequenceFile::ReadStatus::ChecksumMismatch:
        reportError(err, fileName + QStringLiteral(": refused: the checksum does not match (the file was "
                                                   "changed or damaged)"));
        break;
    case SequenceFile::ReadStatus::Damaged:
        reportError(err, fileName + QStringLiteral(": refused: ") + result.problem);
        break;
    }
}
