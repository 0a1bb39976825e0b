#pragma once

#include <QItemSelectionModel>

class SequenceDocument;
class ShowGridModel;

// The show grid's selection, kept the same as the step table's: a marked
// step is a marked column, the focused row is the current column. Marks made
// in either place show in both, so the commands and the car views follow
// the grid as they follow the table.
class ShowGridSelection : public QItemSelectionModel
{
    Q_OBJECT
public:
    ShowGridSelection(ShowGridModel& model, SequenceDocument& document, QObject* parent = nullptr);

    // The view empties its selection when its model is reset; the marks come back from the table.
    void reset() override;

private:
    void pullFromDocument();
    void pushToDocument();
    void pullCurrent();
    void pushCurrent();

    ShowGridModel& m_grid;
    SequenceDocument& m_document;
    bool m_syncing = false;
    bool m_gridChanging = false; // columns come or go: the document leads
};
