#include "shell/LinkTarget.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace {

bool startsWith(const QString& text, const char* prefix)
{
    return text.startsWith(QLatin1String(prefix), Qt::CaseInsensitive);
}

class DesktopLauncher final : public LinkLauncher
{
public:
    bool openUrl(const QUrl& url) override { return QDesktopServices::openUrl(url); }

    bool chooseProgramFor(const QString& path) override
    {
#ifdef Q_OS_WIN
        // The system's "Open with" window; rundll32 takes its arguments unquoted.
        QProcess chooser;
        chooser.setProgram(qEnvironmentVariable("SystemRoot") + QStringLiteral("\\System32\\rundll32.exe"));
        chooser.setNativeArguments(QStringLiteral("shell32.dll,OpenAs_RunDLL ") +
                                   QDir::toNativeSeparators(path));
        return chooser.startDetached();
#else
        // The desktops here have no common chooser to call; the file manager
        // showing the file's folder offers "Open with" on the file.
        return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absolutePath()));
#endif
    }

    bool startDetached(const QString& program, const QString& workingFolder) override
    {
        return QProcess::startDetached(program, {}, workingFolder);
    }
};

} // namespace

LinkAction resolveLinkTarget(const QString& target)
{
    LinkAction action;
    if (startsWith(target, "http://") || startsWith(target, "https://")) {
        action.kind = LinkAction::Kind::Web;
        action.url = QUrl(target, QUrl::TolerantMode);
    } else if (startsWith(target, "www.")) {
        action.kind = LinkAction::Kind::Web;
        action.url = QUrl(QStringLiteral("http://") + target, QUrl::TolerantMode);
    } else if (startsWith(target, "mailto:")) {
        action.kind = LinkAction::Kind::Mail;
        action.url = QUrl(target, QUrl::TolerantMode);
    } else if (startsWith(target, "App:") && target.size() > 4) {
        action.kind = LinkAction::Kind::Document;
        action.path = target.mid(4);
    }
    if (action.kind != LinkAction::Kind::Document && !action.url.isValid())
        action = LinkAction{};
    return action;
}

QString mailLink(const QString& address, const QString& subject, const QString& body)
{
    return QStringLiteral("mailto:") + address + QStringLiteral("?Subject=") +
           QString::fromLatin1(QUrl::toPercentEncoding(subject)) + QStringLiteral("&Body=") +
           QString::fromLatin1(QUrl::toPercentEncoding(body));
}

LinkLauncher& desktopLauncher()
{
    static DesktopLauncher launcher;
    return launcher;
}

bool followLink(const QString& target, LinkLauncher& launcher)
{
    const LinkAction action = resolveLinkTarget(target);
    switch (action.kind) {
    case LinkAction::Kind::Web:
    case LinkAction::Kind::Mail:
        return launcher.openUrl(action.url);
    case LinkAction::Kind::Document:
        // No program for the file: let the user choose one.
        return launcher.openUrl(QUrl::fromLocalFile(action.path)) || launcher.chooseProgramFor(action.path);
    case LinkAction::Kind::None:
        break;
    }
    return false;
}
