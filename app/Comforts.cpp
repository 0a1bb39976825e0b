#include "app/Comforts.h"
#include "vehicle/VehicleConfig.h"

#include "app/MainWindow.h"
#include "core/AppContext.h"
#include "core/LangText.h"
#include "core/Prompter.h"
#include "core/SaveFailureText.h"
#include "sequence/FileCommands.h"
#include "sequence/SequenceDocument.h"
#include "sequence/SequenceEditor.h"
#include "vehicle/ParameterDialog.h"
#include "views/CarViewsController.h"
#include "views/CarViewsPanel.h"
#include "views/Storyboard.h"
#include "views/playback/PlaybackController.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTextEdit>
#include <QTimer>
#include <QTreeView>
#include <QUrl>

namespace {

const QString CrLf = QStringLiteral("\r\n");

// A text field has the keyboard: its keys are its own.
bool typing()
{
    QWidget* w = QApplication::focusWidget();
    return qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QTextEdit*>(w) ||
           qobject_cast<QPlainTextEdit*>(w);
}

} // namespace

Comforts::Comforts(AppContext& ctx, MainWindow& window)
    : QObject(&window), m_ctx(ctx), m_window(window), m_history(ctx.document), m_recent(ctx.settings),
      m_backup(ctx.document)
{
    MainWindowUi& ui = m_window.ui();
    connect(ui.Undo, &QAction::triggered, this, &Comforts::undo);
    connect(ui.Redo, &QAction::triggered, this, &Comforts::redo);
    connect(&m_history, &UndoHistory::stateChanged, this, &Comforts::refreshEditActions);
    connect(&m_history, &UndoHistory::restored, this, &Comforts::showRestored);
    connect(&m_history, &UndoHistory::vehicleRestored, this, [this] {
        m_window.applyDocumentVehicle();
        m_window.modellauswahl();
        m_window.lichtAus();
    });
    connect(&m_window.playback(), &PlaybackController::playingChanged, this, &Comforts::setPlaying);

    for (int i = 0; i < RecentFiles::Capacity; ++i)
        connect(ui.Recent[std::size_t(i)], &QAction::triggered, this, [this, i] { openRecent(i); });
    // Another running program may have changed the list meanwhile.
    connect(ui.Datei, &QMenu::aboutToShow, this, &Comforts::refreshRecentMenu);
    FileCommands& files = m_window.fileCommands();
    connect(&files, &FileCommands::opened, this, [this](const QString& fileName) {
        m_recent.add(fileName);
        refreshRecentMenu();
    });
    connect(&files, &FileCommands::saved, this, [this](const QString& fileName) {
        m_recent.add(fileName);
        refreshRecentMenu();
        m_backup.remove();
    });
    connect(ui.ExportStoryboard, &QAction::triggered, this, &Comforts::exportStoryboard);
    connect(&m_backup, &Backup::writeFailed, this, &Comforts::reportBackupFailure);

    bindShortcuts();
    refreshRecentMenu();
    refreshEditActions();
}

void Comforts::applyTexts()
{
    const LangText& t = m_ctx.texts;
    MainWindowUi& ui = m_window.ui();
    ui.Bearbeiten->setTitle(t.text(EditMenuText));
    ui.Undo->setText(t.text(UndoText));
    ui.Redo->setText(t.text(RedoText));
    ui.ExportStoryboard->setText(t.text(StoryboardText) + QStringLiteral("..."));
}

// --- Undo -----------------------------------------------------------------

void Comforts::undo()
{
    m_history.undo();
}

void Comforts::redo()
{
    m_history.redo();
}

void Comforts::refreshEditActions()
{
    MainWindowUi& ui = m_window.ui();
    ui.Undo->setEnabled(m_history.canUndo());
    ui.Redo->setEnabled(m_history.canRedo());
}

void Comforts::setPlaying(bool playing)
{
    m_playing = playing;
    // Playback does not edit rows; undo must not change them under it.
    m_history.setEnabled(!playing);
    for (QAction* recent : m_window.ui().Recent)
        recent->setEnabled(!playing);
}

void Comforts::showRestored(int k)
{
    SequenceDocument& doc = m_ctx.document;
    MainWindowUi& ui = m_window.ui();
    // The change is shown where it was made; the views show the restored
    // rows, or all lamps off when none is left to show.
    m_window.sequenceEditor().selectSequence(k);
    m_window.lichtAus();
    if (doc.firstSelectedRow(k) != 0)
        m_window.showRow();
    else
        ui.labPos->setText(QStringLiteral("Position 0"));
    if (const int j = doc.focusedRow(k); j != 0)
        ui.List1[std::size_t(k)]->scrollTo(doc.table(k).index(j - 1, 0));
}

// --- Shortcuts ------------------------------------------------------------

QShortcut* Comforts::shortcut(const QKeySequence& keys, const std::function<void()>& action)
{
    auto* s = new QShortcut(keys, &m_window);
    s->setContext(Qt::WindowShortcut);
    s->setAutoRepeat(false);
    connect(s, &QShortcut::activated, this, action);
    return s;
}

void Comforts::bindShortcuts()
{
    // New, Open, Save, Save As, undo, redo and the Edit menu's commands
    // (Delete among them) are the keys of their menu items (MainWindowUi);
    // these have no menu item.
    MainWindowUi& ui = m_window.ui();
    shortcut(QKeySequence(Qt::Key_Insert), [&ui] {
        if (!typing())
            ui.cmdEinfuegen->click();
    })->setObjectName(QStringLiteral("keyInsert"));
    shortcut(QKeySequence(Qt::Key_F5), [this, &ui] {
        if (!m_playing)
            ui.cmdSilulation->click();
    })->setObjectName(QStringLiteral("keyPlay"));
    shortcut(QKeySequence(Qt::SHIFT | Qt::Key_F5), [this, &ui] {
        if (!m_playing)
            ui.cmdSimWeiter->click();
    })->setObjectName(QStringLiteral("keyPlayOn"));
    shortcut(QKeySequence(Qt::Key_Escape), [this, &ui] {
        if (m_playing)
            ui.cmdSilulation->click();
    })->setObjectName(QStringLiteral("keyStop"));
}

// --- Recent files ---------------------------------------------------------

void Comforts::refreshRecentMenu()
{
    MainWindowUi& ui = m_window.ui();
    const QStringList files = m_recent.files();
    for (int i = 0; i < RecentFiles::Capacity; ++i) {
        QAction* entry = ui.Recent[std::size_t(i)];
        const QString file = i < files.size() ? files.at(i) : QString();
        QString shown = QDir::toNativeSeparators(file);
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        entry->setText(QStringLiteral("&%1  %2").arg(i + 1).arg(shown));
        entry->setData(file);
        entry->setVisible(!file.isEmpty());
    }
    ui.RecentSeparator->setVisible(!files.isEmpty());
}

void Comforts::openRecent(int i)
{
    if (i < 0 || i >= RecentFiles::Capacity || m_playing)
        return;
    const QString file = m_window.ui().Recent[std::size_t(i)]->data().toString();
    if (file.isEmpty())
        return;
    if (!QFileInfo(file).isFile()) {
        m_recent.remove(file);
        refreshRecentMenu();
        m_ctx.prompter.message(m_ctx.texts.text(RecentMissingText) + CrLf + QDir::toNativeSeparators(file),
                               QString(), Prompter::Icon::Exclamation);
        return;
    }
    if (m_window.fileCommands().openFile(file))
        m_window.lichtAus();
}

// --- Drag and drop --------------------------------------------------------

QString Comforts::droppedFile(const QMimeData* data) const
{
    if (m_playing || !data || !data->hasUrls())
        return QString();
    for (const QUrl& url : data->urls()) {
        const QString file = url.toLocalFile();
        if (!file.isEmpty() && file.endsWith(QLatin1String(".zfx"), Qt::CaseInsensitive))
            return file;
    }
    return QString();
}

void Comforts::dropFile(const QString& fileName)
{
    // The question and the messages of Open come after the drop has ended,
    // so the program the file came from is not held up by them.
    QTimer::singleShot(0, this, [this, fileName] {
        if (!m_playing && m_window.fileCommands().openFile(fileName))
            m_window.lichtAus();
    });
}

// --- Storyboard -----------------------------------------------------------

QString Comforts::storyboardTitle() const
{
    const SequenceDocument& doc = m_ctx.document;
    const MainWindowUi& ui = m_window.ui();
    return m_window.fileCommands().captionName() + QStringLiteral("  \u2013  ") +
           ui.sequenceName(doc.activeSequence()) + QStringLiteral("  \u2013  ") +
           m_window.parameterDialog().selectionCaption().trimmed();
}

void Comforts::exportStoryboard()
{
    SequenceDocument& doc = m_ctx.document;
    const LangText& t = m_ctx.texts;
    const int k = doc.activeSequence();
    if (doc.table(k).count() == 0) {
        m_ctx.prompter.message(t.text(NothingToExportText), QString(), Prompter::Icon::Information);
        return;
    }
    const std::optional<QString> chosen = m_ctx.prompter.saveFileName(
        t.text(StoryboardText), QStringLiteral("PNG (*.png);;PDF (*.pdf)"), QStringLiteral("png"),
        m_window.fileCommands().exportProposal(m_window.ui().sequenceName(k), QStringLiteral("png")));
    if (!chosen || chosen->isEmpty())
        return;
    QString file = *chosen;
    const QString suffix = QFileInfo(file).suffix().toLower();
    const bool pdf = suffix == QLatin1String("pdf");
    if (!pdf && suffix != QLatin1String("png"))
        file += QStringLiteral(".png");

    const VehicleConfig& vehicle = m_ctx.vehicle;
    const Storyboard board(storyboardTitle(), doc.table(k).rows(),
                           LampOptions::of(doc.vehicleCode(), vehicle), vehicle.pictureBasesByView(),
                           m_window.ui().carViews->plateBoxes());
    PictureBook& pictures = m_window.carViews().pictures();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const SafeSave::Result written = pdf ? board.writePdf(file, pictures) : board.writePng(file, pictures);
    QApplication::restoreOverrideCursor();
    if (!written)
        m_ctx.prompter.message(FileCommands::saveFailedMessage(t, written), t.text(82),
                               Prompter::Icon::Exclamation);
}

// --- Backup ---------------------------------------------------------------

void Comforts::startSession()
{
    // A file named on the command line was opened too.
    if (!m_ctx.document.isUntitled()) {
        m_recent.add(m_ctx.document.fileName());
        refreshRecentMenu();
    }
    m_backup.start();
}

void Comforts::offerRestore()
{
    const LangText& t = m_ctx.texts;
    enum Button
    {
        Restore,
        Discard,
        Later
    };
    const QStringList buttons{t.text(RestoreButtonText), t.text(DiscardButtonText), t.text(LaterButtonText)};
    for (const Backup::KeptCopy& copy : m_backup.keptCopies()) {
        QString question = t.text(RestoreText);
        if (!copy.name.isEmpty())
            question += CrLf + CrLf + QDir::toNativeSeparators(copy.name);
        switch (m_ctx.prompter.askButtons(question, QString(), buttons, Later)) {
        case Restore:
            // A copy that cannot be read is said so and kept; the rest wait for the next start.
            if (m_window.fileCommands().openCopy(copy.file, copy.name)) {
                Backup::removeKeptCopy(copy);
                // Protected as unsaved work from now on, by this run's own copy.
                m_backup.update();
            }
            return;
        case Discard:
            if (!m_ctx.prompter.askYesNoDefaultNo(t.text(DiscardQuestionText), QString()))
                return;
            Backup::removeKeptCopy(copy);
            break;
        default:
            return;
        }
    }
}

void Comforts::reportBackupFailure(const SafeSave::Result& result)
{
    const LangText& t = m_ctx.texts;
    m_ctx.prompter.message(t.text(BackupFailedText) + CrLf + SaveFailureText::reason(t, result) + CrLf +
                               CrLf + t.text(BackupAdviceText),
                           QString(), Prompter::Icon::Exclamation);
}

void Comforts::endSession()
{
    m_backup.stop();
}
