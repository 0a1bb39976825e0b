#include "app/Startup.h"
#include "vehicle/VehicleConfig.h"

#include "app/LanguageDialog.h"
#include "app/MainWindow.h"
#include "app/StartScreen.h"
#include "app/WindowState.h"
#include "core/AppContext.h"
#include "core/LangText.h"
#include "core/SettingsStore.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

Startup::Startup(AppContext& ctx, const QString& commandLine, QObject* parent)
    : QObject(parent), m_ctx(ctx), m_commandLine(commandLine)
{
}

Startup::~Startup()
{
    delete m_mainWindow;
    delete m_startScreen;
    delete m_languageDialog;
}

void Startup::begin()
{
    // The program ends when its main window closes, and only then: the start
    // screen does not count as a window, so a message answered before the
    // main window shows (a damaged start-up file, a missing language file)
    // would otherwise be the last window, and closing it would end the program.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    m_ctx.languageName = m_ctx.settings.get(QStringLiteral("Language"));
    if (!m_ctx.languageName.isEmpty()) {
        showStartScreen();
        return;
    }
    m_languageDialog = new LanguageDialog(scanLanguageNames(m_ctx.programFolder, 20));
    connect(m_languageDialog, &QDialog::finished, this, [this](int result) {
        m_languageDialog->deleteLater();
        if (result != QDialog::Accepted) {
            emit cancelled();
            return;
        }
        m_ctx.languageName = m_languageDialog->chosenLanguage();
        m_ctx.settings.save(QStringLiteral("Language"), m_ctx.languageName);
        showStartScreen();
    });
    m_languageDialog->open();
}

void Startup::showStartScreen()
{
    m_startScreen = new StartScreen(m_ctx.languageName);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        m_startScreen->move(screen->availableGeometry().center() - m_startScreen->rect().center());
    connect(m_startScreen, &StartScreen::ready, this, &Startup::loadMainWindow);
    m_startScreen->show();
}

void Startup::loadMainWindow()
{
    m_loadClock.start();
    m_mainWindow = new MainWindow(m_ctx);
    connect(m_mainWindow, &MainWindow::closed, this, &Startup::mainWindowClosed);
    const int minimumMs = m_mainWindow->load(m_commandLine);
    // The start screen stays its minimum time; the event loop keeps running meanwhile.
    const int remaining = std::max<int>(0, minimumMs - int(m_loadClock.elapsed()));
    QTimer::singleShot(remaining, this, [this] {
        if (m_startScreen) {
            m_startScreen->close();
            m_startScreen->deleteLater();
        }
        // Placed by the program (where it was last time, or centred on the
        // screen): the messages that open over it as soon as it shows are
        // centred on where it really is, not on where a window manager has yet to put it.
        m_mainWindow->windowState().restore();
        m_mainWindow->show();
        emit mainWindowShown();
    });
}
