#pragma once

#include <QObject>

struct AppContext;
struct MainWindowUi;
class ConnectDialog;
class WindowOps;

// The window side of the module link: the port menu, sending the data,
// reading the module type and the memory requirement.
class ModuleController : public QObject
{
    Q_OBJECT
public:
    ModuleController(AppContext& ctx, MainWindowUi& ui, WindowOps& ops, ConnectDialog& connectDialog,
                     QObject* parent = nullptr);

    // Closes the serial port if it is open.
    void closePort();

private:
    AppContext& m_ctx;
    MainWindowUi& m_ui;
    WindowOps& m_ops;
    ConnectDialog& m_connectDialog;
};
