#include "tools/zfxtool/Command.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

void usage(QTextStream& err)
{
    err << "usage: zfxtool COMMAND ARGUMENTS\n";
    for (const Command& c : commands())
        err << "  zfxtool " << c.name << ' ' << c.arguments << "\n      " << c.summary << '\n';
    err.flush();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty()) {
        usage(err);
        return Command::Usage;
    }
    const QString name = args.takeFirst();
    for (const Command& c : commands()) {
        if (name == QLatin1String(c.name)) {
            const int result = c.run(args, out, err);
            out.flush();
            err.flush();
            return result;
        }
    }
    reportError(err, QStringLiteral("unknown command \"%1\"").arg(name));
    usage(err);
    return Command::Usage;
}
