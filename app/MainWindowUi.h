#pragma once

#include "module/ModuleController.h"
#include "sequence/FileCommands.h"
#include "sequence/SequenceEditor.h"
#include "shell/ShellActions.h"
#include "views/CarViewsController.h"
#include "views/playback/PlaybackController.h"

#include <QList>
#include <array>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QMainWindow;
class QMenu;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QSplitter;
class QSlider;
class QTimer;
class QToolButton;
class QTreeView;
class QWidget;
class CarViewWidget;
class CarViewsPanel;
class ShowGridView;
class ShowGauge;

// Every control of the main window, created with its object name and its
// German design-time caption, in the layouts that place it. The parts of the
// program bind to these controls; the main window only owns them.
struct MainWindowUi
{
    QWidget* central = nullptr;
    // Inside the central widget: the scroll area that holds everything when
    // the screen is too small, its content, and the splitter between the
    // editing columns (cars, tables, commands) and the show grid.
    QScrollArea* scroll = nullptr;
    QWidget* content = nullptr;
    QSplitter* split = nullptr;
    QWidget* editor = nullptr;
    CarViewsPanel* carViews = nullptr;

    // Car views by view number: views[1] imaVR, [2] imaVL, [3] imaHL, [4] imaHR; [0] unused.
    std::array<CarViewWidget*, 5> views{};
    CarViewWidget* imaVR = nullptr;
    CarViewWidget* imaVL = nullptr;
    CarViewWidget* imaHL = nullptr;
    CarViewWidget* imaHR = nullptr;
    QLabel* picNummernschild_V = nullptr;
    QLabel* picNummernschild_H = nullptr;
    QLabel* labNummernschild_V = nullptr;
    QPushButton* cmdBereiche = nullptr;

    // Step tables: List1[0] unlock sequence, List1[1] lock sequence.
    std::array<QTreeView*, 2> List1{};
    // Under the tables: the memory the show needs and how long it plays.
    ShowGauge* showGauge = nullptr;

    // Step entry.
    QGroupBox* stepFrame = nullptr;
    QSlider* sliderZeitein = nullptr;
    QLabel* labZeitein = nullptr;
    QPushButton* cmdWeiter = nullptr;
    QCheckBox* chkAutomatichWeiter = nullptr;
    QCheckBox* chkSymmetrisch = nullptr; // a lamp clicked on one half is set on the other too
    QLabel* labPos = nullptr;
    QLabel* labX = nullptr;
    QLabel* labY = nullptr;

    QGroupBox* Frame1 = nullptr; // " Simulation "
    QPushButton* cmdLichtaus = nullptr;
    QPushButton* cmdSilulation = nullptr;
    QPushButton* cmdSimWeiter = nullptr;
    QComboBox* combTempo = nullptr; // playback speed: 1x, 1/2x, 1/4x

    QGroupBox* Frame2 = nullptr;         // " Bearbeiten "
    QPushButton* cmdAendern = nullptr;   // cmdÄndern
    QPushButton* cmdLoeschen = nullptr;  // cmdLöschen
    QPushButton* cmdEinfuegen = nullptr; // cmdEinfügen

    QGroupBox* Frame3 = nullptr; // " Schleife"
    QPushButton* cmdSchleife = nullptr;
    QPushButton* cmdSchleife_L = nullptr;

    QGroupBox* Frame4 = nullptr; // " Fernbedienung"
    std::array<QRadioButton*, 2> optAuf_Zu{};

    QGroupBox* Frame5 = nullptr; // " Daten "
    QPushButton* cmdSpeicherbedarf = nullptr;
    QPushButton* cmdDaten = nullptr;
    QProgressBar* Send_Progress = nullptr;

    QGroupBox* Frame6 = nullptr; // " Programm"
    QPushButton* cmdExit = nullptr;

    QGroupBox* Frame7 = nullptr; // " Ablaufraster", right of the command frames
    ShowGridView* ShowGrid = nullptr;

    QLabel* labInfo = nullptr;
    QLabel* labPort = nullptr;
    QLabel* labTempo = nullptr;      // the speed, while it is not real time
    QToolButton* cmdNacht = nullptr; // the night view, over the corner of the car views

    // Menus. Menu[1] to Menu[9]; [6] and [8] are the parents of submenus and
    // are the menu actions of menuLanguage and menuUpdate.
    QMenu* Datei = nullptr;
    std::array<QAction*, 10> Menu{};
    QMenu* menuLanguage = nullptr; // "Language", holds the Auswahl items
    QList<QAction*> Auswahl;       // Auswahl(1) ... in order
    QMenu* menuUpdate = nullptr;   // "Modul Update"
    QAction* Update = nullptr;
    QAction* Hilfe = nullptr;
    // File menu additions: the storyboard export after "Speichern unter", and
    // the recent files Recent[0] (newest) to Recent[4] above "Beenden",
    // hidden while unused, with their separator.
    QAction* ExportStoryboard = nullptr;
    // The shown sequence as an animated GIF, after the storyboard export.
    QAction* ExportAnimation = nullptr;
    QAction* ExportVideo = nullptr; // the shown sequences as a video
    QAction* NeuVorlage = nullptr;  // a new show from the library's
    std::array<QAction*, 5> Recent{};
    QAction* RecentSeparator = nullptr;
    // Edit menu after Datei: undo and redo of the table edits.
    QMenu* Bearbeiten = nullptr;
    QAction* Undo = nullptr;
    QAction* Redo = nullptr;
    // Then the table commands (cut, copy and the pastes are the List_1 items
    // of the context menu), and the composing tools.
    QAction* Loeschen = nullptr; // "Löschen": as cmdLöschen
    QAction* AllesMarkieren = nullptr;
    QAction* Spiegeln = nullptr;
    QAction* Umkehren = nullptr;
    QMenu* Skalieren = nullptr; // Faktor(1) to Faktor(4), the last asks for the factor
    QAction* Muster = nullptr;
    QAction* Abschied = nullptr;
    QAction* AlsBaustein = nullptr; // the marked rows saved as a piece of the user's
    QMenu* Ansicht = nullptr;       // the view: night view, speed, repeating a passage
    QAction* Nachtansicht = nullptr;
    QMenu* Tempo = nullptr;
    std::array<QAction*, 3> TempoStufe{};   // 1x, 1/2x, 1/4x
    QAction* WiederholtAbspielen = nullptr; // plays the marked rows over and over
    QMenu* Connect = nullptr;
    std::array<QAction*, 21> Port{}; // Port[1] to Port[20]
    // After the ports: try every port that could hold the module.
    QAction* FindModule = nullptr;
    QAction* Konfig = nullptr;
    QMenu* Info = nullptr;
    QAction* M_Type = nullptr;
    QAction* About = nullptr;
    QMenu* Help_Menu = nullptr;
    QAction* Help = nullptr;
    QAction* Bereich = nullptr;
    // The tables' context menu (not on the menu bar): List_1[1] to List_1[4].
    QMenu* Tabelle = nullptr;
    std::array<QAction*, 5> List_1{};

    QTimer* TimerE = nullptr;

    void setup(QMainWindow* window);
    void setupMenus(QMainWindow* window);
    // Once the tables have their models: the step number shown first.
    void arrangeTableColumns();
    // The name of sequence k as its remote-control button reads, without the mnemonic.
    QString sequenceName(int k) const;

    // Each part's share of the controls, handed over when it is made.
    ShellActions::Controls shellActionsControls() const;
    FileCommands::Controls fileCommandsControls() const;
    PlaybackController::Controls playbackControls() const;
    ModuleController::Controls moduleControls() const;
    CarViewsController::Controls carViewsControls() const;
    SequenceEditor::Controls sequenceEditorControls() const;
    CommandEnabler::Controls commandEnablerControls() const;
};
