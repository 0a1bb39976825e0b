#include "sequence/CommandAvailability.h"

#include "sequence/ComposeTools.h"
#include "sequence/SequenceTableModel.h"

namespace CommandAvailability {

namespace {

// The first run of adjacent marked rows (first, last); {0, 0} when none is marked.
std::pair<int, int> firstMarkedBlock(const TableState& table)
{
    const int first = table.firstSelectedRow();
    if (first == 0)
        return {0, 0};
    int last = first;
    while (table.isSelected(last + 1))
        ++last;
    return {first, last};
}

} // namespace

unsigned available(const Situation& s)
{
    if (s.playing)
        return 0;
    unsigned commands = Append;
    if (!s.showEmpty && !s.uploading)
        commands |= Send;
    if (!s.clipboardEmpty)
        commands |= PasteAtEnd;

    const TableState& table = s.table;
    const bool rows = table.count() != 0;
    if (rows)
        commands |= SelectAll;
    // The tools change the tables; they wait for the module link like cmdDaten.
    if (!s.uploading) {
        if (rows)
            commands |= Mirror | Scale;
        if (ComposeTools::canReverse(table))
            commands |= Reverse;
        if (table.count() < SequenceTableModel::MaxRows)
            commands |= Pattern;
        if (!s.unlockEmpty)
            commands |= Farewell;
    }
    const bool focused = table.focusedRow() != 0;
    if (focused && !s.clipboardEmpty)
        commands |= PasteAtFocus;
    const auto [first, last] = firstMarkedBlock(table);
    if (first == 0)
        return commands;
    commands |= Insert | Change | Delete;
    if (focused)
        commands |= Copy | Cut;
    // A loop needs two rows or more in one block.
    if (last > first)
        commands |= CreateLoop;
    // Removing clears markers of the block (or of the loop around it): there must be one.
    for (int j = first; j <= last; ++j) {
        if (!table.row(j).loopMarker.isEmpty()) {
            commands |= RemoveLoop;
            break;
        }
    }
    return commands;
}

} // namespace CommandAvailability
