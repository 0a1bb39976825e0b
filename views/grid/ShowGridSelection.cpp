#include "views/grid/ShowGridSelection.h"

#include "sequence/SequenceDocument.h"
#include "views/grid/ShowGridModel.h"

#include <QScopedValueRollback>

ShowGridSelection::ShowGridSelection(ShowGridModel& model, SequenceDocument& document, QObject* parent)
    : QItemSelectionModel(&model, parent), m_grid(model), m_document(document)
{
    connect(this, &QItemSelectionModel::selectionChanged, this, &ShowGridSelection::pushToDocument);
    connect(this, &QItemSelectionModel::currentChanged, this, &ShowGridSelection::pushCurrent);
    for (int k = 0; k < 2; ++k) {
        connect(&document.selection(k), &QItemSelectionModel::selectionChanged, this, [this, k] {
            if (k == m_grid.sequence())
                pullFromDocument();
        });
        connect(&document.selection(k), &QItemSelectionModel::currentChanged, this, [this, k] {
            if (k == m_grid.sequence())
                pullCurrent();
        });
    }
    // While the grid's columns change, its own selection follows the removed
    // or inserted columns on the way; the document's marks are the ones that count.
    auto changing = [this] { m_gridChanging = true; };
    auto changed = [this] {
        m_gridChanging = false;
        pullFromDocument();
        pullCurrent();
    };
    connect(&model, &QAbstractItemModel::modelAboutToBeReset, this, changing);
    connect(&model, &QAbstractItemModel::columnsAboutToBeInserted, this, changing);
    connect(&model, &QAbstractItemModel::columnsAboutToBeRemoved, this, changing);
    connect(&model, &QAbstractItemModel::modelReset, this, changed);
    connect(&model, &QAbstractItemModel::columnsInserted, this, changed);
    connect(&model, &QAbstractItemModel::columnsRemoved, this, changed);
    pullFromDocument();
    pullCurrent();
}

void ShowGridSelection::reset()
{
    QItemSelectionModel::reset();
    pullFromDocument();
    pullCurrent();
}

void ShowGridSelection::pullFromDocument()
{
    if (m_syncing || m_gridChanging)
        return;
    const QScopedValueRollback<bool> guard(m_syncing, true);
    QItemSelection marks;
    const int rows = m_grid.rowCount();
    if (rows > 0) {
        const QList<int> steps = m_document.selectedRows(m_grid.sequence());
        for (qsizetype i = 0; i < steps.size();) {
            qsizetype end = i;
            while (end + 1 < steps.size() && steps.at(end + 1) == steps.at(end) + 1)
                ++end;
            marks.select(m_grid.index(0, steps.at(i) - 1), m_grid.index(rows - 1, steps.at(end) - 1));
            i = end + 1;
        }
    }
    select(marks, ClearAndSelect);
}

void ShowGridSelection::pushToDocument()
{
    // Without lamp rows the grid has no cells to mark; the table's marks stand.
    if (m_syncing || m_gridChanging || m_grid.rowCount() == 0)
        return;
    const QScopedValueRollback<bool> guard(m_syncing, true);
    const int k = m_grid.sequence();
    SequenceTableModel& table = m_document.table(k);
    QList<bool> marked(m_grid.columnCount(), false);
    for (const QItemSelectionRange& range : selection()) {
        for (int c = range.left(); c <= range.right(); ++c)
            marked[c] = true;
    }
    QItemSelection marks;
    for (int c = 0; c < marked.size();) {
        if (!marked.at(c)) {
            ++c;
            continue;
        }
        int end = c;
        while (end + 1 < marked.size() && marked.at(end + 1))
            ++end;
        marks.select(table.index(c, 0), table.index(end, table.columnCount() - 1));
        c = end + 1;
    }
    m_document.selection(k).select(marks, ClearAndSelect);
}

void ShowGridSelection::pullCurrent()
{
    if (m_syncing || m_gridChanging)
        return;
    const QScopedValueRollback<bool> guard(m_syncing, true);
    const int step = m_document.focusedRow(m_grid.sequence());
    if (step == 0 || m_grid.rowCount() == 0) {
        setCurrentIndex({}, NoUpdate);
        return;
    }
    // The lamp row stays where the keyboard left it.
    if (currentIndex().isValid() && currentIndex().column() == step - 1)
        return;
    const int row = currentIndex().isValid() ? currentIndex().row() : 0;
    setCurrentIndex(m_grid.index(row, step - 1), NoUpdate);
}

void ShowGridSelection::pushCurrent()
{
    if (m_syncing || m_gridChanging)
        return;
    const QScopedValueRollback<bool> guard(m_syncing, true);
    const int k = m_grid.sequence();
    const int step = currentIndex().isValid() ? currentIndex().column() + 1 : 0;
    if (step != 0 && step != m_document.focusedRow(k))
        m_document.setFocusedRow(k, step);
}
