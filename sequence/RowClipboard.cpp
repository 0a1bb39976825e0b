#include "sequence/RowClipboard.h"

#include "core/AppContext.h"
#include "sequence/Loops.h"
#include "sequence/RowCommands.h"
#include "sequence/SequenceDocument.h"

void RowClipboard::copy(AppContext& ctx)
{
    const SequenceDocument& doc = ctx.document;
    const int k = doc.activeSequence();
    if (doc.focusedRow(k) == 0)
        return;
    m_rows.clear();
    const SequenceTableModel& table = doc.table(k);
    for (int j : doc.selectedRows(k))
        m_rows.append(table.row(j));
}

void RowClipboard::cut(AppContext& ctx)
{
    SequenceDocument& doc = ctx.document;
    const int k = doc.activeSequence();
    if (doc.focusedRow(k) == 0)
        return;
    TableState table = doc.tableState(k);
    m_rows.clear();
    const QList<int> selected = table.selectedRows();
    for (int j : selected)
        m_rows.append(table.row(j));
    for (qsizetype i = selected.size() - 1; i >= 0; --i)
        table.removeRow(selected.at(i));
    Loops::removeSingleRowMarkers(table);
    doc.applyTableState(k, table);
}

void RowClipboard::pasteAtFocus(AppContext& ctx)
{
    const int focused = ctx.document.focusedRow(ctx.document.activeSequence());
    if (focused != 0)
        paste(ctx, focused);
}

void RowClipboard::pasteAtEnd(AppContext& ctx)
{
    paste(ctx, ctx.document.activeTable().count() + 1);
}

void RowClipboard::paste(AppContext& ctx, int position)
{
    if (m_rows.isEmpty())
        return;
    SequenceDocument& doc = ctx.document;
    const int k = doc.activeSequence();
    TableState table = doc.tableState(k);
    if (table.count() + m_rows.size() > SequenceTableModel::MaxRows) {
        RowCommands::sayTableFull(ctx);
        return;
    }
    for (qsizetype n = 0; n < m_rows.size(); ++n)
        table.insertRow(position + int(n), m_rows.at(n));
    const bool shortened = Loops::checkMarkers(table);
    doc.applyTableState(k, table);
    if (shortened)
        Loops::warnTooLong(ctx);
}
