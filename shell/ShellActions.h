#pragma once

#include <QObject>
#include <QPointer>

class QAction;
class QWidget;

struct AppContext;
class HelpWindow;
class LinkLauncher;

// The main window's entries that lead out of the program: the help, the
// firmware updater and its help.
class ShellActions : public QObject
{
    Q_OBJECT
public:
    // The main window's controls these entries bind to; any may be null.
    struct Controls
    {
        QWidget* central = nullptr; // its window owns the help window
        QAction* Help = nullptr;
        QAction* Hilfe = nullptr;
        QAction* Update = nullptr;
    };

    ShellActions(AppContext& ctx, const Controls& controls, QObject* parent = nullptr);
    ~ShellActions() override;

    // Where links and the updater are started (the desktop unless a test says otherwise).
    void setLauncher(LinkLauncher& launcher);

    // The program's help in the user's language: German for "Deutsch",
    // English for every other language. The topic is an anchor in the help;
    // empty shows its start.
    void HTMLHelp_ShowTopic(const QString& topic);
    // The help on the firmware updater.
    void HTMLHelp_Bootloader();
    // Starts the firmware updater beside the program without waiting for it;
    // says so in a message when it is missing or cannot be started.
    bool updateClick();

    // The help window, once a help was shown.
    HelpWindow* helpWindow() const;

private:
    void showHelp(const QString& fileName, const QString& topic);
    bool german() const;

    AppContext& m_ctx;
    Controls m_ui;
    LinkLauncher* m_launcher;
    QPointer<HelpWindow> m_help;
};
