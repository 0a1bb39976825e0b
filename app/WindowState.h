#pragma once

#include <QObject>

struct MainWindowUi;
class QMainWindow;
class SettingsStore;

// The main window's size, place and splitter between runs, and its size on
// the screen it is on: never smaller than its content needs unless the
// screen is smaller still (the content then scrolls), the cars growing with
// the window's height.
class WindowState : public QObject
{
    Q_OBJECT
public:
    // The settings keys: the window's geometry and splitter; the grid's zoom.
    static constexpr const char* GeometryKey = "Fenster";
    static constexpr const char* ZoomKey = "Rasterzoom";

    WindowState(QMainWindow& window, MainWindowUi& ui, SettingsStore& settings, QObject* parent = nullptr);

    // Before the window first shows: the saved size, place, splitter and zoom,
    // moved onto a screen if the saved place is on none; without any, a size
    // that uses most of the screen, centred on it.
    void restore();
    void save();

    // The size the window's content needs, menu bar included.
    QSize neededSize() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fitMinimumToScreen();
    // The splitter gives the editing columns the width their cars need at this height.
    void fitCarsToHeight();

    QMainWindow& m_window;
    MainWindowUi& m_ui;
    SettingsStore& m_settings;
    bool m_restored = false;
    bool m_shown = false;
    bool m_fitPending = false;
    int m_lastHeight = -1;
};
