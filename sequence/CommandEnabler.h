#pragma once

#include <QObject>

struct AppContext;
struct MainWindowUi;
class RowClipboard;

// Keeps the editing commands of the main window (buttons and the tables'
// context menu) and cmdDaten enabled exactly while they can act, by the rule
// of CommandAvailability. It follows the marks, the focused row, the rows and
// the active sequence by itself; the clipboard, playback, the module link and
// the greeting light are reported to it.
class CommandEnabler : public QObject
{
    Q_OBJECT
public:
    CommandEnabler(AppContext& ctx, MainWindowUi& ui, const RowClipboard& clipboard,
                   QObject* parent = nullptr);

    bool isPlaying() const { return m_playing; }

public slots:
    // Applies the rule to the controls now.
    void refresh();
    void setPlaying(bool playing);
    void setUploading(bool uploading);
    // The greeting light is sent even without rows in the unlock sequence.
    void setGreetingLight(bool on);

private:
    AppContext& m_ctx;
    MainWindowUi& m_ui;
    const RowClipboard& m_clipboard;
    bool m_playing = false;
    bool m_uploading = false;
    bool m_greetingLight = false;
};
