#include "sequence/UndoHistory.h"

#include "sequence/SequenceDocument.h"

#include <QUndoCommand>
#include <optional>
#include <utility>

// One entry of the history. It is pushed after its change was made, so its
// first redo (which QUndoStack::push calls) does nothing.
class UndoHistory::Command : public QUndoCommand
{
public:
    using Vehicle = SequenceDocument::Vehicle;
    // A vehicle change: before and after.
    using VehicleEdit = std::pair<Vehicle, Vehicle>;

    Command(UndoHistory& history, const QList<Edit>& edits) : m_history(history), m_edits(edits) {}
    Command(UndoHistory& history, const VehicleEdit& vehicle) : m_history(history), m_vehicle(vehicle) {}

    void undo() override
    {
        for (qsizetype i = m_edits.size() - 1; i >= 0; --i)
            m_history.apply(m_edits.at(i).sequence, m_edits.at(i).before);
        if (m_vehicle)
            m_history.applyVehicle(m_vehicle->first);
    }
    void redo() override
    {
        if (m_pushed) {
            m_pushed = false;
            return;
        }
        for (const Edit& edit : std::as_const(m_edits))
            m_history.apply(edit.sequence, edit.after);
        if (m_vehicle)
            m_history.applyVehicle(m_vehicle->second);
    }
    const QList<Edit>& edits() const { return m_edits; }
    const std::optional<VehicleEdit>& vehicle() const { return m_vehicle; }

private:
    UndoHistory& m_history;
    QList<Edit> m_edits;
    std::optional<VehicleEdit> m_vehicle;
    bool m_pushed = true;
};

UndoHistory::UndoHistory(SequenceDocument& document, QObject* parent) : QObject(parent), m_document(document)
{
    m_stack.setUndoLimit(Limit);
    connect(&m_document, &SequenceDocument::tableEdited, this, &UndoHistory::record);
    connect(&m_document, &SequenceDocument::editGroupEnded, this, &UndoHistory::endGroup);
    connect(&m_document, &SequenceDocument::vehicleEdited, this, &UndoHistory::recordVehicle);
    connect(&m_document, &SequenceDocument::contentReplaced, this, &UndoHistory::clear);
    connect(&m_stack, &QUndoStack::canUndoChanged, this, &UndoHistory::stateChanged);
    connect(&m_stack, &QUndoStack::canRedoChanged, this, &UndoHistory::stateChanged);
}

UndoHistory::~UndoHistory()
{
    // The commands call back into this object; they go before its members do.
    m_stack.disconnect(this);
    m_stack.clear();
}

bool UndoHistory::canUndo() const
{
    return m_enabled && m_stack.canUndo();
}

bool UndoHistory::canRedo() const
{
    return m_enabled && m_stack.canRedo();
}

void UndoHistory::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    emit stateChanged();
}

void UndoHistory::clear()
{
    m_group.clear();
    m_stack.clear();
}

void UndoHistory::record(int k, const QList<SequenceRow>& before, const QList<SequenceRow>& after)
{
    if (m_applying)
        return;
    if (!m_enabled) {
        // A change that cannot be recorded cannot be stepped over either.
        clear();
        return;
    }
    if (m_document.inEditGroup()) {
        for (Edit& edit : m_group) {
            if (edit.sequence == k) {
                edit.after = after;
                return;
            }
        }
        m_group.append({k, before, after});
        return;
    }
    m_stack.push(new Command(*this, {{k, before, after}}));
}

void UndoHistory::recordVehicle(const SequenceDocument::Vehicle& before,
                                const SequenceDocument::Vehicle& after)
{
    if (m_applying)
        return;
    if (!m_enabled) {
        clear();
        return;
    }
    m_stack.push(new Command(*this, Command::VehicleEdit{before, after}));
}

void UndoHistory::endGroup()
{
    if (m_group.isEmpty())
        return;
    const QList<Edit> edits = std::exchange(m_group, {});
    if (m_enabled)
        m_stack.push(new Command(*this, edits));
}

bool UndoHistory::undo()
{
    return step(true);
}

bool UndoHistory::redo()
{
    return step(false);
}

bool UndoHistory::step(bool back)
{
    if (!(back ? canUndo() : canRedo()))
        return false;
    const int at = back ? m_stack.index() - 1 : m_stack.index();
    const auto* command = static_cast<const Command*>(m_stack.command(at));
    // The tables must hold what the entry expects; anything else means they
    // were changed behind the history's back, and stepping would lose that.
    for (const Edit& edit : command->edits()) {
        if (m_document.table(edit.sequence).rows() != (back ? edit.after : edit.before)) {
            clear();
            return false;
        }
    }
    if (const auto& vehicle = command->vehicle();
        vehicle && m_document.vehicle() != (back ? vehicle->second : vehicle->first)) {
        clear();
        return false;
    }
    if (back)
        m_stack.undo();
    else
        m_stack.redo();
    if (command->vehicle())
        emit vehicleRestored();
    else
        emit restored(back ? command->edits().constFirst().sequence : command->edits().constLast().sequence);
    return true;
}

void UndoHistory::applyVehicle(const SequenceDocument::Vehicle& vehicle)
{
    m_document.setVehicleCode(vehicle.code);
    m_document.setParameterString(vehicle.parameterString);
}

void UndoHistory::apply(int k, const QList<SequenceRow>& rows)
{
    const QList<SequenceRow>& current = m_document.table(k).rows();
    // The rows that differ from the current ones are selected, so the user
    // sees what came back; where rows only went away, the row after the gap
    // gets the focus.
    const qsizetype shorter = qMin(current.size(), rows.size());
    qsizetype prefix = 0;
    while (prefix < shorter && current.at(prefix) == rows.at(prefix))
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix &&
           current.at(current.size() - 1 - suffix) == rows.at(rows.size() - 1 - suffix))
        ++suffix;

    TableState state(rows);
    const int first = int(prefix) + 1;
    const int last = int(rows.size() - suffix);
    for (int j = first; j <= last; ++j)
        state.setSelected(j, true);
    state.setFocusedRow(qMin(first, state.count()));

    m_applying = true;
    m_document.applyTableState(k, state);
    m_applying = false;
}
