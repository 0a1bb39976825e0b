#include "app/MainWindow.h"
#include "app/TemplateGallery.h"
#include "app/VideoExport.h"
#include "app/ViewMenu.h"
#include "vehicle/VehicleConfig.h"

#include "app/AnimationExport.h"
#include "app/Comforts.h"
#include "app/ShowGauge.h"
#include "app/VehicleChangeCheck.h"
#include "app/WindowState.h"
#include "core/AppContext.h"
#include "core/CaptionTable.h"
#include "core/Config.h"
#include "core/LangText.h"
#include "core/Prompter.h"
#include "core/SaveFailureText.h"
#include "core/SettingsStore.h"
#include "module/ConnectDialog.h"
#include "module/ModuleController.h"
#include "sequence/ComposeTools.h"
#include "sequence/FileCommands.h"
#include "sequence/LoopMarker.h"
#include "sequence/Loops.h"
#include "sequence/SequenceDocument.h"
#include "sequence/SequenceEditor.h"
#include "sequence/SequenceFile.h"
#include "shell/FileTypeRegistration.h"
#include "shell/InfoDialog.h"
#include "shell/PropertiesDialog.h"
#include "shell/ShellActions.h"
#include "ui/Captions.h"
#include "ui/MenuMnemonics.h"
#include "vehicle/ParameterDialog.h"
#include "views/CarViewsController.h"
#include "views/CarViewsPanel.h"
#include "views/PatternDialog.h"
#include "views/grid/ShowGridModel.h"
#include "views/grid/ShowGridSelection.h"
#include "views/grid/ShowGridView.h"
#include "views/playback/PlaybackController.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>
#include <QTreeView>

namespace {
const QString kSection = QString::fromLatin1(SettingsStore::Section);
const QString kSectionUpper = QString::fromLatin1(SettingsStore::SectionUpper);
} // namespace

MainWindow::MainWindow(AppContext& ctx, QWidget* parent) : QMainWindow(parent), m_ctx(ctx)
{
    m_ui.setup(this);
    setWindowTitle(QString::fromLatin1(Config::WindowTitlePrefix));
    m_windowState = new WindowState(*this, m_ui, m_ctx.settings, this);

    // The dialogs live as long as the window; they are hidden between uses.
    m_parameterDialog = new ParameterDialog(m_ctx, *this, this);
    m_parameterDialog->setChangeCheck(
        [this](const ParameterDialog::Choice& before, const ParameterDialog::Choice& after) {
            return VehicleChangeCheck::confirm(m_ctx, before, after);
        });
    m_propertiesDialog = new PropertiesDialog(m_ctx, this);
    m_infoDialog = new InfoDialog(m_ctx, this);
    m_connectDialog = new ConnectDialog(this);

    m_carViews = new CarViewsController(m_ctx, m_ui.carViewsControls(), *this, this);
    m_sequenceEditor = new SequenceEditor(m_ctx, m_ui.sequenceEditorControls(), *this, this);
    m_fileCommands = new FileCommands(m_ctx, m_ui.fileCommandsControls(), *this, this);
    m_playback = new PlaybackController(m_ctx, m_ui.playbackControls(), *this, this);
    m_module = new ModuleController(m_ctx, m_ui.moduleControls(), *this, *m_connectDialog, this);
    // The editing commands and cmdDaten are enabled only while they can act.
    CommandEnabler& commands = m_sequenceEditor->commands();
    connect(m_playback, &PlaybackController::playingChanged, &commands, &CommandEnabler::setPlaying);
    connect(m_module, &ModuleController::busyChanged, &commands, &CommandEnabler::setUploading);
    // The show grid edits by the same rule and follows playback's cursor.
    m_gridModel = new ShowGridModel(m_ctx, this);
    m_gridSelection = new ShowGridSelection(*m_gridModel, m_ctx.document, this);
    m_ui.ShowGrid->setGrid(m_gridModel, m_gridSelection);
    connect(m_playback, &PlaybackController::playingChanged, m_gridModel, &ShowGridModel::setPlaying);
    connect(m_module, &ModuleController::busyChanged, m_gridModel, &ShowGridModel::setUploading);
    connect(m_playback, &PlaybackController::stepShown, m_gridModel, &ShowGridModel::setPlayStep);
    const VehicleOptions& options = m_parameterDialog->options();
    const auto greeting = [cmds = &commands, opts = &options] {
        cmds->setGreetingLight(opts->isChecked(VehicleOptions::Option::chkCommingHome_Auf));
    };
    connect(&options, &VehicleOptions::changed, &commands, greeting);
    greeting();
    m_shell = new ShellActions(m_ctx, m_ui.shellActionsControls(), this);
    m_comforts = new Comforts(m_ctx, *this);
    m_animationExport = new AnimationExport(m_ctx, *this);
    m_videoExport = new VideoExport(m_ctx, *this);
    m_templates = new TemplateGallery(m_ctx, *this);
    m_viewMenu = new ViewMenu(m_ctx, m_ui, *m_carViews, *m_playback, this);
    m_ui.arrangeTableColumns();
    // The gauge measures what an upload would send: the options count too,
    // and a module identified since brings its own memory limit.
    m_gaugeFeed = new ShowGaugeFeed(
        m_ctx, *m_ui.showGauge, [this] { return m_module->imageInput(); },
        [this] {
            return std::array<QString, 2>{m_ui.optAuf_Zu[0]->text(), m_ui.optAuf_Zu[1]->text()};
        },
        this);
    connect(&options, &VehicleOptions::changed, m_gaugeFeed, &ShowGaugeFeed::refresh);
    connect(m_module, &ModuleController::busyChanged, m_gaugeFeed, &ShowGaugeFeed::refresh);
    setAcceptDrops(true);

    connectMenus();
    SequenceDocument& doc = m_ctx.document;
    for (int k = 0; k < 2; ++k)
        connect(&doc.table(k), &SequenceTableModel::contentChanged, this,
                &MainWindow::scheduleModifiedRefresh);
    connect(&doc, &SequenceDocument::contentReplaced, this, &MainWindow::scheduleModifiedRefresh);
    connect(&doc, &SequenceDocument::fileNameChanged, this, &MainWindow::scheduleModifiedRefresh);
    connect(m_fileCommands, &FileCommands::saved, this, &MainWindow::scheduleModifiedRefresh);
    // After every other handler of aboutToShow, so entries filled in as a menu
    // opens get theirs too; applyTexts gives the first ones.
    keepMnemonics(menuBar());
    keepMnemonics(m_ui.Tabelle);
}

MainWindow::~MainWindow() = default;

void MainWindow::connectMenus()
{
    for (int i : {1, 2, 3, 4, 5, 7, 9})
        connect(m_ui.Menu[std::size_t(i)], &QAction::triggered, this, [this, i] { menuClick(i); });
    // Opening the "Language" or "Modul Update" entry switches the lamps off.
    connect(m_ui.menuLanguage, &QMenu::aboutToShow, this, [this] { menuClick(6); });
    connect(m_ui.menuUpdate, &QMenu::aboutToShow, this, [this] { menuClick(8); });
    connect(m_ui.cmdExit, &QPushButton::clicked, this, &QWidget::close);
    connect(m_ui.cmdLichtaus, &QPushButton::clicked, this, &MainWindow::lichtAus);
    connect(m_ui.Konfig, &QAction::triggered, this, [this] {
        lichtAus();
        m_parameterDialog->exec();
    });
    connect(m_ui.About, &QAction::triggered, this, [this] { m_infoDialog->exec(); });
    connect(m_ui.Muster, &QAction::triggered, this, &MainWindow::insertPattern);
    connect(m_ui.AlsBaustein, &QAction::triggered, this, &MainWindow::savePiece);
    // Saving a piece needs marked rows, and is not done while playback has the marks.
    auto pieceEnabled = [this] {
        m_ui.AlsBaustein->setEnabled(!m_playback->isPlaying() &&
                                     m_ctx.document.firstSelectedRow(m_ctx.document.activeSequence()) != 0);
    };
    for (int k = 0; k < 2; ++k)
        connect(&m_ctx.document.selection(k), &QItemSelectionModel::selectionChanged, this, pieceEnabled);
    connect(&m_ctx.document, &SequenceDocument::activeSequenceChanged, this, pieceEnabled);
    connect(m_playback, &PlaybackController::playingChanged, this, pieceEnabled);
    pieceEnabled();
    // Red while on; off it takes the style's own text colour, so it does not look disabled.
    connect(m_ui.chkAutomatichWeiter, &QCheckBox::toggled, this, [this](bool on) {
        QPalette palette;
        if (on) {
            palette = m_ui.chkAutomatichWeiter->palette();
            palette.setColor(QPalette::WindowText, QColor(255, 0, 0));
        }
        m_ui.chkAutomatichWeiter->setPalette(palette);
    });
    connect(m_ui.chkSymmetrisch, &QCheckBox::toggled, this, [this](bool on) {
        m_ctx.settings.save(kSection, QStringLiteral("Symmetrisch"),
                            on ? QStringLiteral("1") : QStringLiteral("0"));
    });
}

int MainWindow::load(const QString& commandLine)
{
    m_loadSteps.clear();
    auto step = [this](const char* name) { m_loadSteps.append(QString::fromLatin1(name)); };

    m_ctx.developerMode =
        m_ctx.settings.get(kSectionUpper, QStringLiteral("Entwickerstatus")) == QLatin1String("Wahr");
    m_ui.labX->setVisible(m_ctx.developerMode);
    m_ui.labY->setVisible(m_ctx.developerMode);
    m_ui.cmdBereiche->setVisible(m_ctx.developerMode);
    m_ui.Menu[7]->setVisible(m_ctx.developerMode);
    const int minimumStartScreenMs = m_ctx.developerMode ? 1000 : 3000;
    step("developer mode");

    // The vehicle names are a fixed table; nothing to fill at run time.
    step("vehicle catalogue");

    language();
    step("language");

    m_commandLine = commandLine;
    m_sequenceEditor->selectSequence(0);
    step("command line");

    loadSettings();
    step("settings");

    if (!m_commandLine.isEmpty()) {
        SequenceDocument& doc = m_ctx.document;
        doc.setFileName(m_commandLine);
        const SequenceFile::ReadStatus status = SequenceFile::read(m_commandLine, doc, false);
        if (status != SequenceFile::ReadStatus::Ok) {
            doc.clear();
            doc.setFileName(QString());
            // A refused file is reported at once; a file that could not be read
            // once the window is on screen. Either way the stored vehicle is used.
            doc.setVehicleCode(m_ctx.settings.get(QStringLiteral("Fahrzeug_Type")));
            if (status == SequenceFile::ReadStatus::ChecksumMismatch) {
                step("start-up file refused");
                m_ctx.prompter.message(m_ctx.texts.text(81), m_ctx.texts.text(82),
                                       Prompter::Icon::Exclamation);
            } else {
                step("start-up file failed");
                m_startupFileFailed = true;
            }
            if (doc.vehicleCode().isEmpty())
                doc.setVehicleCode(QStringLiteral("112"));
        } else {
            step("start-up file");
        }
    }

    applyDocumentVehicle();
    modellauswahl();
    lichtAus();
    step("vehicle");
    // Backups of unsaved work; a copy left by a crash is offered once the window shows.
    m_comforts->startSession();
    return minimumStartScreenMs;
}

QString MainWindow::languageFile(const QString& name) const
{
    return QDir(m_ctx.programFolder).filePath(name + QStringLiteral(".zfl"));
}

void MainWindow::language()
{
    const QStringList names = scanLanguageNames(m_ctx.programFolder, 255);
    // Item 1 always exists; the others are made anew.
    while (m_ui.Auswahl.size() > 1)
        delete m_ui.Auswahl.takeLast();
    for (int i = 0; i < names.size(); ++i) {
        QAction* item = i == 0 ? m_ui.Auswahl.constFirst() : m_ui.menuLanguage->addAction(QString());
        item->setObjectName(QStringLiteral("Auswahl(%1)").arg(i + 1));
        item->setText(names.at(i));
        item->setData(names.at(i)); // the caption may gain a mnemonic
        item->setCheckable(true);
        item->setChecked(false);
        if (i > 0)
            m_ui.Auswahl.append(item);
        item->disconnect(this);
        connect(item, &QAction::triggered, this, [this, i] { auswahlClick(i + 1); });
    }
    if (!m_ctx.languageName.isEmpty()) {
        for (QAction* item : std::as_const(m_ui.Auswahl)) {
            if (item->data().toString() == m_ctx.languageName) {
                item->setChecked(true);
                break;
            }
        }
    } else {
        m_ctx.languageName = QStringLiteral("Deutsch");
    }
    applyTexts(true);
}

void MainWindow::auswahlClick(int index)
{
    if (index < 1 || index > m_ui.Auswahl.size())
        return;
    QAction* chosen = m_ui.Auswahl.at(index - 1);
    const QString name = chosen->data().toString();
    m_ctx.settings.save(kSection, QStringLiteral("Language"), name);
    for (QAction* item : std::as_const(m_ui.Auswahl))
        item->setChecked(false);
    m_ctx.languageName = name;
    chosen->setChecked(true);
    applyTexts(false);
    m_sequenceEditor->refreshIntervalLabel();
    // The title shows the captions of the vehicle buttons, which follow the language.
    modellauswahl();
}

void MainWindow::applyTexts(bool initial)
{
    const QString file = languageFile(m_ctx.languageName);
    if (!m_ctx.texts.load(file)) {
        // Without the file there are no texts to say so in; the German
        // captions built into the program are used instead.
        m_ctx.prompter.message(
            QStringLiteral("Die Sprachdatei \"%1\" kann nicht geöffnet werden. Das Programm verwendet die "
                           "deutschen Texte.\r\n\r\nThe language file \"%1\" cannot be opened. The program "
                           "uses its German texts.")
                .arg(QDir::toNativeSeparators(file)),
            QString::fromLatin1(Config::ApplicationTitle), Prompter::Icon::Exclamation);
    } else if (!m_ctx.texts.isComplete()) {
        m_ctx.prompter.message(
            QStringLiteral("Die Sprachdatei \"%1\" ist unvollständig; fehlende Texte werden deutsch "
                           "angezeigt.\r\n\r\nThe language file \"%1\" is incomplete; missing texts are "
                           "shown in German.")
                .arg(QDir::toNativeSeparators(file)),
            QString::fromLatin1(Config::ApplicationTitle), Prompter::Icon::Exclamation);
    }
    m_comforts->applyTexts();
    m_sequenceEditor->applyTexts();
    m_carViews->applyTexts();
    m_animationExport->applyTexts();
    m_viewMenu->applyTexts();
    m_videoExport->applyTexts();
    m_templates->applyTexts();
    m_ui.AlsBaustein->setText(m_ctx.texts.text(PieceMenuText) + QStringLiteral("..."));
    m_module->applyTexts();
    applyRunTimeTexts();
    if (auto* daytime = m_parameterDialog->findChild<QWidget*>(QStringLiteral("chkTagfahrlicht")))
        daytime->setToolTip(m_ctx.texts.text(203));
    if (m_ctx.languageName != QLatin1String("Deutsch") || !initial)
        applyCaptionTable();
    // The caption table's status text says "not connected"; a connected module stays named.
    m_module->refreshStatus();
    m_propertiesDialog->refreshLabels();
    m_infoDialog->refreshTexts();
    // The table's context menu shares its entries with the Edit menu.
    giveMnemonics(menuBar(), m_ui.central);
    // Screen readers name each step table after its remote-control button.
    for (int k = 0; k < 2; ++k)
        m_ui.List1[std::size_t(k)]->setAccessibleName(m_ui.sequenceName(k));
}

void MainWindow::applyRunTimeTexts()
{
    const LangText& t = m_ctx.texts;
    const QLocale locale = languageLocale(m_ctx.languageName);
    useQtTranslation(locale);
    const QString point = locale.decimalPoint();
    const QChar decimalPoint = point == QLatin1String(",") ? QLatin1Char(',') : QLatin1Char('.');
    m_gridModel->refreshTexts();
    m_ui.Frame7->setTitle(QLatin1Char(' ') + t.text(267));
    m_ui.ShowGrid->setAccessibleName(t.text(267));
    for (int k = 0; k < 2; ++k) {
        m_ctx.document.table(k).setDisplayTexts(t.text(224), t.text(225), decimalPoint,
                                                t.text(LoopMarker::FormatText));
        m_ctx.document.table(k).setNumberHeading(t.text(290));
    }
    m_gaugeFeed->refresh();
    // The duration lists: item 0 comes from the caption table, the rest from here.
    for (const char* name : {"combBegrüßung", "combVerabschiedung"}) {
        auto* list = m_parameterDialog->findChild<QComboBox*>(QString::fromUtf8(name));
        if (!list || list->count() < 14)
            continue;
        list->setItemText(1, t.text(230));
        for (int i = 2; i < 14; ++i)
            list->setItemText(i, QStringLiteral("+ %1 ").arg((i - 1) * 10) + t.text(231));
    }
}

void MainWindow::applyCaptionTable()
{
    const QList<QObject*> mainRoots{menuBar(), m_ui.central, m_ui.Tabelle};
    for (const CaptionEntry& entry : captionTable()) {
        QList<QObject*> roots;
        if (entry.window == QLatin1String("MainWindow"))
            roots = mainRoots;
        else if (entry.window == QLatin1String("ParameterDialog"))
            roots = {m_parameterDialog};
        else if (entry.window == QLatin1String("PropertiesDialog"))
            roots = {m_propertiesDialog};
        else if (entry.window == QLatin1String("InfoDialog"))
            roots = {m_infoDialog};
        else if (entry.window == QLatin1String("ConnectDialog"))
            roots = {m_connectDialog};
        const QString caption = entry.compose(m_ctx.texts);
        for (QObject* root : std::as_const(roots)) {
            if (entry.kind == CaptionEntry::Kind::FirstListItem) {
                if (auto* list = root->findChild<QComboBox*>(entry.control); list && list->count() > 0) {
                    list->setItemText(0, caption);
                    break;
                }
            } else if (entry.kind == CaptionEntry::Kind::ToolTip) {
                if (auto* control = root->findChild<QWidget*>(entry.control)) {
                    control->setToolTip(caption);
                    break;
                }
            } else if (setCaptionByName(root, entry.control, caption)) {
                break;
            }
        }
    }
}

void MainWindow::loadSettings()
{
    SettingsStore& s = m_ctx.settings;

    m_module->applyStoredPort(s.number(kSectionUpper, QStringLiteral("Lampen_Port")));

    const std::optional<int> automatic = s.number(kSection, QStringLiteral("Eigenschaften"));
    m_propertiesDialog->chkAuto()->setChecked(automatic.value_or(0) != 0);
    m_ui.chkAutomatichWeiter->setChecked(automatic.value_or(0) != 0);
    m_ui.chkSymmetrisch->setChecked(s.number(kSection, QStringLiteral("Symmetrisch")).value_or(0) != 0);
    m_viewMenu->restore();

    const std::optional<int> outline = s.number(kSection, QStringLiteral("Aktivierung"));
    m_propertiesDialog->chkAktivierung()->setChecked(outline.value_or(1) != 0);

    const int slider = s.number(kSection, QStringLiteral("Slider")).value_or(1);
    m_ui.sliderZeitein->setValue(slider);
    m_sequenceEditor->refreshIntervalLabel();

    const QString parameters = s.get(kSection, QStringLiteral("Parameter"));
    m_ctx.document.setParameterString(
        parameters.size() >= 20 ? parameters : QString::fromLatin1(SequenceDocument::DefaultParameterString));

    auto listIndex = [&s](const char* key) {
        const int index = s.number(kSection, QString::fromLatin1(key)).value_or(2);
        return index >= 0 && index <= 13 ? index : 2;
    };
    m_parameterDialog->setGreetingIndex(listIndex("Time_Kommen"));
    m_parameterDialog->setFarewellIndex(listIndex("Time_Gehen"));

    m_firstRun = false;
    const QString vehicle = s.get(kSection, QStringLiteral("Fahrzeug_Type"));
    if (vehicle.isEmpty()) {
        m_ctx.document.setVehicleCode(QStringLiteral("112"));
        m_firstRun = true;
        m_oneTimeStepsPending = true;
    } else if (m_commandLine.isEmpty()) {
        m_ctx.document.setVehicleCode(vehicle);
    }
}

void MainWindow::resetSettings()
{
    m_ctx.settings.save(kSection, QStringLiteral("Language"), QString());
    m_ctx.settings.save(kSectionUpper, QStringLiteral("Fahrzeug_Type"), QString());
    m_ctx.settings.save(kSectionUpper, QStringLiteral("Parameter"), QString());
}

void MainWindow::menuClick(int index)
{
    bool ranToEnd = true;
    switch (index) {
    case 1:
        ranToEnd = m_fileCommands->newDocument();
        break;
    case 2:
        ranToEnd = m_fileCommands->open();
        break;
    case 3:
        ranToEnd = m_fileCommands->save();
        break;
    case 4:
        ranToEnd = m_fileCommands->saveAs();
        break;
    case 5:
        m_propertiesDialog->exec();
        break;
    case 7:
        resetSettings();
        break;
    case 9:
        close();
        return;
    default:
        break;
    }
    if (ranToEnd)
        lichtAus();
}

void MainWindow::insertPattern()
{
    PatternDialog dialog(
        m_ctx.texts, languageLocale(m_ctx.languageName),
        Patterns::lampsOf(m_ctx.vehicle.lampAreas, m_carViews->options()),
        [this](const LampBytes& bytes) { m_carViews->previewStep(bytes); }, this, &m_pieces, &m_ctx.prompter);
    // Beside the car views, so the preview stays in sight.
    dialog.adjustSize();
    dialog.move(m_ui.List1[0]->mapToGlobal(QPoint(0, 0)));
    const bool accepted = dialog.exec() == QDialog::Accepted;
    m_carViews->showLampState();
    if (!accepted)
        return;
    const SequenceDocument::EditGroup group(m_ctx.document);
    if (ComposeTools::insertRows(m_ctx, dialog.rows())) {
        const int k = m_ctx.document.activeSequence();
        const int first = m_ctx.document.firstSelectedRow(k);
        m_ui.List1[std::size_t(k)]->scrollTo(m_ctx.document.table(k).index(first - 1, 0));
    }
}

void MainWindow::savePiece()
{
    const LangText& t = m_ctx.texts;
    SequenceDocument& doc = m_ctx.document;
    const int k = doc.activeSequence();
    const TableState table = doc.tableState(k);
    // As a copy takes them: a loop only partly marked travels as plain steps.
    const QList<SequenceRow> rows = Loops::withWholeLoopsOnly(table, table.selectedRows());
    if (rows.isEmpty())
        return;
    const QString title =
        QString(m_ui.AlsBaustein->text()).remove(QLatin1Char('&')).remove(QStringLiteral("..."));
    const std::optional<QString> name =
        m_ctx.prompter.askText(t.text(PatternDialog::NameText), title, QString());
    if (!name)
        return;
    if (!Pieces::isValidName(*name)) {
        m_ctx.prompter.message(t.text(PatternDialog::BadNameText), title, Prompter::Icon::Exclamation);
        return;
    }
    if (m_pieces.exists(*name) && !m_ctx.prompter.askYesNoDefaultNo(t.text(PieceExistsText), title))
        return;
    const SafeSave::Result saved = m_pieces.save(*name, rows, doc.vehicleCode(), doc.parameterString());
    if (!saved)
        m_ctx.prompter.message(t.text(PieceFailedText) + QStringLiteral("\r\n") +
                                   SaveFailureText::reason(t, saved),
                               title, Prompter::Icon::Exclamation);
}

void MainWindow::applyDocumentVehicle()
{
    // The options model clears its "options loaded" flag while it sets the stored options.
    m_parameterDialog->applyDocumentVehicle();
}

void MainWindow::lichtAus()
{
    m_carViews->lichtAus();
}

void MainWindow::showRow()
{
    m_carViews->showRow();
}

void MainWindow::appendStep()
{
    m_sequenceEditor->appendStep();
}

void MainWindow::modellauswahl()
{
    const ModelLayout layout = m_parameterDialog->modelLayout();
    layout.applyTo(m_ctx.vehicle);
    m_gridModel->refreshVehicle();
    if (layout.plates)
        m_ui.carViews->setPlates(layout.plates->front, layout.plates->rear);
    refreshCaption();
}

void MainWindow::refreshCaption()
{
    // The document's file name (see FileCommands), six blanks, the vehicle; the
    // desktop marks unsaved changes at the placeholder after the name and
    // offers the full path where it shows the window's file.
    setWindowFilePath(m_ctx.document.fileName());
    setWindowTitle(m_fileCommands->captionName() + QStringLiteral("[*]      ") +
                   m_parameterDialog->selectionCaption());
    refreshModified();
}

void MainWindow::refreshModified()
{
    m_modifiedPending = false;
    setWindowModified(!SequenceFile::documentUnchanged(m_ctx.document));
}

void MainWindow::scheduleModifiedRefresh()
{
    // Many edits may come at once (a paste, an undo); the file is compared once.
    if (m_modifiedPending)
        return;
    m_modifiedPending = true;
    QTimer::singleShot(0, this, &MainWindow::refreshModified);
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_oneTimeStepsPending || m_startupFileFailed || m_comforts->restorePending())
        QTimer::singleShot(0, this, &MainWindow::runOneTimeSteps);
}

void MainWindow::runOneTimeSteps()
{
    const LangText& t = m_ctx.texts;
    if (m_oneTimeStepsPending) {
        // Cleared first: the dialogs below may bring further resize events.
        m_oneTimeStepsPending = false;
        m_ctx.prompter.message(t.text(84), t.text(85), Prompter::Icon::Information);
        m_parameterDialog->exec();
        m_ctx.prompter.message(t.text(87), t.text(85), Prompter::Icon::Information);
        registerFileType(
            sequenceFileRegistration(m_ctx.programFolder, QCoreApplication::applicationFilePath()));
        m_ctx.prompter.message(t.text(86), t.text(89), Prompter::Icon::Information);
    }
    if (m_startupFileFailed) {
        m_startupFileFailed = false;
        m_ctx.prompter.message(t.text(88), t.text(82), Prompter::Icon::Exclamation);
        const QString vehicle = m_ctx.settings.get(kSection, QStringLiteral("Fahrzeug_Type"));
        if (!vehicle.isEmpty()) {
            m_ctx.document.setVehicleCode(vehicle);
            modellauswahl();
            lichtAus();
        }
    }
    // Last, so the welcome and the start-up file's message come first.
    m_comforts->offerRestore();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Both questions come before anything is torn down: a close given up
    // leaves the upload, the playback, the port and the backup as they were.
    if (m_module->isUploading() && !m_ctx.prompter.askYesNo(m_ctx.texts.text(219), QString())) {
        event->ignore();
        return;
    }
    if (!SequenceFile::documentUnchanged(m_ctx.document)) {
        switch (m_ctx.prompter.askYesNoCancel(m_ctx.texts.text(83), QString())) {
        case Prompter::Answer::Yes:
            // A cancelled or failed save keeps the window open, so no work is lost.
            if (!m_fileCommands->saveAs()) {
                event->ignore();
                return;
            }
            break;
        case Prompter::Answer::No:
            break;
        case Prompter::Answer::Cancel:
            event->ignore();
            return;
        }
    }
    m_playback->stop();
    m_module->closePort();
    m_ctx.settings.save(kSection, QStringLiteral("Slider"), QString::number(m_ui.sliderZeitein->value()));
    m_windowState->save();
    m_parameterDialog->hide();
    m_infoDialog->hide();
    m_propertiesDialog->hide();
    m_connectDialog->hide();
    // A normal end: the backup of unsaved work is no longer needed.
    m_comforts->endSession();
    event->accept();
    emit closed();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!m_comforts->droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QString file = m_comforts->droppedFile(event->mimeData());
    if (file.isEmpty())
        return;
    event->acceptProposedAction();
    m_comforts->dropFile(file);
}
