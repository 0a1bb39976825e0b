#include "shell/HelpFiles.h"

#include <QDir>

namespace HelpFiles {

QString programHelp(const QString& programFolder, const QString& languageName)
{
    return QDir(programFolder)
        .filePath(languageName == QLatin1String("Deutsch") ? QStringLiteral("Help_D.html")
                                                           : QStringLiteral("Help_E.html"));
}

QString updaterHelp(const QString& programFolder)
{
    return QDir(programFolder).filePath(QStringLiteral("Hilfe Bootloader.html"));
}

QString updaterProgram(const QString& programFolder)
{
#ifdef Q_OS_WIN
    return QDir(programFolder).filePath(QStringLiteral("Bootloader.exe"));
#else
    return QDir(programFolder).filePath(QStringLiteral("Bootloader"));
#endif
}

} // namespace HelpFiles
