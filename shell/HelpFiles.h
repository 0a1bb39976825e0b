#pragma once

#include <QString>

// The files beside the program that the help menus and the module update use.
namespace HelpFiles {
// "Help_D.html" when the language is "Deutsch", "Help_E.html" otherwise.
QString programHelp(const QString& programFolder, const QString& languageName);
// The help on updating the module's firmware.
QString updaterHelp(const QString& programFolder);
// The module's firmware updater ("Bootloader", "Bootloader.exe" on Windows).
QString updaterProgram(const QString& programFolder);
} // namespace HelpFiles
