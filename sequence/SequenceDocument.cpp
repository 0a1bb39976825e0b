#include "sequence/SequenceDocument.h"

SequenceDocument::SequenceDocument(QObject* parent) : QObject(parent)
{
    for (std::size_t k = 0; k < 2; ++k) {
        m_tables[k] = new SequenceTableModel(this);
        m_selections[k] = new QItemSelectionModel(m_tables[k], this);
    }
}

void SequenceDocument::setActiveSequence(int k)
{
    if ((k != 0 && k != 1) || k == m_active)
        return;
    m_active = k;
    emit activeSequenceChanged(k);
}

void SequenceDocument::setFileName(const QString& fileName)
{
    if (fileName == m_fileName)
        return;
    m_fileName = fileName;
    emit fileNameChanged(fileName);
}

void SequenceDocument::clear()
{
    for (std::size_t k = 0; k < 2; ++k) {
        m_selections[k]->clear();
        m_tables[k]->clear();
    }
    emit contentReplaced();
}

SequenceContent SequenceDocument::content() const
{
    return {m_vehicleCode, m_parameterString, {table(0).rows(), table(1).rows()}};
}

void SequenceDocument::setContent(const SequenceContent& content)
{
    m_vehicleCode = content.vehicleCode;
    m_parameterString = content.parameterString;
    for (std::size_t k = 0; k < 2; ++k) {
        m_selections[k]->clear();
        m_tables[k]->setRows(content.sequences[k]);
    }
    emit contentReplaced();
}

TableState SequenceDocument::tableState(int k) const
{
    TableState state(table(k).rows());
    for (int j : selectedRows(k))
        state.setSelected(j, true);
    state.setFocusedRow(focusedRow(k));
    return state;
}

bool SequenceDocument::applyTableState(int k, const TableState& state)
{
    SequenceTableModel& t = table(k);
    const QList<SequenceRow> before = t.rows();
    if (!t.replaceRows(state.rows()))
        return false;

    // The selection as ranges of adjacent rows, set in one step.
    QItemSelection marks;
    const QList<int> rows = state.selectedRows();
    for (qsizetype i = 0; i < rows.size();) {
        qsizetype end = i;
        while (end + 1 < rows.size() && rows.at(end + 1) == rows.at(end) + 1)
            ++end;
        marks.select(t.index(rows.at(i) - 1, 0), t.index(rows.at(end) - 1, t.columnCount() - 1));
        i = end + 1;
    }
    QItemSelectionModel& s = selection(k);
    if (state.focusedRow() != focusedRow(k))
        setFocusedRow(k, state.focusedRow());
    s.select(marks, QItemSelectionModel::ClearAndSelect); // signals only a real difference

    if (before != state.rows())
        emit tableEdited(k, before, state.rows());
    return true;
}

void SequenceDocument::endEditGroup()
{
    if (m_editGroupDepth > 0 && --m_editGroupDepth == 0)
        emit editGroupEnded();
}

bool SequenceDocument::isSelected(int k, int j) const
{
    const SequenceTableModel& t = table(k);
    if (j < 1 || j > t.count())
        return false;
    return selection(k).isRowSelected(j - 1, {});
}

void SequenceDocument::setSelected(int k, int j, bool selected)
{
    SequenceTableModel& t = table(k);
    if (j < 1 || j > t.count())
        return;
    const auto flags =
        (selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect) | QItemSelectionModel::Rows;
    selection(k).select(t.index(j - 1, 0), flags);
}

void SequenceDocument::clearSelection(int k)
{
    selection(k).clearSelection();
}

QList<int> SequenceDocument::selectedRows(int k) const
{
    QList<int> rows;
    const int n = table(k).count();
    for (int j = 1; j <= n; ++j) {
        if (isSelected(k, j))
            rows.append(j);
    }
    return rows;
}

int SequenceDocument::firstSelectedRow(int k) const
{
    const int n = table(k).count();
    for (int j = 1; j <= n; ++j) {
        if (isSelected(k, j))
            return j;
    }
    return 0;
}

int SequenceDocument::focusedRow(int k) const
{
    const QModelIndex current = selection(k).currentIndex();
    return current.isValid() ? current.row() + 1 : 0;
}

void SequenceDocument::setFocusedRow(int k, int j)
{
    SequenceTableModel& t = table(k);
    if (j < 1 || j > t.count()) {
        selection(k).setCurrentIndex({}, QItemSelectionModel::NoUpdate);
        return;
    }
    selection(k).setCurrentIndex(t.index(j - 1, 0), QItemSelectionModel::NoUpdate);
}

void SequenceDocument::noteVehicleChange(const Vehicle& before)
{
    const Vehicle after = vehicle();
    if (after != before)
        emit vehicleEdited(before, after);
}
