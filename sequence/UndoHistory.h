#pragma once

#include "sequence/SequenceDocument.h"
#include "sequence/SequenceRow.h"

#include <QList>
#include <QObject>
#include <QUndoStack>

// The undo history of the step tables and the vehicle. Every change a
// command makes to a table (SequenceDocument::tableEdited) becomes one entry;
// the edits of one edit group become one entry together. Undo and redo put
// back the rows of the table exactly as they were, in the sequence where the
// change was made. A change of the vehicle or its options
// (SequenceDocument::vehicleEdited) is an entry of its own. New and Open
// (SequenceDocument::contentReplaced) clear the history.
class UndoHistory : public QObject
{
    Q_OBJECT
public:
    // The number of entries kept; older ones are dropped.
    static constexpr int Limit = 200;

    explicit UndoHistory(SequenceDocument& document, QObject* parent = nullptr);
    ~UndoHistory() override;

    bool canUndo() const;
    bool canRedo() const;
    int count() const { return m_stack.count(); }
    int index() const { return m_stack.index(); }

    // False (nothing done) when there is nothing to undo or redo, while the
    // history is switched off, or when the table no longer holds what the
    // entry left behind (the history is cleared then).
    bool undo();
    bool redo();
    void clear();

    // While off (playback runs) nothing is recorded and undo and redo do nothing.
    void setEnabled(bool enabled);
    bool isEnabled() const { return m_enabled; }

    // One change of one table: its rows before and after.
    struct Edit
    {
        int sequence = 0;
        QList<SequenceRow> before;
        QList<SequenceRow> after;
    };

signals:
    // canUndo() or canRedo() may have changed.
    void stateChanged();
    // Table k was put back to an earlier or later state; the rows that
    // differ are selected and the first of them has the focus.
    void restored(int k);
    // The document's vehicle and options were put back; the window is to
    // follow them.
    void vehicleRestored();

private:
    class Command;
    void record(int k, const QList<SequenceRow>& before, const QList<SequenceRow>& after);
    void recordVehicle(const SequenceDocument::Vehicle& before, const SequenceDocument::Vehicle& after);
    void applyVehicle(const SequenceDocument::Vehicle& vehicle);
    void endGroup();
    bool step(bool back);
    void apply(int k, const QList<SequenceRow>& rows);

    SequenceDocument& m_document;
    QUndoStack m_stack;
    QList<Edit> m_group; // edits of the open edit group
    bool m_enabled = true;
    bool m_applying = false;
};
