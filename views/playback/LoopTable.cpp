#include "views/playback/LoopTable.h"

#include "sequence/LoopMarker.h"

#include <algorithm>

LoopTable LoopTable::fromMarkers(const QStringList& markers)
{
    LoopTable table;
    QString previous;
    bool inside = false;
    const int rows = int(markers.size());
    for (int i = 1; i <= rows; ++i) {
        const QString& m = markers.at(i - 1);
        if (LoopMarker::isLoop(m)) {
            // Adjacent rows with the same marker form one loop; a run that is
            // separated from an earlier one by other rows is a loop of its own.
            if (!inside || m != previous) {
                if (inside)
                    table.m_loops.last().last = i - 1;
                inside = true;
                previous = m;
                table.m_loops.append({i, 0, std::max(1, LoopMarker::repeats(m))});
            }
        } else if (inside) {
            table.m_loops.last().last = i - 1;
            inside = false;
        }
    }
    // A loop still open at the end of the table ends on its last row, also
    // when that row is the loop's only one.
    if (inside)
        table.m_loops.last().last = rows;
    return table;
}

int LoopTable::firstEndingAtOrAfter(int row) const
{
    for (int n = 1; n <= count(); ++n) {
        if (loop(n).last >= row)
            return n;
    }
    return 0;
}
