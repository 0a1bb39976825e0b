#pragma once

#include <QString>
#include <QUrl>

// What following a link target means. Targets are told apart by their prefix:
// "www." and "http://" (or "https://") are web pages, "mailto:" an e-mail,
// "App:" a document on this computer (the rest is its path).
struct LinkAction
{
    enum class Kind
    {
        None,
        Web,
        Mail,
        Document
    };
    Kind kind = Kind::None;
    QUrl url;     // Web and Mail: the address to open
    QString path; // Document: the file to open
};

LinkAction resolveLinkTarget(const QString& target);

// "mailto:" + address with subject and body, both percent-encoded.
QString mailLink(const QString& address, const QString& subject, const QString& body);

// Opens links with the programs of the desktop. Tests put a recorder in its place.
class LinkLauncher
{
public:
    virtual ~LinkLauncher() = default;
    // Opens an address or a document with its associated program; false when
    // there is none or it could not be asked.
    virtual bool openUrl(const QUrl& url) = 0;
    // Lets the user pick the program for a file no program is associated with.
    virtual bool chooseProgramFor(const QString& path) = 0;
    // Starts a program on its own, without waiting for it.
    virtual bool startDetached(const QString& program, const QString& workingFolder) = 0;
};

// The desktop's services (QDesktopServices and the system's chooser).
LinkLauncher& desktopLauncher();

// Acts on a target as resolveLinkTarget() says; false when nothing was opened.
bool followLink(const QString& target, LinkLauncher& launcher);
