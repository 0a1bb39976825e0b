#include "tools/zfxtool/Command.h"

const QList<Command>& commands()
{
    static const QList<Command> table{
        {"dump", "FILE", "print a sequence file as JSON", &runDump},
        {"pack", "JSON FILE", "write a sequence file from JSON, as the editor saves it", &runPack},
        {"image", "FILE [--limit N]", "print the bytes the editor would send to the module", &runImage},
        {"upload", "FILE --port DEVICE", "send a show to the module (a serial port or pseudo-terminal)",
         &runUpload},
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
