#include "sequence/RowCommands.h"

#include "core/AppContext.h"
#include "core/LangText.h"
#include "core/Prompter.h"
#include "sequence/Loops.h"
#include "sequence/SequenceDocument.h"

namespace RowCommands {

void sayTableFull(AppContext& ctx)
{
    ctx.prompter.message(ctx.texts.text(TableFullText), QString(), Prompter::Icon::Exclamation);
}

namespace {
// False, after saying so, when the table cannot take another row.
bool hasRoomForOneMore(AppContext& ctx, const TableState& table)
{
    if (table.count() < SequenceTableModel::MaxRows)
        return true;
    sayTableFull(ctx);
    return false;
}
} // namespace

bool appendStep(AppContext& ctx, const QString& interval)
{
    SequenceDocument& doc = ctx.document;
    const int k = doc.activeSequence();
    TableState table = doc.tableState(k);
    if (!hasRoomForOneMore(ctx, table))
        return false;
    table.appendRow({interval, QString(), ctx.lampState});
    return doc.applyTableState(k, table);
}

bool insertStep(AppContext& ctx, const QString& interval)
{
    SequenceDocument& doc = ctx.document;
    const int k = doc.activeSequence();
    TableState table = doc.tableState(k);
    if (!hasRoomForOneMore(ctx, table))
        return false;
    QString marker;
    for (int j : table.selectedRows())
        marker = table.row(j).loopMarker;
    const int focused = table.focusedRow();
    table.insertRow(focused != 0 ? focused : table.count() + 1, {interval, marker, {}});
    const bool shortened = Loops::checkMarkers(table);
    doc.applyTableState(k, table);
    if (shortened)
        Loops::warnTooLong(ctx);
    return true;
}

void overwriteRows(AppContext& ctx, const QString& interval)
{
    SequenceDocument& doc = ctx.document;
    const int k = doc.activeSequence();
    TableState table = doc.tableState(k);
    const QList<int> selected = table.selectedRows();
    for (int j : selected) {
        if (selected.size() == 1)
            table.row(j).lamps = ctx.lampState;
        table.row(j).interval = interval;
    }
    doc.applyTableState(k, table);
}

bool deleteRows(AppContext& ctx)
{
    SequenceDocument& doc = ctx.document;
    const int k = doc.activeSequence();
    if (doc.table(k).count() == 0)
        return false;
    if (doc.firstSelectedRow(k) != 0 && !ctx.prompter.askYesNo(ctx.texts.text(80), QString()))
        return false;
    // Taken after the question: the selection may have changed while it was open.
    TableState table = doc.tableState(k);
    const QList<int> selected = table.selectedRows();
    for (qsizetype i = selected.size() - 1; i >= 0; --i)
        table.removeRow(selected.at(i));
    doc.applyTableState(k, table);
    return true;
}

} // namespace RowCommands
