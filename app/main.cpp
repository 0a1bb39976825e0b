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

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(Config::ApplicationTitle));
    QApplication::setApplicationDisplayName(QString::fromLatin1(Config::ApplicationTitle));
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(VANTOR_VERSION_MAJOR)
                                            .arg(VANTOR_VERSION_MINOR)
                                            .arg(VANTOR_VERSION_PATCH));

    // The whole command line names one sequence file, blanks included.
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    const QString commandLine = arguments.join(QLatin1Char(' ')).trimmed();

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
    QObject::connect(&startup, &Startup::mainWindowShown, &app,
                     [&] { prompter.setParent(startup.mainWindow()); });
    startup.begin();
    return app.exec();
}
