// zfxtool find [--port DEVICE]...: looks for the module as the editor's
// "Modul suchen" does, on the same ports unless ports are given.
#include "core/LangText.h"
#include "core/SettingsStore.h"
#include "module/ModuleMessages.h"
#include "module/ModuleSearch.h"
#include "module/PortNames.h"
#include "tools/zfxtool/Command.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>

int runFind(const QStringList& args, QTextStream& out, QTextStream& err)
{
    QStringList devices;
    for (int i = 0; i < args.size(); ++i) {
        if (args.at(i) != QLatin1String("--port") || i + 1 >= args.size()) {
            reportError(err, QStringLiteral("usage: zfxtool find [--port DEVICE]..."));
            return Command::Usage;
        }
        devices.append(args.at(++i));
    }

    // The editor's settings: its [Ports], its chosen port, its developer mode.
    SettingsStore settings;
    LangText texts;
    texts.load(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("English.zfl")));
    const bool developerMode = settings.get(QString::fromLatin1(SettingsStore::SectionUpper),
                                            QStringLiteral("Entwickerstatus")) == QLatin1String("Wahr");
    const QList<PortNames::PortInfo> system = PortNames::systemPortInfos();
    QList<ModuleSearch::Port> ports;
    if (devices.isEmpty()) {
        const int chosen =
            settings.number(QString::fromLatin1(SettingsStore::SectionUpper), QStringLiteral("Lampen_Port"))
                .value_or(1);
        ports = ModuleSearch::candidates(settings, system, chosen);
    } else {
        const QStringList systemDevices = PortNames::devices(system);
        for (const QString& device : std::as_const(devices))
            ports.append({device, PortNames::numberOf(device, settings, systemDevices).value_or(0)});
    }
    if (ports.isEmpty()) {
        reportError(err, SearchMessages::noPorts(texts).text);
        return Command::Failure;
    }

    ModuleSearch search;
    QObject::connect(&search, &ModuleSearch::tried, [&out, &texts](const ModuleSearch::Try& result) {
        out << SearchMessages::line(texts, result) << Qt::endl;
    });
    QEventLoop loop;
    QObject::connect(&search, &ModuleSearch::finished, &loop, &QEventLoop::quit);
    search.start(ports, developerMode);
    if (search.isRunning())
        loop.exec();

    const QList<ModuleSearch::Try> answered = search.answered();
    if (answered.isEmpty()) {
        reportError(err, QStringLiteral("no module answered on the %1 port(s) tried. ").arg(ports.size()) +
                             texts.text(310));
        return Command::Failure;
    }
    for (const ModuleSearch::Try& found : answered)
        out << "found: " << found.port.device << '\n';
    return Command::Success;
}
