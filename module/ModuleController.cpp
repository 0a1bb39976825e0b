#include "module/ModuleController.h"

// Not written yet: the serial link follows.
ModuleController::ModuleController(AppContext& ctx, MainWindowUi& ui, WindowOps& ops,
                                   ConnectDialog& connectDialog, QObject* parent)
    : QObject(parent), m_ctx(ctx), m_ui(ui), m_ops(ops), m_connectDialog(connectDialog)
{
}

void ModuleController::closePort() {}
