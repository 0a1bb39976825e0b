#pragma once

#include "sequence/SequenceRow.h"

#include <QList>

// A step table as the editing commands see it: its rows, which of them are
// selected, and the focused row. A command works on a copy and hands the
// result back to the document in one piece (SequenceDocument::applyTableState),
// so every edit of a table passes one place and can be recorded there.
//
// Rows are numbered from 1. Inserting keeps the selection at the same row
// numbers (the list moves rows by swapping their texts, so the marks stay
// where they were); removing a row takes its mark with it and moves the
// marks and the focus of the rows after it up by one.
class TableState
{
public:
    TableState() = default;
    explicit TableState(const QList<SequenceRow>& rows);

    int count() const { return int(m_rows.size()); }
    const QList<SequenceRow>& rows() const { return m_rows; }
    const SequenceRow& row(int j) const { return m_rows.at(j - 1); }
    SequenceRow& row(int j) { return m_rows[j - 1]; }

    bool isSelected(int j) const { return j >= 1 && j <= count() && m_selected.at(j - 1); }
    void setSelected(int j, bool selected);
    void clearSelection();
    QList<int> selectedRows() const; // ascending
    int firstSelectedRow() const;    // 0 when none

    int focusedRow() const { return m_focused; } // 0 when none
    void setFocusedRow(int j) { m_focused = (j >= 1 && j <= count()) ? j : 0; }

    // The new row becomes row j (1 <= j <= count + 1).
    void insertRow(int j, const SequenceRow& row);
    void appendRow(const SequenceRow& row) { insertRow(count() + 1, row); }
    void removeRow(int j);

private:
    QList<SequenceRow> m_rows;
    QList<bool> m_selected;
    int m_focused = 0;
};
