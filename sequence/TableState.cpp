#include "sequence/TableState.h"

TableState::TableState(const QList<SequenceRow>& rows) : m_rows(rows), m_selected(rows.size(), false) {}

void TableState::setSelected(int j, bool selected)
{
    if (j >= 1 && j <= count())
        m_selected[j - 1] = selected;
}

void TableState::clearSelection()
{
    m_selected.fill(false);
}

QList<int> TableState::selectedRows() const
{
    QList<int> rows;
    for (int j = 1; j <= count(); ++j) {
        if (m_selected.at(j - 1))
            rows.append(j);
    }
    return rows;
}

int TableState::firstSelectedRow() const
{
    const qsizetype i = m_selected.indexOf(true);
    return i < 0 ? 0 : int(i) + 1;
}

void TableState::insertRow(int j, const SequenceRow& row)
{
    if (j < 1 || j > count() + 1)
        return;
    m_rows.insert(j - 1, row);
    m_selected.append(false);
}

void TableState::removeRow(int j)
{
    if (j < 1 || j > count())
        return;
    m_rows.removeAt(j - 1);
    m_selected.removeAt(j - 1);
    if (m_focused > j || m_focused > count())
        --m_focused;
}
