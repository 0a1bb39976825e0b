#include "app/MainWindowUi.h"
#include "app/ShowGauge.h"
#include "sequence/Interval.h"
#include "sequence/SequenceTableModel.h"
#include "vehicle/VehicleConfig.h"

#include "views/CarViewWidget.h"
#include "views/grid/ShowGridView.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>
#include <QTreeView>

namespace {

// Geometry of the fixed layout, in pixels of the window's client area.
constexpr int ViewLeft1 = 11;  // left column of car views
constexpr int ViewLeft2 = 206; // right column of car views
constexpr int ViewTopFront = 8;
constexpr int ViewTopRear = 285;
constexpr int TableLeft = 412;
constexpr int TableWidth = 196;
constexpr int Gap = 8;
constexpr int RemoteHeight = 56;
constexpr int TableHeight = 334; // the step tables with the gauge under them
constexpr int GaugeHeight = 40;
constexpr int SideLeft = 618;
constexpr int SideWidth = 186;
constexpr int ButtonHeight = 26;
constexpr int ButtonPitch = 30;
constexpr int FrameTitle = 24;
// The show grid right of the command frames, as high as views and status line.
constexpr int GridLeft = SideLeft + SideWidth + Gap;
constexpr int GridWidth = 520;
constexpr int ClientWidth = GridLeft + GridWidth + 10;
constexpr int StatusTop = 562;
constexpr int ClientHeight = StatusTop + 24;

QString idx(const char* name, int i)
{
    return QString::fromUtf8(name) + QLatin1Char('(') + QString::number(i) + QLatin1Char(')');
}

template <typename W> W* make(QWidget* parent, const QString& name)
{
    auto* widget = new W(parent);
    widget->setObjectName(name);
    return widget;
}

QPushButton* button(QWidget* parent, const QString& name, const QString& caption, int y)
{
    auto* b = make<QPushButton>(parent, name);
    b->setText(caption);
    b->setGeometry(8, y, SideWidth - 16, ButtonHeight);
    return b;
}

QGroupBox* frame(QWidget* parent, const QString& name, const QString& caption, int top, int height)
{
    auto* f = make<QGroupBox>(parent, name);
    f->setTitle(caption);
    f->setGeometry(SideLeft, top, SideWidth, height);
    return f;
}

QAction* action(QMenu* menu, const QString& name, const QString& caption)
{
    auto* a = menu->addAction(caption);
    a->setObjectName(name);
    return a;
}

} // namespace

void MainWindowUi::setup(QMainWindow* window)
{
    window->setObjectName(QStringLiteral("MainWindow"));
    central = make<QWidget>(window, QStringLiteral("centralWidget"));
    window->setCentralWidget(central);
    central->setFixedSize(ClientWidth, ClientHeight);

    // Car views: front pair above, rear pair below; the halves meet in the middle.
    imaVR = new CarViewWidget(1, central);
    imaVL = new CarViewWidget(2, central);
    imaHL = new CarViewWidget(3, central);
    imaHR = new CarViewWidget(4, central);
    imaVR->setObjectName(QStringLiteral("imaVR"));
    imaVL->setObjectName(QStringLiteral("imaVL"));
    imaHL->setObjectName(QStringLiteral("imaHL"));
    imaHR->setObjectName(QStringLiteral("imaHR"));
    imaVR->move(ViewLeft1, ViewTopFront);
    imaVL->move(ViewLeft2, ViewTopFront);
    imaHL->move(ViewLeft1, ViewTopRear);
    imaHR->move(ViewLeft2, ViewTopRear);
    views = {nullptr, imaVR, imaVL, imaHL, imaHR};

    // Licence plates lie over the junction of each pair; their place follows the vehicle.
    picNummernschild_V = make<QLabel>(central, QStringLiteral("picNummernschild_V"));
    picNummernschild_V->setGeometry(161, 203, 90, 18);
    picNummernschild_H = make<QLabel>(central, QStringLiteral("picNummernschild_H"));
    picNummernschild_H->setGeometry(167, 469, 85, 18);
    for (QLabel* plate : {picNummernschild_V, picNummernschild_H}) {
        plate->setAlignment(Qt::AlignCenter);
        plate->setStyleSheet(QStringLiteral(
            "background: #f4f4f0; color: #202020; border: 1px solid #303030; border-radius: 2px;"
            "font: bold 9px 'DejaVu Sans';"));
        plate->setText(QStringLiteral("VANTOR"));
    }
    labNummernschild_V = make<QLabel>(picNummernschild_V, QStringLiteral("labNummernschild_V"));
    labNummernschild_V->hide();

    // Which table is shown and edited: the unlock or the lock sequence.
    Frame4 = make<QGroupBox>(central, QStringLiteral("Frame4"));
    Frame4->setTitle(QStringLiteral(" Fernbedienung"));
    Frame4->setGeometry(TableLeft, ViewTopFront, TableWidth, RemoteHeight);
    for (int k = 0; k < 2; ++k) {
        auto* option = make<QRadioButton>(Frame4, idx("optAuf_Zu", k));
        option->setText(k == 0 ? QStringLiteral("Öffnen") : QStringLiteral("Schliessen"));
        option->setGeometry(10 + k * (TableWidth / 2 - 4), 24, TableWidth / 2 - 12, 22);
        optAuf_Zu[std::size_t(k)] = option;
    }
    optAuf_Zu[0]->setChecked(true);

    // Step tables: the visible one belongs to the active sequence.
    const int tableTop = ViewTopFront + RemoteHeight + Gap;
    for (int k = 0; k < 2; ++k) {
        auto* table = make<QTreeView>(central, idx("List1", k));
        table->setGeometry(TableLeft, tableTop, TableWidth, TableHeight - GaugeHeight - 4);
        table->setRootIsDecorated(false);
        table->setUniformRowHeights(true);
        table->setAllColumnsShowFocus(true);
        table->setSelectionMode(QAbstractItemView::ExtendedSelection);
        table->setSelectionBehavior(QAbstractItemView::SelectRows);
        table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table->setContextMenuPolicy(Qt::CustomContextMenu);
        table->setVisible(k == 0);
        List1[std::size_t(k)] = table;
    }

    showGauge = new ShowGauge(central);
    showGauge->setGeometry(TableLeft, tableTop + TableHeight - GaugeHeight, TableWidth, GaugeHeight);

    // Step entry: interval slider, append, automatic advance, position read-outs.
    stepFrame = make<QGroupBox>(central, QStringLiteral("stepFrame"));
    const int stepTop = tableTop + TableHeight + Gap;
    stepFrame->setGeometry(TableLeft, stepTop, TableWidth, StatusTop - Gap - stepTop);
    sliderZeitein = make<QSlider>(stepFrame, QStringLiteral("sliderZeitein"));
    sliderZeitein->setOrientation(Qt::Horizontal);
    sliderZeitein->setRange(Interval::MinTenths, Interval::MaxTenths);
    sliderZeitein->setSingleStep(1);
    sliderZeitein->setPageStep(5);
    sliderZeitein->setGeometry(8, 10, TableWidth - 16, 22);
    labZeitein = make<QLabel>(stepFrame, QStringLiteral("labZeitein"));
    labZeitein->setText(QStringLiteral("0,1 Sec ein/aus"));
    labZeitein->setGeometry(8, 34, TableWidth - 16, 18);
    labZeitein->setAlignment(Qt::AlignCenter);
    cmdWeiter = make<QPushButton>(stepFrame, QStringLiteral("cmdWeiter"));
    cmdWeiter->setText(QStringLiteral("Speichern und weiter"));
    cmdWeiter->setToolTip(QStringLiteral("( Space Taste )"));
    cmdWeiter->setGeometry(8, 56, TableWidth - 16, ButtonHeight);
    chkAutomatichWeiter = make<QCheckBox>(stepFrame, QStringLiteral("chkAutomatichWeiter"));
    chkAutomatichWeiter->setText(QStringLiteral("Autom."));
    chkAutomatichWeiter->setToolTip(QStringLiteral("Autoamtisch weiter mit linker Maustaste"));
    chkAutomatichWeiter->setGeometry(8, 88, 72, 20);
    chkSymmetrisch = make<QCheckBox>(stepFrame, QStringLiteral("chkSymmetrisch"));
    chkSymmetrisch->setText(QStringLiteral("Symmetrisch"));
    chkSymmetrisch->setToolTip(
        QStringLiteral("Ein Klick auf eine Lampe schaltet sie auf beiden Seiten des Fahrzeugs"));
    chkSymmetrisch->setGeometry(82, 88, TableWidth - 90, 20);
    labPos = make<QLabel>(stepFrame, QStringLiteral("labPos"));
    labPos->setText(QStringLiteral("Position 0"));
    labPos->setGeometry(8, 112, 90, 18);
    labX = make<QLabel>(stepFrame, QStringLiteral("labX"));
    labX->setGeometry(100, 112, 42, 18);
    labX->setVisible(false);
    labY = make<QLabel>(stepFrame, QStringLiteral("labY"));
    labY->setGeometry(144, 112, 44, 18);
    labY->setVisible(false);

    // Command frames down the right-hand side.
    int top = ViewTopFront;
    auto frameHeight = [](int buttons) { return FrameTitle + buttons * ButtonPitch + 4; };
    Frame1 = frame(central, QStringLiteral("Frame1"), QStringLiteral(" Simulation "), top, frameHeight(3));
    cmdLichtaus =
        button(Frame1, QStringLiteral("cmdLichtaus"), QStringLiteral("Alle Lampen &aus"), FrameTitle);
    cmdSilulation = button(Frame1, QStringLiteral("cmdSilulation"), QStringLiteral("Simula&tion |>"),
                           FrameTitle + ButtonPitch);
    cmdSilulation->setToolTip(QStringLiteral("Starte von vorne"));
    cmdSimWeiter = button(Frame1, QStringLiteral("cmdSimWeiter"), QStringLiteral("Simulation >>"),
                          FrameTitle + 2 * ButtonPitch);
    cmdSimWeiter->setToolTip(QStringLiteral("Start von Aktueller Position"));
    top += frameHeight(3) + Gap;

    Frame2 = frame(central, QStringLiteral("Frame2"), QStringLiteral(" Bearbeiten "), top, frameHeight(3));
    cmdAendern = button(Frame2, QStringLiteral("cmdÄndern"), QStringLiteral("&Ändern"), FrameTitle);
    cmdAendern->setToolTip(QStringLiteral("Werte in der Tabelle überschreiben"));
    cmdLoeschen = button(Frame2, QStringLiteral("cmdLöschen"), QStringLiteral("Zeile(n) &löschen"),
                         FrameTitle + ButtonPitch);
    cmdEinfuegen = button(Frame2, QStringLiteral("cmdEinfügen"), QStringLiteral("Zeile &einfügen"),
                          FrameTitle + 2 * ButtonPitch);
    top += frameHeight(3) + Gap;

    Frame3 = frame(central, QStringLiteral("Frame3"), QStringLiteral(" Schleife"), top, frameHeight(2));
    cmdSchleife =
        button(Frame3, QStringLiteral("cmdSchleife"), QStringLiteral("Schleife erstellen"), FrameTitle);
    cmdSchleife->setToolTip(QStringLiteral("Erstellt eine Schleife auf die makierten Zeilen"));
    cmdSchleife_L = button(Frame3, QStringLiteral("cmdSchleife_L"), QStringLiteral("Schleife löschen"),
                           FrameTitle + ButtonPitch);
    cmdSchleife_L->setToolTip(QStringLiteral("Löscht eine Schleife"));
    top += frameHeight(2) + Gap;

    Frame5 = frame(central, QStringLiteral("Frame5"), QStringLiteral(" Daten "), top, frameHeight(2) + 20);
    cmdSpeicherbedarf =
        button(Frame5, QStringLiteral("cmdSpeicherbedarf"), QStringLiteral("Speicher&bedarf"), FrameTitle);
    cmdDaten =
        button(Frame5, QStringLiteral("cmdDaten"), QStringLiteral("Daten &senden"), FrameTitle + ButtonPitch);
    Send_Progress = make<QProgressBar>(Frame5, QStringLiteral("Send_Progress"));
    Send_Progress->setGeometry(8, FrameTitle + 2 * ButtonPitch + 2, SideWidth - 16, 14);
    Send_Progress->setTextVisible(false);
    Send_Progress->setRange(0, 100);
    Send_Progress->setValue(0);
    top += frameHeight(2) + 20 + Gap;

    Frame6 = frame(central, QStringLiteral("Frame6"), QStringLiteral(" Programm"), top, frameHeight(1));
    cmdExit = button(Frame6, QStringLiteral("cmdExit"), QStringLiteral("Beenden"), FrameTitle);

    // The active sequence as lamps over steps.
    Frame7 = make<QGroupBox>(central, QStringLiteral("Frame7"));
    Frame7->setTitle(QStringLiteral(" Ablaufraster"));
    Frame7->setGeometry(GridLeft, ViewTopFront, GridWidth, StatusTop + 20 - ViewTopFront);
    ShowGrid = new ShowGridView(Frame7);
    ShowGrid->setAccessibleName(QStringLiteral("Ablaufraster"));
    ShowGrid->setGeometry(8, FrameTitle, GridWidth - 16, Frame7->height() - FrameTitle - 8);

    // Status line.
    labInfo = make<QLabel>(central, QStringLiteral("labInfo"));
    labInfo->setText(QStringLiteral(" Nicht verbunden mit Modul"));
    labInfo->setGeometry(ViewLeft1, StatusTop, 2 * MainWindowUi::ViewWidth, 20);
    labInfo->setFrameShape(QFrame::StyledPanel);
    labPort = make<QLabel>(central, QStringLiteral("labPort"));
    labPort->setText(QStringLiteral(" Port:"));
    labPort->setGeometry(TableLeft, StatusTop, TableWidth, 20);
    labPort->setFrameShape(QFrame::StyledPanel);
    cmdBereiche = make<QPushButton>(central, QStringLiteral("cmdBereiche"));
    cmdBereiche->setText(QStringLiteral("Bereiche anzeigen"));
    cmdBereiche->setGeometry(SideLeft, StatusTop - 2, SideWidth, 24);
    cmdBereiche->setVisible(false);

    // Menu bar.
    QMenuBar* bar = window->menuBar();
    Datei = bar->addMenu(QStringLiteral("Datei"));
    Datei->setObjectName(QStringLiteral("Datei"));
    const char* fileCaptions[] = {
        "",        "Neu",         "Öffnen",       "Speichern", "Speichern unter", "Eigenschaften",
        "Sprache", "Reg Löschen", "Modul Update", "Beenden"};
    for (int i = 1; i <= 9; ++i) {
        const QString caption = QString::fromUtf8(fileCaptions[i]);
        if (i == 6) {
            menuLanguage = Datei->addMenu(caption);
            menuLanguage->setObjectName(idx("Menu", i));
            Menu[6] = menuLanguage->menuAction();
        } else if (i == 8) {
            menuUpdate = Datei->addMenu(caption);
            menuUpdate->setObjectName(idx("Menu", i));
            Menu[8] = menuUpdate->menuAction();
        } else {
            Menu[std::size_t(i)] = action(Datei, idx("Menu", i), caption);
        }
        if (i == 5 || i == 8)
            Datei->addSeparator();
    }
    Menu[7]->setVisible(false);
    // The language items are created when the program folder has been scanned.
    Auswahl.append(action(menuLanguage, idx("Auswahl", 1), QStringLiteral("Auswahl")));
    Update = action(menuUpdate, QStringLiteral("Update"), QStringLiteral("Update"));
    Hilfe = action(menuUpdate, QStringLiteral("Hilfe"), QStringLiteral("Help"));

    ExportStoryboard = new QAction(QStringLiteral("Storyboard exportieren"), Datei);
    ExportStoryboard->setObjectName(QStringLiteral("ExportStoryboard"));
    Datei->insertAction(Menu[5], ExportStoryboard);
    ExportAnimation = new QAction(QStringLiteral("Animation exportieren"), Datei);
    ExportAnimation->setObjectName(QStringLiteral("ExportAnimation"));
    Datei->insertAction(Menu[5], ExportAnimation);
    for (int i = 1; i <= 5; ++i) {
        QAction* recent = new QAction(Datei);
        recent->setObjectName(idx("Recent", i));
        recent->setVisible(false);
        Datei->insertAction(Menu[9], recent);
        Recent[std::size_t(i - 1)] = recent;
    }
    RecentSeparator = Datei->insertSeparator(Menu[9]);
    RecentSeparator->setVisible(false);
    Menu[1]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    Menu[2]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    Menu[3]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    Menu[4]->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));

    Bearbeiten = bar->addMenu(QStringLiteral("Bearbeiten"));
    Bearbeiten->setObjectName(QStringLiteral("Bearbeiten"));
    Undo = action(Bearbeiten, QStringLiteral("Undo"), QStringLiteral("Rückgängig"));
    Undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    Undo->setEnabled(false);
    Redo = action(Bearbeiten, QStringLiteral("Redo"), QStringLiteral("Wiederholen"));
    Redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    Redo->setEnabled(false);

    Connect = bar->addMenu(QStringLiteral("Verbindung"));
    Connect->setObjectName(QStringLiteral("Connect"));
    for (int i = 1; i <= 20; ++i) {
        QAction* port = action(Connect, idx("Port", i), QStringLiteral("Com %1").arg(i));
        port->setCheckable(true);
        Port[std::size_t(i)] = port;
    }
    Connect->addSeparator();
    FindModule = action(Connect, QStringLiteral("FindModule"), QStringLiteral("Modul suchen"));

    Konfig = bar->addAction(QStringLiteral("Konfiguration"));
    Konfig->setObjectName(QStringLiteral("Konfig"));

    Info = bar->addMenu(QStringLiteral("Info"));
    Info->setObjectName(QStringLiteral("Info"));
    M_Type = action(Info, QStringLiteral("M_Type"), QStringLiteral("Modul-Typ auslesen"));
    About = action(Info, QStringLiteral("About"), QStringLiteral("Über"));

    Help_Menu = bar->addMenu(QStringLiteral("Hilfe"));
    Help_Menu->setObjectName(QStringLiteral("Help_Menu"));
    Help = action(Help_Menu, QStringLiteral("Help"), QStringLiteral("Hilfe starten"));
    Bereich = action(Help_Menu, QStringLiteral("Bereich"), QStringLiteral("Bereiche anzeigen"));

    Tabelle = new QMenu(QStringLiteral("List"), window);
    Tabelle->setObjectName(QStringLiteral("Tabelle"));
    const char* tableCaptions[] = {"", "Kopieren", "Ausschneiden", "Einfügen", "Einfügen an Tabellenende"};
    for (int i = 1; i <= 4; ++i)
        List_1[std::size_t(i)] = action(Tabelle, idx("List_1", i), QString::fromUtf8(tableCaptions[i]));

    // The Edit menu holds the context menu's items too, so their keys answer
    // anywhere in the window.
    Bearbeiten->addSeparator();
    for (std::size_t i : {2, 1, 3, 4})
        Bearbeiten->addAction(List_1[i]);
    List_1[1]->setShortcuts(QKeySequence::Copy);
    List_1[2]->setShortcuts(QKeySequence::Cut);
    List_1[3]->setShortcuts(QKeySequence::Paste);
    List_1[4]->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
    Loeschen = action(Bearbeiten, QStringLiteral("Löschen"), QStringLiteral("Zeile(n) &löschen"));
    Loeschen->setShortcuts(QKeySequence::Delete);
    AllesMarkieren = action(Bearbeiten, QStringLiteral("AllesMarkieren"), QStringLiteral("Alles markieren"));
    AllesMarkieren->setShortcuts(QKeySequence::SelectAll);
    Bearbeiten->addSeparator();
    Spiegeln = action(Bearbeiten, QStringLiteral("Spiegeln"), QStringLiteral("Links/rechts spiegeln"));
    Spiegeln->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M));
    Umkehren = action(Bearbeiten, QStringLiteral("Umkehren"), QStringLiteral("Reihenfolge umkehren"));
    Umkehren->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R));
    Skalieren = Bearbeiten->addMenu(QStringLiteral("Dauer skalieren"));
    Skalieren->setObjectName(QStringLiteral("Skalieren"));
    const double factors[] = {0.5, 1.5, 2.0, 0.0};
    const char* factorCaptions[] = {"× 0,5", "× 1,5", "× 2", "Anderer Faktor..."};
    for (int i = 1; i <= 4; ++i)
        action(Skalieren, idx("Faktor", i), QString::fromUtf8(factorCaptions[i - 1]))
            ->setData(factors[i - 1]);
    Muster = action(Bearbeiten, QStringLiteral("Muster"), QStringLiteral("Muster einfügen..."));
    Abschied =
        action(Bearbeiten, QStringLiteral("Abschied"), QStringLiteral("Abschied aus Begrüßung erstellen"));
    // The tools for the marked rows are in the context menu as well.
    Tabelle->addSeparator();
    Tabelle->addAction(Spiegeln);
    Tabelle->addAction(Umkehren);
    Tabelle->addMenu(Skalieren);

    TimerE = new QTimer(window);
    TimerE->setObjectName(QStringLiteral("TimerE"));
    TimerE->setTimerType(Qt::PreciseTimer);
}

void MainWindowUi::arrangeTableColumns()
{
    // The number column comes last in the model, so the others keep their
    // indexes; on screen it comes first, narrow.
    for (QTreeView* table : List1) {
        QHeaderView* header = table->header();
        header->moveSection(header->visualIndex(SequenceTableModel::NumberColumn), 0);
        header->resizeSection(SequenceTableModel::NumberColumn, 34);
        header->resizeSection(SequenceTableModel::IntervalColumn, 54);
        // The loop column fills the rest; its own width is what it keeps
        // when a vertical scroll bar takes room, so it is set small first.
        header->setStretchLastSection(false);
        header->resizeSection(SequenceTableModel::LoopColumn, 80);
        header->setStretchLastSection(true);
    }
}

ShellActions::Controls MainWindowUi::shellActionsControls() const
{
    return {central, Help, Hilfe, Update};
}

FileCommands::Controls MainWindowUi::fileCommandsControls() const
{
    return {labPos};
}

PlaybackController::Controls MainWindowUi::playbackControls() const
{
    return {List1, cmdSilulation, cmdSimWeiter, TimerE, Konfig, Menu, optAuf_Zu};
}

ModuleController::Controls MainWindowUi::moduleControls() const
{
    return {Connect, Port, FindModule, M_Type, cmdDaten, cmdSpeicherbedarf, Send_Progress, labInfo, labPort};
}

CarViewsController::Controls MainWindowUi::carViewsControls() const
{
    return {central,       views,      List1,         cmdBereiche,         Bereich,
            sliderZeitein, labZeitein, cmdWeiter,     chkAutomatichWeiter, labPos,
            labX,          labY,       chkSymmetrisch};
}

SequenceEditor::Controls MainWindowUi::sequenceEditorControls() const
{
    return {
        List1,      optAuf_Zu,   sliderZeitein, labZeitein,    labPos,  cmdWeiter, cmdEinfuegen,
        cmdAendern, cmdLoeschen, cmdSchleife,   cmdSchleife_L, Tabelle, List_1,    commandEnablerControls(),
        Skalieren,  labInfo};
}

CommandEnabler::Controls MainWindowUi::commandEnablerControls() const
{
    return {
        cmdWeiter, cmdEinfuegen, cmdAendern,     cmdLoeschen, cmdSchleife, cmdSchleife_L,           cmdDaten,
        List_1,    Loeschen,     AllesMarkieren, Spiegeln,    Umkehren,    Skalieren->menuAction(), Muster,
        Abschied};
}
