#include "app/CommandLine.h"
#include "app/MainWindow.h"
#include "app/Startup.h"
#include "core/AppContext.h"
#include "core/Config.h"
#include "core/LangText.h"
#include "core/ModuleInfo.h"
#include "core/SettingsStore.h"
#include "sequence/SequenceDocument.h"
#include "ui/WidgetPrompter.h"
#include "vehicle/VehicleConfig.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QTextStream>

int main(int argc, char* argv[])
{
    const QString version = QStringLiteral("%1.%2.%3")
                                .arg(VANTOR_VERSION_MAJOR)
                                .arg(VANTOR_VERSION_MINOR)
                                .arg(VANTOR_VERSION_PATCH);
    {
        // --help and --version are answered without a window, so they work without a display.
        QStringList given;
        for (int i = 1; i < argc; ++i)
            given.append(QString::fromLocal8Bit(argv[i]));
        const CommandLine::Action action = parseCommandLine(given).action;
        if (action != CommandLine::Action::Open) {
            QCoreApplication core(argc, argv);
            QTextStream out(stdout);
            if (action == CommandLine::Action::Help)
                out << commandLineHelp();
            else
                out << "vantor " << version << '\n';
            return 0;
        }
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(Config::ApplicationTitle));
    QApplication::setApplicationDisplayName(QString::fromLatin1(Config::ApplicationTitle));
    QApplication::setApplicationVersion(version);

    // The whole command line names one sequence file, blanks included.
    const QString commandLine = parseCommandLine(QApplication::arguments().mid(1)).fileName;

    SettingsStore settings;
    LangText texts;
    WidgetPrompter prompter;
    SequenceDocument document;
    VehicleConfig vehicle;
    ModuleInfo module;
    AppContext ctx{settings, texts, prompter, document, vehicle, module};
    ctx.programFolder = QApplication::applicationDirPath();
    QApplication::setWindowIcon(QIcon(QDir(ctx.programFolder).filePath(QStringLiteral("Vantor.png"))));

    Startup startup(ctx, commandLine);
    QObject::connect(&startup, &Startup::cancelled, &app, &QApplication::quit, Qt::QueuedConnection);
    // exit() rather than quit(): quit() would try to close the windows once more.
    QObject::connect(
        &startup, &Startup::mainWindowClosed, &app, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
    QObject::connect(&startup, &Startup::mainWindowShown, &app,
                     [&] { prompter.setParent(startup.mainWindow()); });
    startup.begin();
    return app.exec();
}
