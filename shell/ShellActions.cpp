#include "shell/ShellActions.h"

#include "core/AppContext.h"
#include "core/LangText.h"
#include "core/Prompter.h"
#include "shell/HelpFiles.h"
#include "shell/HelpWindow.h"
#include "shell/LinkTarget.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QWidget>

ShellActions::ShellActions(AppContext& ctx, const Controls& controls, QObject* parent)
    : QObject(parent), m_ctx(ctx), m_ui(controls), m_launcher(&desktopLauncher())
{
    if (m_ui.Help)
        connect(m_ui.Help, &QAction::triggered, this, [this] { HTMLHelp_ShowTopic(QString()); });
    if (m_ui.Hilfe)
        connect(m_ui.Hilfe, &QAction::triggered, this, &ShellActions::HTMLHelp_Bootloader);
    if (m_ui.Update)
        connect(m_ui.Update, &QAction::triggered, this, &ShellActions::updateClick);
}

ShellActions::~ShellActions()
{
    delete m_help;
}

HelpWindow* ShellActions::helpWindow() const
{
    return m_help;
}

void ShellActions::setLauncher(LinkLauncher& launcher)
{
    m_launcher = &launcher;
    if (m_help)
        m_help->setLauncher(launcher);
}

bool ShellActions::german() const
{
    return m_ctx.languageName == QLatin1String("Deutsch");
}

void ShellActions::HTMLHelp_ShowTopic(const QString& topic)
{
    showHelp(HelpFiles::programHelp(m_ctx.programFolder, m_ctx.languageName), topic);
}

void ShellActions::HTMLHelp_Bootloader()
{
    showHelp(HelpFiles::updaterHelp(m_ctx.programFolder), QString());
}

void ShellActions::showHelp(const QString& fileName, const QString& topic)
{
    if (!m_help) {
        // A window of its own beside the main window, kept for the next call.
        QWidget* owner = m_ui.central ? m_ui.central->window() : nullptr;
        m_help = new HelpWindow(*m_launcher, owner);
    }
    const LangText& t = m_ctx.texts;
    m_help->setTexts(t.text(402), t.text(403), t.text(404), t.text(405));
    m_help->showFile(fileName, topic);
}

bool ShellActions::updateClick()
{
    const QString program = HelpFiles::updaterProgram(m_ctx.programFolder);
    const QString shown = QDir::toNativeSeparators(program);
    // The language files hold no text for these two messages.
    QString problem;
    if (!QFileInfo(program).isFile()) {
        problem =
            german() ? QStringLiteral("Das Programm für das Modul-Update wurde nicht gefunden:\r\n") + shown +
                           QStringLiteral("\r\n\r\nBitte installieren Sie es im Ordner dieses Programms.")
                     : QStringLiteral("The module update program was not found:\r\n") + shown +
                           QStringLiteral("\r\n\r\nPlease install it in the folder of this program.");
    } else if (!m_launcher->startDetached(program, m_ctx.programFolder)) {
        problem =
            german()
                ? QStringLiteral("Das Programm für das Modul-Update konnte nicht gestartet werden:\r\n") +
                      shown
                : QStringLiteral("The module update program could not be started:\r\n") + shown;
    }
    if (problem.isEmpty())
        return true;
    m_ctx.prompter.message(problem, m_ctx.texts.text(7), Prompter::Icon::Exclamation);
    return false;
}
