#include "sequence/SequenceEditor.h"

#include "app/MainWindowUi.h"
#include "core/AppContext.h"
#include "core/LangText.h"
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

SequenceEditor::SequenceEditor(AppContext& ctx, MainWindowUi& ui, WindowOps& ops, QObject* parent)
    : QObject(parent), m_ctx(ctx), m_ui(ui), m_ops(ops)
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
    }
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
}

QString SequenceEditor::intervalText() const
{
    return Interval::fromSlider(m_ui.sliderZeitein->value());
}

void SequenceEditor::refreshIntervalLabel()
{
    m_ui.labZeitein->setText(intervalText() + m_ctx.texts.text(76));
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

bool SequenceEditor::prepareTableMenu()
{
    if (m_ctx.document.activeTable().count() == 0)
        return false;
    // While playback has the menu locked ("Kopieren" is never disabled
    // otherwise), its items are left as they are.
    if (m_ui.List_1[1]->isEnabled()) {
        m_ui.List_1[3]->setEnabled(!m_clipboard.isEmpty());
        m_ui.List_1[4]->setEnabled(!m_clipboard.isEmpty());
    }
    return true;
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
    // works without the menu having been shown (unless playback locked them).
    if ((index == 1 || index == 2) && m_ui.List_1[1]->isEnabled()) {
        m_ui.List_1[3]->setEnabled(!m_clipboard.isEmpty());
        m_ui.List_1[4]->setEnabled(!m_clipboard.isEmpty());
    }
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
