#pragma once

#include "app/LanguageDialog.h"
#include "app/StartScreen.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>

struct AppContext;
class MainWindow;

// The way from the program's start to its main window: the choice of language
// on the first start, the start screen, loading the main window, and the
// start screen's minimum time, all driven by the event loop.
class Startup : public QObject
{
    Q_OBJECT
public:
    Startup(AppContext& ctx, const QString& commandLine, QObject* parent = nullptr);
    ~Startup() override;

    void begin();

    LanguageDialog* languageDialog() const { return m_languageDialog; }
    StartScreen* startScreen() const { return m_startScreen; }
    MainWindow* mainWindow() const { return m_mainWindow; }

signals:
    // The start screen has closed and the main window is on screen.
    void mainWindowShown();
    // The first start's language choice was closed without a choice.
    void cancelled();
    // The main window has closed: the program is to end.
    void mainWindowClosed();

private:
    void showStartScreen();
    void loadMainWindow();

    AppContext& m_ctx;
    QString m_commandLine;
    QPointer<LanguageDialog> m_languageDialog;
    QPointer<StartScreen> m_startScreen;
    MainWindow* m_mainWindow = nullptr;
    QElapsedTimer m_loadClock;
};
