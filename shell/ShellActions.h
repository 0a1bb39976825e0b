#pragma once

#include <QObject>

struct AppContext;
struct MainWindowUi;

// The main window's entries that lead out of the program: help, the
// firmware updater and its help.
class ShellActions : public QObject
{
    Q_OBJECT
public:
    ShellActions(AppContext& ctx, MainWindowUi& ui, QObject* parent = nullptr);

private:
    AppContext& m_ctx;
    MainWindowUi& m_ui;
};
