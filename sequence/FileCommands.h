#pragma once

#include <QObject>

struct AppContext;
struct MainWindowUi;
class WindowOps;

// The File menu's document commands: New, Open, Save, Save As.
class FileCommands : public QObject
{
    Q_OBJECT
public:
    FileCommands(AppContext& ctx, MainWindowUi& ui, WindowOps& ops, QObject* parent = nullptr);

    // Each returns true when it ran to its end (not cancelled, not failed).
    bool newDocument();
    bool open();
    bool save();
    bool saveAs();

private:
    AppContext& m_ctx;
    MainWindowUi& m_ui;
    WindowOps& m_ops;
};
