#include "sequence/SequenceEditor.h"

#include "core/AppContext.h"
#include "core/LangText.h"
#include "sequence/ComposeTools.h"
#include "sequence/Interval.h"
#include "sequence/Loops.h"
#include "sequence/RowCommands.h"
#include "sequence/SequenceDocument.h"
#include "ui/WindowOps.h"

#include <QAction>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTreeView>

SequenceEditor::SequenceEditor(AppContext& ctx, const Controls& controls, WindowOps& ops, QObject* parent)
    : QObject(parent), m_ctx(ctx), m_ui(controls), m_ops(ops), m_commands(ctx, controls.commands, m_clipboard)
{
    SequenceDocument& doc = m_ctx.document;
    for (int k = 0; k < 2; ++k) {
        QTreeView* view = m_ui.List1[std::size_t(k)];
        view->setModel(&doc.table(k));
        view->setSelectionModel(&doc.selection(k));
        view->header()->resizeSection(0, 80);
        view->header()->setStretchLastSection(true);
        connect(view, &QWidget::customContextMenuRequested, this,
                [this, k](const QPoint& pos) { showTableMenu(k, pos); });
        connect(m_ui.optAuf_Zu[std::size_t(k)], &QRadioButton::clicked, this,
                [this, k] { selectSequence(k); });
        connect(&doc.selection(k), &QItemSelectionModel::selectionChanged, this, [this, k] {
            if (k == m_ctx.document.activeSequence())
                followMarkedRow();
        });
        connect(&doc.table(k), &SequenceTableModel::contentChanged, this, [this, k] {
            if (k == m_ctx.document.activeSequence())
                followMarkedRow();
        });
    }
    connect(&doc, &SequenceDocument::activeSequenceChanged, this, &SequenceEditor::followMarkedRow);
    connect(&doc, &SequenceDocument::editGroupEnded, this, [this] {
        if (m_followPending)
            followMarkedRow();
    });
    connect(m_ui.sliderZeitein, &QSlider::valueChanged, this, &SequenceEditor::refreshIntervalLabel);
    connect(m_ui.cmdWeiter, &QPushButton::clicked, this, &SequenceEditor::appendStep);
    connect(m_ui.cmdEinfuegen, &QPushButton::clicked, this, &SequenceEditor::insertStep);
    connect(m_ui.cmdLoeschen, &QPushButton::clicked, this, &SequenceEditor::deleteRows);
    connect(m_ui.cmdSchleife, &QPushButton::clicked, this, &SequenceEditor::createLoop);
    connect(m_ui.cmdSchleife_L, &QPushButton::clicked, this, &SequenceEditor::removeLoop);
    // Overwriting reacts to a mouse press only, never to the keyboard.
    m_ui.cmdAendern->installEventFilter(this);
    for (int i = 1; i <= 4; ++i)
        connect(m_ui.List_1[std::size_t(i)], &QAction::triggered, this, [this, i] { tableMenuClick(i); });

    // The Edit menu's items; the window binds the pattern dialog.
    const CommandEnabler::Controls& tools = m_ui.commands;
    const auto bind = [this](QAction* action, void (SequenceEditor::*slot)()) {
        if (action)
            connect(action, &QAction::triggered, this, slot);
    };
    bind(tools.Loeschen, &SequenceEditor::deleteRows);
    bind(tools.AllesMarkieren, &SequenceEditor::selectAll);
    bind(tools.Spiegeln, &SequenceEditor::mirrorRows);
    bind(tools.Umkehren, &SequenceEditor::reverseRows);
    bind(tools.Abschied, &SequenceEditor::farewellFromGreeting);
    if (m_ui.Skalieren) {
        connect(m_ui.Skalieren, &QMenu::triggered, this,
                [this](QAction* item) { scaleRows(item->data().toDouble()); });
    }
    m_statusTimer.setSingleShot(true);
    m_statusTimer.setInterval(StatusMs);
    connect(&m_statusTimer, &QTimer::timeout, this, [this] {
        // Whatever the module link has said meanwhile stays.
        if (m_ui.labInfo && m_ui.labInfo->text() == m_statusShown)
            m_ui.labInfo->setText(m_statusResting);
    });
}

void SequenceEditor::applyTexts()
{
    const LangText& t = m_ctx.texts;
    const CommandEnabler::Controls& tools = m_ui.commands;
    const auto caption = [](QAction* action, const QString& text) {
        if (action)
            action->setText(text);
    };
    caption(tools.Loeschen, t.text(25));
    caption(tools.AllesMarkieren, t.text(SelectAllText));
    caption(tools.Spiegeln, t.text(ComposeTools::MirrorText));
    caption(tools.Umkehren, t.text(ComposeTools::ReverseText));
    caption(tools.Muster, t.text(PatternText) + QStringLiteral("..."));
    caption(tools.Abschied, t.text(ComposeTools::FarewellText));
    if (m_ui.Skalieren) {
        m_ui.Skalieren->setTitle(t.text(ComposeTools::ScaleText));
        const QLocale locale = languageLocale(m_ctx.languageName);
        for (QAction* item : m_ui.Skalieren->actions()) {
            const double factor = item->data().toDouble();
            item->setText(factor > 0 ? QStringLiteral("\u00d7 ") + locale.toString(factor)
                                     : t.text(ComposeTools::OtherFactorText) + QStringLiteral("..."));
        }
    }
    m_ui.cmdAendern->setToolTip(t.text(OverwriteTipText));
}

QString SequenceEditor::intervalText() const
{
    return Interval::fromSlider(m_ui.sliderZeitein->value());
}

void SequenceEditor::refreshIntervalLabel()
{
    // Shown with the decimal separator of the program's language.
    m_ui.labZeitein->setText(
        Interval::shownFromSlider(m_ui.sliderZeitein->value(), languageLocale(m_ctx.languageName)) +
        m_ctx.texts.text(76));
}

void SequenceEditor::selectSequence(int k)
{
    if (k != 0 && k != 1)
        return;
    m_ctx.document.setActiveSequence(k);
    m_ui.List1[0]->setVisible(k == 0);
    m_ui.List1[1]->setVisible(k == 1);
    m_ui.optAuf_Zu[std::size_t(k)]->setChecked(true);
}

void SequenceEditor::appendStep()
{
    const SequenceDocument::EditGroup group(m_ctx.document);
    if (!RowCommands::appendStep(m_ctx, intervalText()))
        return; // the table is full; the lamps stay as they are
    const int k = m_ctx.document.activeSequence();
    m_ui.List1[std::size_t(k)]->scrollToBottom();
    m_ops.lichtAus();
}

void SequenceEditor::insertStep()
{
    const SequenceDocument::EditGroup group(m_ctx.document);
    if (!RowCommands::insertStep(m_ctx, intervalText()))
        return;
    scrollToFocus();
    m_ops.lichtAus();
}

void SequenceEditor::overwriteRows()
{
    const SequenceDocument::EditGroup group(m_ctx.document);
    RowCommands::overwriteRows(m_ctx, intervalText());
    sayOverwritten(int(m_ctx.document.selectedRows(m_ctx.document.activeSequence()).size()));
}

void SequenceEditor::sayOverwritten(int n)
{
    if (!m_ui.labInfo || n == 0)
        return;
    if (!m_statusTimer.isActive() || m_ui.labInfo->text() != m_statusShown)
        m_statusResting = m_ui.labInfo->text();
    m_statusShown =
        QLatin1Char(' ') + QString::number(n) + QLatin1Char(' ') + m_ctx.texts.text(OverwrittenText) +
        QLatin1Char(' ') +
        Interval::shownFromSlider(m_ui.sliderZeitein->value(), languageLocale(m_ctx.languageName)) +
        m_ctx.texts.text(76);
    m_ui.labInfo->setText(m_statusShown);
    m_statusTimer.start();
}

void SequenceEditor::deleteRows()
{
    const SequenceDocument::EditGroup group(m_ctx.document);
    if (RowCommands::deleteRows(m_ctx))
        m_ops.lichtAus();
}

void SequenceEditor::createLoop()
{
    const SequenceDocument::EditGroup group(m_ctx.document);
    Loops::create(m_ctx);
}

void SequenceEditor::removeLoop()
{
    const SequenceDocument::EditGroup group(m_ctx.document);
    Loops::remove(m_ctx);
}

void SequenceEditor::mirrorRows()
{
    const SequenceDocument::EditGroup group(m_ctx.document);
    ComposeTools::mirrorRows(m_ctx);
}

void SequenceEditor::reverseRows()
{
    const SequenceDocument::EditGroup group(m_ctx.document);
    ComposeTools::reverseRows(m_ctx);
}

void SequenceEditor::scaleRows(double factor)
{
    if (factor <= 0) {
        const std::optional<double> asked = ComposeTools::askFactor(m_ctx);
        if (!asked)
            return;
        factor = *asked;
    }
    const SequenceDocument::EditGroup group(m_ctx.document);
    ComposeTools::scaleRows(m_ctx, factor);
}

void SequenceEditor::farewellFromGreeting()
{
    const SequenceDocument::EditGroup group(m_ctx.document);
    if (ComposeTools::farewellFromGreeting(m_ctx))
        selectSequence(1);
}

void SequenceEditor::selectAll()
{
    ComposeTools::selectAll(m_ctx);
}

bool SequenceEditor::prepareTableMenu()
{
    return m_ctx.document.activeTable().count() != 0;
}

void SequenceEditor::showTableMenu(int k, const QPoint& pos)
{
    if (k != m_ctx.document.activeSequence() || !prepareTableMenu())
        return;
    QTreeView* view = m_ui.List1[std::size_t(k)];
    m_ui.Tabelle->popup(view->viewport()->mapToGlobal(pos));
}

void SequenceEditor::tableMenuClick(int index)
{
    // Each command with its tidy pass is one step for undo.
    const SequenceDocument::EditGroup group(m_ctx.document);
    switch (index) {
    case 1:
        m_clipboard.copy(m_ctx);
        break;
    case 2:
        m_clipboard.cut(m_ctx);
        break;
    case 3:
        m_clipboard.pasteAtFocus(m_ctx);
        break;
    case 4:
        m_clipboard.pasteAtEnd(m_ctx);
        break;
    default:
        break;
    }
    // The paste items follow the clipboard at once, so the paste shortcut
    // works without the menu having been shown.
    m_commands.refresh();
}

void SequenceEditor::followMarkedRow()
{
    SequenceDocument& doc = m_ctx.document;
    if (m_commands.isPlaying()) {
        // Playback shows its rows itself; afterwards any mark is shown afresh.
        m_followedRow = -1;
        return;
    }
    // Inside a command the marks may pass through states that mean nothing.
    m_followPending = doc.inEditGroup();
    if (m_followPending)
        return;
    const int k = doc.activeSequence();
    const int j = doc.firstSelectedRow(k);
    const SequenceRow row = j != 0 ? doc.table(k).row(j) : SequenceRow{};
    if (k == m_followedSequence && j == m_followedRow && row == m_followedContent)
        return;
    m_followedSequence = k;
    m_followedRow = j;
    m_followedContent = row;
    if (j == 0) {
        // Nothing marked: the lamps stay for editing, but no row is named.
        m_ui.labPos->setText(QStringLiteral("Position 0"));
        return;
    }
    // The slider counts tenths of a second; its range bounds what a row may hold.
    const qint64 tenths = (Interval::toMilliseconds(row.interval) + 50) / 100;
    m_ui.sliderZeitein->setValue(int(qMin<qint64>(tenths, m_ui.sliderZeitein->maximum())));
    m_ops.showRow();
}

void SequenceEditor::scrollToFocus()
{
    SequenceDocument& doc = m_ctx.document;
    const int k = doc.activeSequence();
    const int j = doc.focusedRow(k);
    if (j != 0)
        m_ui.List1[std::size_t(k)]->scrollTo(doc.table(k).index(j - 1, 0));
}

bool SequenceEditor::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ui.cmdAendern && event->type() == QEvent::MouseButtonPress &&
        m_ui.cmdAendern->isEnabled())
        overwriteRows();
    return QObject::eventFilter(watched, event);
}
