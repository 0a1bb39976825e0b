#pragma once

#include <QObject>

struct AppContext;
struct MainWindowUi;
class WindowOps;

// Plays the active sequence on the car views with its real timing.
class PlaybackController : public QObject
{
    Q_OBJECT
public:
    PlaybackController(AppContext& ctx, MainWindowUi& ui, WindowOps& ops, QObject* parent = nullptr);

    bool isPlaying() const;
    // Stops playback if it runs (used before commands that change the table).
    void stop();

private:
    AppContext& m_ctx;
    MainWindowUi& m_ui;
    WindowOps& m_ops;
};
