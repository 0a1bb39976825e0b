// Stages the files that make the installed program known to the desktop:
//   vantor_desktop_files <folder>
// writes <folder>/applications, <folder>/mime/packages and the hicolor icons
// in every size the pictures are drawn in, with the same texts and names the
// program uses when it registers itself for one user.
#include "shell/FileTypeRegistration.h"
#include "shell/Logo.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

bool writeIcoFile(const QString& fileName, QImage (*draw)(int))
{
    QList<QImage> pictures;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        pictures.append(draw(size));
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(Logo::icoFile(pictures)) > 0;
}

} // namespace

int main(int argc, char* argv[])
{
    // Drawing needs no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 2) {
        QTextStream(stderr) << "usage: vantor_desktop_files <folder>\n";
        return 2;
    }
    QTemporaryDir pictures;
    const QString typeIcon = pictures.filePath(QStringLiteral("Daten.ico"));
    const QString programIcon = pictures.filePath(QStringLiteral("Vantor.ico"));
    if (!pictures.isValid() || !writeIcoFile(typeIcon, Logo::sequenceFileIcon) ||
        !writeIcoFile(programIcon, Logo::emblem))
        return 1;
    // The installed program is found on the PATH.
    FileTypeRegistration registration = sequenceFileRegistration(pictures.path(), QStringLiteral("vantor"));
    registration.programIconFile = programIcon;
    const QString folder = args.at(1);
    writeDesktopFiles(registration, folder);
    const QString entry =
        QStringLiteral("applications/") + FileTypeNames::desktopFileId(registration.typeName);
    return QFile::exists(QDir(folder).filePath(entry)) ? 0 : 1;
}
