#pragma once

#include <QString>
#include <QStringList>

// What the editor's command line asks for. The whole command line names one
// sequence file, blanks included; only a command line that is exactly one of
// the options -h, --help, -v, --version is taken as that option.
struct CommandLine
{
    enum class Action
    {
        Open, // start the editor, with fileName when it is not empty
        Help,
        Version
    };
    Action action = Action::Open;
    QString fileName;
};

// The arguments without the program's own name.
CommandLine parseCommandLine(const QStringList& arguments);

// The usage text that --help prints; needs the application object.
QString commandLineHelp();
