#include "app/CommandLine.h"

#include <QCommandLineParser>

CommandLine parseCommandLine(const QStringList& arguments)
{
    CommandLine result;
    if (arguments.size() == 1) {
        const QString& only = arguments.first();
        if (only == QLatin1String("-h") || only == QLatin1String("--help"))
            result.action = CommandLine::Action::Help;
        else if (only == QLatin1String("-v") || only == QLatin1String("--version"))
            result.action = CommandLine::Action::Version;
    }
    if (result.action == CommandLine::Action::Open)
        result.fileName = arguments.join(QLatin1Char(' ')).trimmed();
    return result;
}

QString commandLineHelp()
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Editor, simulator and uploader for Vantor light shows.\n"
                       "The whole command line names one sequence file (.zfx) to open;\n"
                       "blanks in it need no quotes."));
    // Not addHelpOption(): its --help-all is not an option of this program.
    parser.addOption({{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Displays this help.")});
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("The sequence file to open."),
                                 QStringLiteral("[file]"));
    return parser.helpText();
}
