#include "tools/zfxtool/Command.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

void usage(QTextStream& to)
{
    to << "usage: zfxtool COMMAND ARGUMENTS\n"
          "       zfxtool --help | --version\n";
    for (const Command& c : commands())
        to << "  zfxtool " << c.name << ' ' << c.arguments << "\n      " << c.summary << '\n';
    to << "Exit status: 0 success, 1 failure (reported in one line), 2 wrong arguments.\n";
    to.flush();
}

// Qt's notice that a session without a runtime folder uses a temporary one
// says nothing about the command; every other message is passed on.
QtMessageHandler g_qtHandler = nullptr;
void quietRuntimeNotice(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths: ")))
        return;
    g_qtHandler(type, context, message);
}

std::unique_ptr<QCoreApplication> makeApplication(int& argc, char** argv)
{
    // Drawing the car pictures for an animation or a video needs Qt's
    // picture side; it draws offscreen, so no display is needed.
    if (argc < 2 || (std::strcmp(argv[1], "animate") != 0 && std::strcmp(argv[1], "video") != 0))
        return std::make_unique<QCoreApplication>(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    g_qtHandler = qInstallMessageHandler(&quietRuntimeNotice);
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace

int main(int argc, char** argv)
{
    const std::unique_ptr<QCoreApplication> app = makeApplication(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty()) {
        usage(err);
        return Command::Usage;
    }
    // Asked for, the usage goes to standard output and is no error.
    if (args.size() == 1 &&
        (args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h"))) {
        usage(out);
        return Command::Success;
    }
    if (args.size() == 1 &&
        (args.first() == QLatin1String("--version") || args.first() == QLatin1String("-v"))) {
        out << "zfxtool " << VANTOR_VERSION_MAJOR << '.' << VANTOR_VERSION_MINOR << '.'
            << VANTOR_VERSION_PATCH << '\n';
        return Command::Success;
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
