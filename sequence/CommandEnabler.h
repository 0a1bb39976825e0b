#pragma once

#include <QObject>
#include <array>

struct AppContext;
class QAction;
class QPushButton;
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
    // The main window's controls this part binds to.
    struct Controls
    {
        QPushButton* cmdWeiter = nullptr;
        QPushButton* cmdEinfuegen = nullptr;
        QPushButton* cmdAendern = nullptr;
        QPushButton* cmdLoeschen = nullptr;
        QPushButton* cmdSchleife = nullptr;
        QPushButton* cmdSchleife_L = nullptr;
        QPushButton* cmdDaten = nullptr;
        std::array<QAction*, 5> List_1{}; // the tables' context menu, List_1[1] to List_1[4]
        // The Edit menu's own items; its cut, copy and paste are the List_1 items.
        QAction* Loeschen = nullptr; // Löschen: as cmdLöschen
        QAction* AllesMarkieren = nullptr;
        QAction* Spiegeln = nullptr;
        QAction* Umkehren = nullptr;
        QAction* Skalieren = nullptr; // the submenu's own item
        QAction* Muster = nullptr;
        QAction* Abschied = nullptr;
    };

    CommandEnabler(AppContext& ctx, const Controls& controls, const RowClipboard& clipboard,
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
    Controls m_ui;
    const RowClipboard& m_clipboard;
    bool m_playing = false;
    bool m_uploading = false;
    bool m_greetingLight = false;
};
