#include "app/MainWindowUi.h"
#include "app/ShowGauge.h"
#include "sequence/Interval.h"
#include "sequence/SequenceTableModel.h"
#include "vehicle/VehicleConfig.h"

#include "views/CarViewWidget.h"
#include "views/CarViewsPanel.h"
#include "views/grid/ShowGridView.h"

#include <QAction>
#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSlider>
#include <QSplitter>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>

namespace {

// Widths the captions of the German and English texts need at least; the
// layouts give more where a caption asks for it.
constexpr int TableWidth = 196;
constexpr int SideWidth = 186;
constexpr int ButtonHeight = 26;
constexpr int GaugeHeight = 40;
constexpr int GridMinimumWidth = 420;

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

QPushButton* button(QGroupBox* frame, const QString& name, const QString& caption)
{
    auto* b = make<QPushButton>(frame, name);
    b->setText(caption);
    b->setMinimumHeight(ButtonHeight);
    frame->layout()->addWidget(b);
    return b;
}

// A command frame of the right-hand column: its buttons one under the other.
QGroupBox* frame(QWidget* parent, QBoxLayout* column, const QString& name, const QString& caption)
{
    auto* f = make<QGroupBox>(parent, name);
    f->setTitle(caption);
    auto* layout = new QVBoxLayout(f);
    layout->setContentsMargins(8, 4, 8, 8);
    layout->setSpacing(4);
    f->setMinimumWidth(SideWidth);
    column->addWidget(f);
    return f;
}

} // namespace

void MainWindowUi::setup(QMainWindow* window)
{
    window->setObjectName(QStringLiteral("MainWindow"));
    central = make<QWidget>(window, QStringLiteral("centralWidget"));
    window->setCentralWidget(central);
    auto* centralLayout = new QVBoxLayout(central);
    centralLayout->setContentsMargins(0, 0, 0, 0);
    // On a screen too small for the window (a small screen at a large scale
    // factor) the window scrolls instead of leaving controls off-screen.
    scroll = make<QScrollArea>(central, QStringLiteral("windowScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    centralLayout->addWidget(scroll);
    content = make<QWidget>(scroll, QStringLiteral("windowContent"));
    scroll->setWidget(content);
    auto* contentLayout = new QVBoxLayout(content);
    contentLayout->setContentsMargins(8, 8, 8, 4);
    contentLayout->setSpacing(6);

    // The editing columns left, the show grid right; the user moves the
    // border between them, extra width goes to the grid.
    split = make<QSplitter>(content, QStringLiteral("windowSplit"));
    split->setOrientation(Qt::Horizontal);
    split->setChildrenCollapsible(false);
    contentLayout->addWidget(split, 1);
    editor = make<QWidget>(split, QStringLiteral("editorColumns"));
    auto* columns = new QHBoxLayout(editor);
    columns->setContentsMargins(0, 0, 4, 0);
    columns->setSpacing(8);

    // Car views: front pair above, rear pair below; the halves meet in the middle.
    carViews = make<CarViewsPanel>(editor, QStringLiteral("carViews"));
    columns->addWidget(carViews, 1);
    const char* viewNames[] = {"imaVR", "imaVL", "imaHL", "imaHR"};
    for (int v = 1; v <= 4; ++v) {
        views[std::size_t(v)] = carViews->view(v);
        views[std::size_t(v)]->setObjectName(QString::fromLatin1(viewNames[v - 1]));
    }
    imaVR = views[1];
    imaVL = views[2];
    imaHL = views[3];
    imaHR = views[4];

    // Licence plates lie over the junction of each pair; their place follows the vehicle.
    picNummernschild_V = carViews->frontPlate();
    picNummernschild_H = carViews->rearPlate();
    picNummernschild_V->setObjectName(QStringLiteral("picNummernschild_V"));
    picNummernschild_H->setObjectName(QStringLiteral("picNummernschild_H"));
    labNummernschild_V = make<QLabel>(picNummernschild_V, QStringLiteral("labNummernschild_V"));
    labNummernschild_V->hide();
    cmdNacht = carViews->nightButton();
    cmdNacht->setObjectName(QStringLiteral("cmdNacht"));

    // The middle column: which sequence is edited, its steps, the gauge and the step entry.
    auto* middle = new QVBoxLayout;
    middle->setSpacing(8);
    columns->addLayout(middle, 0);
    Frame4 = make<QGroupBox>(editor, QStringLiteral("Frame4"));
    Frame4->setTitle(QStringLiteral(" Fernbedienung"));
    Frame4->setMinimumWidth(TableWidth);
    auto* remote = new QHBoxLayout(Frame4);
    remote->setContentsMargins(10, 4, 8, 6);
    for (int k = 0; k < 2; ++k) {
        auto* option = make<QRadioButton>(Frame4, idx("optAuf_Zu", k));
        option->setText(k == 0 ? QStringLiteral("Öffnen") : QStringLiteral("Schliessen"));
        remote->addWidget(option, 1);
        optAuf_Zu[std::size_t(k)] = option;
    }
    optAuf_Zu[0]->setChecked(true);
    middle->addWidget(Frame4);

    // Step tables: the visible one belongs to the active sequence; they take the extra height.
    auto* tables = new QVBoxLayout;
    tables->setSpacing(4);
    for (int k = 0; k < 2; ++k) {
        auto* table = make<QTreeView>(editor, idx("List1", k));
        table->setMinimumSize(TableWidth, 120);
        table->setRootIsDecorated(false);
        table->setUniformRowHeights(true);
        table->setAllColumnsShowFocus(true);
        table->setSelectionMode(QAbstractItemView::ExtendedSelection);
        table->setSelectionBehavior(QAbstractItemView::SelectRows);
        table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table->setContextMenuPolicy(Qt::CustomContextMenu);
        table->setVisible(k == 0);
        tables->addWidget(table, 1);
        List1[std::size_t(k)] = table;
    }
    showGauge = new ShowGauge(editor);
    showGauge->setFixedHeight(GaugeHeight);
    showGauge->setMinimumWidth(TableWidth);
    tables->addWidget(showGauge);
    middle->addLayout(tables, 1);

    // Step entry: interval slider, append, automatic advance, position read-outs.
    stepFrame = make<QGroupBox>(editor, QStringLiteral("stepFrame"));
    stepFrame->setMinimumWidth(TableWidth);
    auto* step = new QVBoxLayout(stepFrame);
    step->setContentsMargins(8, 8, 8, 6);
    step->setSpacing(4);
    sliderZeitein = make<QSlider>(stepFrame, QStringLiteral("sliderZeitein"));
    sliderZeitein->setOrientation(Qt::Horizontal);
    sliderZeitein->setRange(Interval::MinTenths, Interval::MaxTenths);
    sliderZeitein->setSingleStep(1);
    sliderZeitein->setPageStep(5);
    step->addWidget(sliderZeitein);
    labZeitein = make<QLabel>(stepFrame, QStringLiteral("labZeitein"));
    labZeitein->setText(QStringLiteral("0,1 Sec ein/aus"));
    labZeitein->setAlignment(Qt::AlignCenter);
    step->addWidget(labZeitein);
    cmdWeiter = make<QPushButton>(stepFrame, QStringLiteral("cmdWeiter"));
    cmdWeiter->setText(QStringLiteral("Speichern und weiter"));
    cmdWeiter->setToolTip(QStringLiteral("( Space Taste )"));
    cmdWeiter->setMinimumHeight(ButtonHeight);
    step->addWidget(cmdWeiter);
    auto* checks = new QHBoxLayout;
    chkAutomatichWeiter = make<QCheckBox>(stepFrame, QStringLiteral("chkAutomatichWeiter"));
    chkAutomatichWeiter->setText(QStringLiteral("Autom."));
    chkAutomatichWeiter->setToolTip(QStringLiteral("Autoamtisch weiter mit linker Maustaste"));
    checks->addWidget(chkAutomatichWeiter);
    chkSymmetrisch = make<QCheckBox>(stepFrame, QStringLiteral("chkSymmetrisch"));
    chkSymmetrisch->setText(QStringLiteral("Symmetrisch"));
    chkSymmetrisch->setToolTip(
        QStringLiteral("Ein Klick auf eine Lampe schaltet sie auf beiden Seiten des Fahrzeugs"));
    checks->addWidget(chkSymmetrisch, 1);
    step->addLayout(checks);
    auto* position = new QHBoxLayout;
    labPos = make<QLabel>(stepFrame, QStringLiteral("labPos"));
    labPos->setText(QStringLiteral("Position 0"));
    position->addWidget(labPos, 1);
    labX = make<QLabel>(stepFrame, QStringLiteral("labX"));
    labX->setVisible(false);
    position->addWidget(labX);
    labY = make<QLabel>(stepFrame, QStringLiteral("labY"));
    labY->setVisible(false);
    position->addWidget(labY);
    step->addLayout(position);
    middle->addWidget(stepFrame);

    // Command frames down the right-hand side, at the top.
    auto* side = new QVBoxLayout;
    side->setSpacing(8);
    columns->addLayout(side, 0);
    Frame1 = frame(editor, side, QStringLiteral("Frame1"), QStringLiteral(" Simulation "));
    cmdLichtaus = button(Frame1, QStringLiteral("cmdLichtaus"), QStringLiteral("Alle Lampen &aus"));
    cmdSilulation = button(Frame1, QStringLiteral("cmdSilulation"), QStringLiteral("Simula&tion |>"));
    cmdSilulation->setToolTip(QStringLiteral("Starte von vorne"));
    cmdSimWeiter = button(Frame1, QStringLiteral("cmdSimWeiter"), QStringLiteral("Simulation >>"));
    cmdSimWeiter->setToolTip(QStringLiteral("Start von Aktueller Position"));
    combTempo = make<QComboBox>(Frame1, QStringLiteral("combTempo"));
    combTempo->setAccessibleName(QStringLiteral("Tempo"));
    Frame1->layout()->addWidget(combTempo);

    Frame2 = frame(editor, side, QStringLiteral("Frame2"), QStringLiteral(" Bearbeiten "));
    cmdAendern = button(Frame2, QStringLiteral("cmdÄndern"), QStringLiteral("&Ändern"));
    cmdAendern->setToolTip(QStringLiteral("Werte in der Tabelle überschreiben"));
    cmdLoeschen = button(Frame2, QStringLiteral("cmdLöschen"), QStringLiteral("Zeile(n) &löschen"));
    cmdEinfuegen = button(Frame2, QStringLiteral("cmdEinfügen"), QStringLiteral("Zeile &einfügen"));

    Frame3 = frame(editor, side, QStringLiteral("Frame3"), QStringLiteral(" Schleife"));
    cmdSchleife = button(Frame3, QStringLiteral("cmdSchleife"), QStringLiteral("Schleife erstellen"));
    cmdSchleife->setToolTip(QStringLiteral("Erstellt eine Schleife auf die makierten Zeilen"));
    cmdSchleife_L = button(Frame3, QStringLiteral("cmdSchleife_L"), QStringLiteral("Schleife löschen"));
    cmdSchleife_L->setToolTip(QStringLiteral("Löscht eine Schleife"));

    Frame5 = frame(editor, side, QStringLiteral("Frame5"), QStringLiteral(" Daten "));
    cmdSpeicherbedarf =
        button(Frame5, QStringLiteral("cmdSpeicherbedarf"), QStringLiteral("Speicher&bedarf"));
    cmdDaten = button(Frame5, QStringLiteral("cmdDaten"), QStringLiteral("Daten &senden"));
    Send_Progress = make<QProgressBar>(Frame5, QStringLiteral("Send_Progress"));
    Send_Progress->setFixedHeight(14);
    Send_Progress->setTextVisible(false);
    Send_Progress->setRange(0, 100);
    Send_Progress->setValue(0);
    Frame5->layout()->addWidget(Send_Progress);

    Frame6 = frame(editor, side, QStringLiteral("Frame6"), QStringLiteral(" Programm"));
    cmdExit = button(Frame6, QStringLiteral("cmdExit"), QStringLiteral("Beenden"));
    side->addStretch(1);

    // The active sequence as lamps over steps.
    Frame7 = make<QGroupBox>(split, QStringLiteral("Frame7"));
    Frame7->setTitle(QStringLiteral(" Ablaufraster"));
    Frame7->setMinimumWidth(GridMinimumWidth);
    auto* gridLayout = new QVBoxLayout(Frame7);
    gridLayout->setContentsMargins(8, 4, 8, 8);
    ShowGrid = new ShowGridView(Frame7);
    ShowGrid->setAccessibleName(QStringLiteral("Ablaufraster"));
    gridLayout->addWidget(ShowGrid);
    split->addWidget(editor);
    split->addWidget(Frame7);
    split->setStretchFactor(0, 0);
    split->setStretchFactor(1, 1);

    // Status line.
    auto* status = new QHBoxLayout;
    status->setSpacing(8);
    contentLayout->addLayout(status);
    labInfo = make<QLabel>(content, QStringLiteral("labInfo"));
    labInfo->setText(QStringLiteral(" Nicht verbunden mit Modul"));
    labInfo->setFrameShape(QFrame::StyledPanel);
    labInfo->setMinimumWidth(CarViewsGeometry::blockSize().width());
    status->addWidget(labInfo, 2);
    labPort = make<QLabel>(content, QStringLiteral("labPort"));
    labPort->setText(QStringLiteral(" Port:"));
    labPort->setFrameShape(QFrame::StyledPanel);
    labPort->setMinimumWidth(TableWidth);
    status->addWidget(labPort, 1);
    labTempo = make<QLabel>(content, QStringLiteral("labTempo"));
    labTempo->setFrameShape(QFrame::StyledPanel);
    labTempo->setVisible(false);
    status->addWidget(labTempo);
    cmdBereiche = make<QPushButton>(content, QStringLiteral("cmdBereiche"));
    cmdBereiche->setText(QStringLiteral("Bereiche anzeigen"));
    cmdBereiche->setVisible(false);
    status->addWidget(cmdBereiche);
    status->addStretch(2);

    setupMenus(window);

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
    return {List1, cmdSilulation, cmdSimWeiter, TimerE,   Konfig,
            Menu,  optAuf_Zu,     combTempo,    labTempo, WiederholtAbspielen};
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

QString MainWindowUi::sequenceName(int k) const
{
    return QString(optAuf_Zu[std::size_t(k)]->text()).remove(u'&').trimmed();
}
