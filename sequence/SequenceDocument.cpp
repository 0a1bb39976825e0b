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
    const auto flags = (selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect) |
                       QItemSelectionModel::Rows;
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
