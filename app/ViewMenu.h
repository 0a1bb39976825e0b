#pragma once

#include <QObject>

struct AppContext;
struct MainWindowUi;
class CarViewsController;
class PlaybackController;

// The View menu and its partners in the window: the night view (menu entry
// and the moon button over the car views, remembered between runs) and the
// playback speed (menu entries and the list beside the play buttons).
class ViewMenu : public QObject
{
    Q_OBJECT
public:
    static constexpr int MenuText = 407;
    static constexpr int NightText = 408;

    ViewMenu(AppContext& ctx, MainWindowUi& ui, CarViewsController& views, PlaybackController& playback,
             QObject* parent = nullptr);

    // Menu captions in the current language.
    void applyTexts();
    // The night view as it was left.
    void restore();

private:
    // Switched by the user: shown and kept.
    void setNight(bool night);
    void show(bool night);

    AppContext& m_ctx;
    MainWindowUi& m_ui;
    CarViewsController& m_views;
    PlaybackController& m_playback;
};
