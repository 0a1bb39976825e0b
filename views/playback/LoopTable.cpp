#include "views/playback/LoopTable.h"

LoopTable LoopTable::fromMarkers(const QStringList& markers)
{
    LoopTable table;
    QString previous;
    bool inside = false;
    const int rows = int(markers.size());
    for (int i = 1; i <= rows; ++i) {
        const QString& m = markers.at(i - 1);
        if (isLoopMarker(m)) {
            // Adjacent rows with the same marker form one loop; a run that is
            // separated from an earlier one by other rows is a loop of its own.
            if (!inside || m != previous) {
                if (inside)
                    table.m_loops.last().last = i - 1;
                inside = true;
                previous = m;
                table.m_loops.append({i, 0, repeatCount(m)});
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

bool LoopTable::isLoopMarker(const QString& marker)
{
    return marker.startsWith(QLatin1String("S "));
}

int LoopTable::repeatCount(const QString& marker)
{
    // Characters 8 and 9, counted from 1: "S  1 / 3 x" gives "3 ", "S 12 / 20 x" gives "20".
    const QString digits = marker.mid(7, 2).trimmed();
    int count = 0;
    for (const QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            break;
        count = count * 10 + (c.unicode() - '0');
    }
    return count < 1 ? 1 : count;
}
