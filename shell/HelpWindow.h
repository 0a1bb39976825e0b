#pragma once

#include <QWidget>

class LinkLauncher;
class QTextBrowser;
class QToolButton;
class QUrl;

// The program's help viewer: shows an HTML help file, follows the links
// inside the help itself and hands web and e-mail links to the desktop.
class HelpWindow : public QWidget
{
    Q_OBJECT
public:
    explicit HelpWindow(LinkLauncher& launcher, QWidget* parent = nullptr);

    void setLauncher(LinkLauncher& launcher) { m_launcher = &launcher; }
    // The tooltips of the three buttons and the title of a page without one,
    // in the language in use.
    void setTexts(const QString& back, const QString& forward, const QString& home, const QString& title);

    // Shows the file at the given anchor (the top when the topic is empty)
    // and brings the window to the front. A missing file is said in the
    // window itself.
    void showFile(const QString& fileName, const QString& topic = QString());

    QString currentFile() const { return m_file; }
    bool fileFound() const { return m_found; }
    QTextBrowser* browser() const { return m_browser; }

private:
    void openLink(const QUrl& url);

    LinkLauncher* m_launcher;
    QTextBrowser* m_browser;
    QToolButton* m_back;
    QToolButton* m_forward;
    QToolButton* m_home;
    QString m_file;
    QString m_title = QStringLiteral("Hilfe");
    bool m_found = false;
};
