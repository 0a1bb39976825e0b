#pragma once

#include "app/MainWindowUi.h"
#include "sequence/Pieces.h"
#include "ui/WindowOps.h"

#include <QMainWindow>
#include <QStringList>

struct AppContext;
class AnimationExport;
class ViewMenu;
class VideoExport;
class TemplateGallery;
class ShowGaugeFeed;
class CarViewsController;
class Comforts;
class ConnectDialog;
class FileCommands;
class InfoDialog;
class ModuleController;
class PlaybackController;
class ShellActions;
class ParameterDialog;
class PropertiesDialog;
class SequenceEditor;
class ShowGridModel;
class ShowGridSelection;
class WindowState;

// The editor's main window. It owns the controls and the dialogs and hands
// each group of controls to the part of the program that works them.
class MainWindow : public QMainWindow, public WindowOps
{
    Q_OBJECT
public:
    explicit MainWindow(AppContext& ctx, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Loads the window: developer mode, language, settings, the file named on
    // the command line, the vehicle. Returns the minimum time in milliseconds
    // the start screen is to stay, counted from the start of loading.
    int load(const QString& commandLine);
    // The steps load() ran, in order (for diagnostics and tests).
    const QStringList& loadSteps() const { return m_loadSteps; }

    MainWindowUi& ui() { return m_ui; }
    ParameterDialog& parameterDialog() { return *m_parameterDialog; }
    PropertiesDialog& propertiesDialog() { return *m_propertiesDialog; }
    InfoDialog& infoDialog() { return *m_infoDialog; }
    ConnectDialog& connectDialog() { return *m_connectDialog; }
    FileCommands& fileCommands() { return *m_fileCommands; }
    SequenceEditor& sequenceEditor() { return *m_sequenceEditor; }
    CarViewsController& carViews() { return *m_carViews; }
    PlaybackController& playback() { return *m_playback; }
    ModuleController& moduleController() { return *m_module; }
    Comforts& comforts() { return *m_comforts; }
    ShowGridModel& showGrid() { return *m_gridModel; }
    AnimationExport& animationExport() { return *m_animationExport; }
    VideoExport& videoExport() { return *m_videoExport; }
    TemplateGallery& templates() { return *m_templates; }
    // The texts of saving a piece: the menu entry, replacing one, a failure.
    static constexpr int PieceMenuText = 433;
    static constexpr int PieceExistsText = 438;
    static constexpr int PieceFailedText = 441;
    // The user's pieces; tests give them a folder of their own.
    void setPiecesFolder(const QString& folder) { m_pieces = Pieces(folder); }
    ShowGaugeFeed& gaugeFeed() { return *m_gaugeFeed; }
    WindowState& windowState() { return *m_windowState; }
    bool isFirstRun() const { return m_firstRun; }

    // The language menu and texts.
    void language();
    void applyTexts(bool initial);
    void auswahlClick(int index);

    void loadSettings();
    void resetSettings();

    // WindowOps
    void lichtAus() override;
    void showRow() override;
    void appendStep() override;
    void applyDocumentVehicle() override;
    void modellauswahl() override;
    void refreshCaption() override;

signals:
    // The window has closed for good (every question answered): the program ends.
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void connectMenus();
    // "Muster einfügen": the pattern dialog, previewed on the car views; OK puts its steps in.
    void insertPattern();
    // The marked rows saved under a name as one of the user's pieces.
    void savePiece();
    void menuClick(int index);
    void runOneTimeSteps();
    QString languageFile(const QString& name) const;
    void applyCaptionTable();
    // Texts that are not captions of named controls: table headings, list
    // items, the decimal separator shown, Qt's own dialogs.
    void applyRunTimeTexts();
    // The window's mark for unsaved changes.
    void refreshModified();
    void scheduleModifiedRefresh();

    AppContext& m_ctx;
    MainWindowUi m_ui;
    ParameterDialog* m_parameterDialog = nullptr;
    PropertiesDialog* m_propertiesDialog = nullptr;
    InfoDialog* m_infoDialog = nullptr;
    ConnectDialog* m_connectDialog = nullptr;
    SequenceEditor* m_sequenceEditor = nullptr;
    FileCommands* m_fileCommands = nullptr;
    CarViewsController* m_carViews = nullptr;
    PlaybackController* m_playback = nullptr;
    ModuleController* m_module = nullptr;
    ShellActions* m_shell = nullptr;
    Comforts* m_comforts = nullptr;
    ShowGridModel* m_gridModel = nullptr;
    ShowGridSelection* m_gridSelection = nullptr;
    AnimationExport* m_animationExport = nullptr;
    ViewMenu* m_viewMenu = nullptr;
    VideoExport* m_videoExport = nullptr;
    TemplateGallery* m_templates = nullptr;
    Pieces m_pieces;
    ShowGaugeFeed* m_gaugeFeed = nullptr;
    WindowState* m_windowState = nullptr;

    QString m_commandLine;
    QStringList m_loadSteps;
    bool m_firstRun = false;
    bool m_startupFileFailed = false;
    bool m_oneTimeStepsPending = false;
    bool m_modifiedPending = false;
};
