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
    const TableState table = doc.tableState(k);
    m_rows = Loops::withWholeLoopsOnly(table, table.selectedRows());
}

void RowClipboard::cut(AppContext& ctx)
{
    SequenceDocument& doc = ctx.document;
    const int k = doc.activeSequence();
    if (doc.focusedRow(k) == 0)
        return;
    TableState table = doc.tableState(k);
    const QList<int> selected = table.selectedRows();
    m_rows = Loops::withWholeLoopsOnly(table, selected);
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
    QList<SequenceRow> rows = m_rows;
    Loops::renumberForTable(rows, table);
    for (qsizetype n = 0; n < rows.size(); ++n)
        table.insertRow(position + int(n), rows.at(n));
    Loops::joinSurroundingLoop(table, position, position + int(rows.size()) - 1);
    const bool shortened = Loops::checkMarkers(table);
    doc.applyTableState(k, table);
    if (shortened)
        Loops::warnTooLong(ctx);
}
