#pragma once

#include <QList>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>

// Makes the desktop open sequence files with this program. Failures are silent.
struct FileTypeRegistration
{
    QString displayName;     // the program's display name, also the file-type description
    QString programFile;     // full path of the program
    QString typeName;        // e.g. "Vantor_E6x"
    QString extension;       // "zfx"
    QString iconFile;        // full path of the file-type icon ("Daten.ico")
    QString programIconFile; // full path of the program's icon; an .ico gives every size it holds
};

// The registration this program makes for its sequence files: "Vantor 2.1",
// the given program file, type "Vantor_E6x", extension "zfx", and the icon
// "Daten.ico" in the program folder, the program icon "Vantor.png" beside it.
FileTypeRegistration sequenceFileRegistration(const QString& programFolder, const QString& programFile);

// Writes the registration and starts the updates of the desktop's databases.
// Returns at once; the updates finish in the background on the event loop.
// Does nothing when the type is registered system-wide (an installed package):
// a second, per-user entry would only show the program twice.
void registerFileType(const FileTypeRegistration& registration);

// True when a folder of $XDG_DATA_DIRS (not the user's own) holds the desktop
// entry of the type.
bool isRegisteredSystemWide(const QString& typeName);

// Writes the MIME package, the icons and the desktop entry below a data
// folder laid out as /usr/share: the user's for the per-user registration,
// a staging folder for the installed package.
void writeDesktopFiles(const FileTypeRegistration& registration, const QString& dataFolder);

// The names the registration uses on a freedesktop.org desktop, all derived
// from the type name: "Vantor_E6x" gives the MIME type
// "application/x-vantor-e6x", the desktop entry "vantor-e6x.desktop", the
// type icon "application-x-vantor-e6x" and the program icon "vantor-e6x".
namespace FileTypeNames {
QString mimeType(const QString& typeName);
QString desktopFileId(const QString& typeName);
QString mimeIconName(const QString& typeName);
QString programIconName(const QString& typeName);
} // namespace FileTypeNames

// One argument of a desktop entry's Exec line, quoted and escaped so that the
// desktop hands it over unchanged (blanks, quotes, "$", "%" and backslashes
// included).
QString quoteExecArgument(const QString& argument);

// The shared-mime-info package for the type.
QByteArray mimePackage(const FileTypeRegistration& registration);
// The desktop entry that opens one file with the program.
QByteArray desktopEntry(const FileTypeRegistration& registration, const QString& iconName);

// Performs one registration: writes the files into the user's data folder
// ($XDG_DATA_HOME, by default ~/.local/share), then runs update-mime-database,
// update-desktop-database and "xdg-mime default" one after the other. A tool
// that is missing or fails is skipped. On Windows it writes the file-type
// entries of the current user's classes and tells the shell the associations
// changed.
class FileTypeRegistrar : public QObject
{
    Q_OBJECT
public:
    explicit FileTypeRegistrar(QObject* parent = nullptr);
    ~FileTypeRegistrar() override;

    // Starts a registration; ignored while one is running.
    void start(const FileTypeRegistration& registration);
    bool isRunning() const { return m_running; }

    // The user's data folder the files go to.
    static QString dataHome();
    static QString configHome();

signals:
    // The files are written and every update tool has ended (or failed to start).
    void finished();

private:
    void runNext();
    void finish();

    // Commands still to run: the program followed by its arguments.
    QList<QStringList> m_commands;
    QProcess* m_process = nullptr;
    bool m_running = false;
};
