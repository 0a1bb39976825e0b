#pragma once

#include "sequence/SequenceRow.h"

#include <QList>

struct AppContext;

// The rows copied or cut from a step table (the table's context menu). It
// belongs to no sequence, so rows travel between both. It holds as many rows
// as a table can, so copying a selection never drops rows.
class RowClipboard
{
public:
    bool isEmpty() const { return m_rows.isEmpty(); }
    const QList<SequenceRow>& rows() const { return m_rows; }

    // The four commands act on the active table and only when it has a
    // focused row; none of them moves the selection or the focus.
    // Copy: the selected rows replace the clipboard's contents. A loop taken
    // whole stays a loop; the rows of a loop taken in part become plain steps.
    void copy(AppContext& ctx);
    // Cut: as copy, then the rows leave the table and loop markers left on a
    // single row are removed.
    void cut(AppContext& ctx);
    // Paste at the focused row: the rows stand there in their order and the
    // focused row and those after it move down. Pasted inside a loop they join
    // it; a pasted loop whose number the table uses gets a free one. Then the
    // loop check.
    void pasteAtFocus(AppContext& ctx);
    // Paste at the end of the table; then the loop check. This one needs no focused row.
    void pasteAtEnd(AppContext& ctx);

private:
    // Pastes at row position (1 .. count + 1); refused with a message when
    // the table cannot take all the rows.
    void paste(AppContext& ctx, int position);

    QList<SequenceRow> m_rows;
};
