#include "shell/FileTypeRegistration.h"

#include "core/LimitedRead.h"
#include "core/SafeSave.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QProcessEnvironment>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <QSettings>

#include <windows.h>

#include <shlobj.h>
#endif

namespace {

QString lowerDashed(const QString& typeName)
{
    QString name = typeName.toLower();
    name.replace(QLatin1Char('_'), QLatin1Char('-'));
    name.replace(QLatin1Char(' '), QLatin1Char('-'));
    return name;
}

// The escapes every string value of a desktop entry needs.
QString escapeStringValue(const QString& value)
{
    QString out;
    out.reserve(value.size());
    for (const QChar c : value) {
        switch (c.unicode()) {
        case '\\':
            out += QStringLiteral("\\\\");
            break;
        case '\n':
            out += QStringLiteral("\\n");
            break;
        case '\t':
            out += QStringLiteral("\\t");
            break;
        case '\r':
            out += QStringLiteral("\\r");
            break;
        default:
            out += c;
        }
    }
    return out;
}

bool writeIfChanged(const QString& fileName, const QByteArray& contents)
{
    const LimitedRead existing = LimitedRead::of(fileName, contents.size());
    if (existing.status == LimitedRead::Status::Ok && existing.bytes == contents)
        return true;
    if (!QDir().mkpath(QFileInfo(fileName).absolutePath()))
        return false;
    return SafeSave::writeFile(fileName, contents).ok();
}

QByteArray pngBytes(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// Installs every picture of an icon file (an .ico holds several sizes) into
// the hicolor theme under the given context and name. False when the file
// holds no readable picture.
bool installIcon(const QString& iconFile, const QString& dataHome, const QString& context,
                 const QString& name)
{
    QImageReader reader(iconFile);
    bool any = false;
    const int count = qMax(1, reader.imageCount());
    for (int i = 0; i < count; ++i) {
        if (i > 0 && !reader.jumpToImage(i))
            break;
        const QImage image = reader.read();
        if (image.isNull())
            continue;
        const int size = qMax(image.width(), image.height());
        const QString dir = QStringLiteral("%1/icons/hicolor/%2x%2/%3").arg(dataHome).arg(size).arg(context);
        any |= writeIfChanged(dir + QLatin1Char('/') + name + QStringLiteral(".png"), pngBytes(image));
    }
    return any;
}

#ifdef Q_OS_WIN
// The per-user classes: writing there needs no administrator rights and
// takes precedence over the machine-wide table for this user.
void writeWindowsEntries(const FileTypeRegistration& r)
{
    QSettings classes(QStringLiteral("HKEY_CURRENT_USER\\Software\\Classes"), QSettings::NativeFormat);
    classes.setValue(r.typeName + QStringLiteral("/Default"), r.displayName);
    classes.setValue(QLatin1Char('.') + r.extension + QStringLiteral("/Default"), r.typeName);
    // Quoted, so that a program folder with blanks and a file name with blanks work.
    classes.setValue(
        r.typeName + QStringLiteral("/shell/open/command/Default"),
        QString(QLatin1Char('"') + QDir::toNativeSeparators(r.programFile) + QStringLiteral("\" \"%1\"")));
    classes.setValue(r.typeName + QStringLiteral("/DefaultIcon/Default"),
                     QDir::toNativeSeparators(r.iconFile));
    classes.sync();
    SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
}
#endif

} // namespace

FileTypeRegistration sequenceFileRegistration(const QString& programFolder, const QString& programFile)
{
    const QDir folder(programFolder);
    return {QStringLiteral("Vantor 2.1"),
            programFile,
            QStringLiteral("Vantor_E6x"),
            QStringLiteral("zfx"),
            folder.filePath(QStringLiteral("Daten.ico")),
            folder.filePath(QStringLiteral("Vantor.png"))};
}

bool isRegisteredSystemWide(const QString& typeName)
{
    const QString own = QDir(FileTypeRegistrar::dataHome()).canonicalPath();
    const QString entry = QStringLiteral("applications/") + FileTypeNames::desktopFileId(typeName);
    const QStringList folders = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    for (const QString& folder : folders) {
        if (QDir(folder).canonicalPath() != own && QFileInfo::exists(QDir(folder).filePath(entry)))
            return true;
    }
    return false;
}

void registerFileType(const FileTypeRegistration& registration)
{
#ifndef Q_OS_WIN
    if (isRegisteredSystemWide(registration.typeName))
        return;
#endif
    auto* registrar = new FileTypeRegistrar(QCoreApplication::instance());
    QObject::connect(registrar, &FileTypeRegistrar::finished, registrar, &QObject::deleteLater);
    registrar->start(registration);
}

namespace FileTypeNames {
QString mimeType(const QString& typeName)
{
    return QStringLiteral("application/x-") + lowerDashed(typeName);
}
QString desktopFileId(const QString& typeName)
{
    return lowerDashed(typeName) + QStringLiteral(".desktop");
}
QString mimeIconName(const QString& typeName)
{
    return QStringLiteral("application-x-") + lowerDashed(typeName);
}
QString programIconName(const QString& typeName)
{
    return lowerDashed(typeName);
}
} // namespace FileTypeNames

QString quoteExecArgument(const QString& argument)
{
    // Inside double quotes the Exec rules reserve '"', '`', '$' and '\'; a
    // literal '%' is written twice. The string escapes of the file come on top.
    QString quoted = QStringLiteral("\"");
    for (const QChar c : argument) {
        switch (c.unicode()) {
        case '"':
        case '`':
        case '$':
        case '\\':
            quoted += QLatin1Char('\\') + c;
            break;
        case '%':
            quoted += QStringLiteral("%%");
            break;
        default:
            quoted += c;
        }
    }
    quoted += QLatin1Char('"');
    return escapeStringValue(quoted);
}

QByteArray mimePackage(const FileTypeRegistration& r)
{
    const QString xml =
        QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                       "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                       "  <mime-type type=\"%1\">\n"
                       "    <comment>%2</comment>\n"
                       "    <icon name=\"%3\"/>\n"
                       "    <glob pattern=\"%4\"/>\n"
                       "  </mime-type>\n"
                       "</mime-info>\n")
            .arg(FileTypeNames::mimeType(r.typeName), r.displayName.toHtmlEscaped(),
                 FileTypeNames::mimeIconName(r.typeName),
                 QString(QStringLiteral("*.") + r.extension).toHtmlEscaped());
    return xml.toUtf8();
}

QByteArray desktopEntry(const FileTypeRegistration& r, const QString& iconName)
{
    const QString entry = QStringLiteral("[Desktop Entry]\n"
                                         "Type=Application\n"
                                         "Version=1.0\n"
                                         "Name=%1\n"
                                         "Comment=Light sequences for the Vantor module\n"
                                         "Comment[de]=Lichtsequenzen für das Vantor-Modul\n"
                                         "Exec=%2 %f\n"
                                         "Icon=%3\n"
                                         "Terminal=false\n"
                                         "MimeType=%4;\n"
                                         "Categories=Utility;\n")
                              .arg(escapeStringValue(r.displayName), quoteExecArgument(r.programFile),
                                   escapeStringValue(iconName), FileTypeNames::mimeType(r.typeName));
    return entry.toUtf8();
}

FileTypeRegistrar::FileTypeRegistrar(QObject* parent) : QObject(parent) {}

FileTypeRegistrar::~FileTypeRegistrar()
{
    if (m_process) {
        m_process->disconnect(this);
        m_process->kill();
        m_process->waitForFinished(1000);
    }
}

QString FileTypeRegistrar::dataHome()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

QString FileTypeRegistrar::configHome()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

void FileTypeRegistrar::start(const FileTypeRegistration& registration)
{
    if (m_running)
        return;
    m_running = true;
    m_commands.clear();
#ifdef Q_OS_WIN
    writeWindowsEntries(registration);
#else
    const QString home = dataHome();
    writeDesktopFiles(registration, home);
    m_commands = {
        {QStringLiteral("update-mime-database"), home + QStringLiteral("/mime")},
        {QStringLiteral("update-desktop-database"), home + QStringLiteral("/applications")},
        {QStringLiteral("xdg-mime"), QStringLiteral("default"),
         FileTypeNames::desktopFileId(registration.typeName), FileTypeNames::mimeType(registration.typeName)},
    };
#endif
    // Always asynchronous, so that a caller can connect to finished() first.
    QMetaObject::invokeMethod(this, &FileTypeRegistrar::runNext, Qt::QueuedConnection);
}

void writeDesktopFiles(const FileTypeRegistration& r, const QString& home)
{
    const QString id = FileTypeNames::desktopFileId(r.typeName);
    writeIfChanged(QStringLiteral("%1/mime/packages/%2.xml").arg(home, lowerDashed(r.typeName)),
                   mimePackage(r));
    installIcon(r.iconFile, home, QStringLiteral("mimetypes"), FileTypeNames::mimeIconName(r.typeName));
    // The program's own icon when there is one, else the type's.
    const QString iconName = installIcon(r.programIconFile, home, QStringLiteral("apps"),
                                         FileTypeNames::programIconName(r.typeName))
                                 ? FileTypeNames::programIconName(r.typeName)
                                 : FileTypeNames::mimeIconName(r.typeName);
    writeIfChanged(home + QStringLiteral("/applications/") + id, desktopEntry(r, iconName));
}

void FileTypeRegistrar::runNext()
{
    if (m_commands.isEmpty()) {
        finish();
        return;
    }
    const QStringList command = m_commands.takeFirst();
    m_process = new QProcess(this);
    // The tools act on the same folders the files went to.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), dataHome());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome());
    m_process->setProcessEnvironment(env);
    // Whatever the tools say is of no use to the user: failures are silent.
    m_process->setProcessChannelMode(QProcess::MergedChannels);
    m_process->setStandardOutputFile(QProcess::nullDevice());
    auto next = [this] {
        m_process->disconnect(this);
        m_process->deleteLater();
        m_process = nullptr;
        runNext();
    };
    connect(m_process, &QProcess::finished, this, next);
    connect(m_process, &QProcess::errorOccurred, this, [next](QProcess::ProcessError error) {
        // A tool that is not installed is skipped; other errors end in finished().
        if (error == QProcess::FailedToStart)
            next();
    });
    m_process->start(command.first(), command.mid(1));
}

void FileTypeRegistrar::finish()
{
    m_running = false;
    emit finished();
}
