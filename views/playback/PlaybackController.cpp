#include "views/playback/PlaybackController.h"

// Not written yet: playback follows.
PlaybackController::PlaybackController(AppContext& ctx, MainWindowUi& ui, WindowOps& ops, QObject* parent)
    : QObject(parent), m_ctx(ctx), m_ui(ui), m_ops(ops)
{
}

bool PlaybackController::isPlaying() const
{
    return false;
}

void PlaybackController::stop() {}
