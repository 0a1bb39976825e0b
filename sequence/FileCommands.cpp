#include "sequence/FileCommands.h"

// Not written yet: the file commands follow with the file format.
FileCommands::FileCommands(AppContext& ctx, MainWindowUi& ui, WindowOps& ops, QObject* parent)
    : QObject(parent), m_ctx(ctx), m_ui(ui), m_ops(ops)
{
}

bool FileCommands::newDocument()
{
    return false;
}

bool FileCommands::open()
{
    return false;
}

bool FileCommands::save()
{
    return false;
}

bool FileCommands::saveAs()
{
    return false;
}
