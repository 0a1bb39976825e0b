#include "sequence/CommandEnabler.h"

#include "core/AppContext.h"
#include "sequence/CommandAvailability.h"
#include "sequence/RowClipboard.h"
#include "sequence/SequenceDocument.h"

#include <QAction>
#include <QPushButton>

using namespace CommandAvailability;

CommandEnabler::CommandEnabler(AppContext& ctx, const Controls& controls, const RowClipboard& clipboard,
                               QObject* parent)
    : QObject(parent), m_ctx(ctx), m_ui(controls), m_clipboard(clipboard)
{
    SequenceDocument& doc = m_ctx.document;
    for (int k = 0; k < 2; ++k) {
        // Undo, redo and the commands all change the rows and marks through these.
        connect(&doc.table(k), &SequenceTableModel::contentChanged, this, &CommandEnabler::refresh);
        connect(&doc.selection(k), &QItemSelectionModel::selectionChanged, this, &CommandEnabler::refresh);
        connect(&doc.selection(k), &QItemSelectionModel::currentChanged, this, &CommandEnabler::refresh);
    }
    connect(&doc, &SequenceDocument::activeSequenceChanged, this, &CommandEnabler::refresh);
    connect(&doc, &SequenceDocument::contentReplaced, this, &CommandEnabler::refresh);
    refresh();
}

void CommandEnabler::setPlaying(bool playing)
{
    m_playing = playing;
    refresh();
}

void CommandEnabler::setUploading(bool uploading)
{
    m_uploading = uploading;
    refresh();
}

void CommandEnabler::setGreetingLight(bool on)
{
    m_greetingLight = on;
    refresh();
}

void CommandEnabler::refresh()
{
    const SequenceDocument& doc = m_ctx.document;
    Situation s;
    s.playing = m_playing;
    s.uploading = m_uploading;
    s.showEmpty = doc.table(0).count() == 0 && !m_greetingLight;
    s.clipboardEmpty = m_clipboard.isEmpty();
    s.unlockEmpty = doc.table(0).count() == 0;
    if (!m_playing) // playback selects a row at every step; the rule needs no table then
        s.table = doc.tableState(doc.activeSequence());
    const unsigned can = available(s);

    const auto apply = [can](QObject* control, unsigned command) {
        if (auto* button = qobject_cast<QPushButton*>(control))
            button->setEnabled(can & command);
        else if (auto* action = qobject_cast<QAction*>(control))
            action->setEnabled(can & command);
    };
    apply(m_ui.cmdWeiter, Append);
    apply(m_ui.cmdEinfuegen, Insert);
    apply(m_ui.cmdAendern, Change);
    apply(m_ui.cmdLoeschen, Delete);
    apply(m_ui.cmdSchleife, CreateLoop);
    apply(m_ui.cmdSchleife_L, RemoveLoop);
    apply(m_ui.cmdDaten, Send);
    apply(m_ui.List_1[1], Copy);
    apply(m_ui.List_1[2], Cut);
    apply(m_ui.List_1[3], PasteAtFocus);
    apply(m_ui.List_1[4], PasteAtEnd);
    apply(m_ui.Loeschen, Delete);
    apply(m_ui.AllesMarkieren, SelectAll);
    apply(m_ui.Spiegeln, Mirror);
    apply(m_ui.Umkehren, Reverse);
    apply(m_ui.Skalieren, Scale);
    apply(m_ui.Muster, Pattern);
    apply(m_ui.Abschied, Farewell);
}
