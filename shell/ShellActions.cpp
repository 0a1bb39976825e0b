#include "shell/ShellActions.h"

// Not written yet: help and updater follow.
ShellActions::ShellActions(AppContext& ctx, MainWindowUi& ui, QObject* parent)
    : QObject(parent), m_ctx(ctx), m_ui(ui)
{
}
