#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One loop of a sequence: rows first to last (1-based) are played `repeats`
// times in all.
struct Loop
{
    int first = 0;
    int last = 0;
    int repeats = 0;

    friend bool operator==(const Loop&, const Loop&) = default;
};

// The loops of a sequence, read from the loop markers of its rows in table
// order. Loops are numbered from 1; there is no limit on their number or on
// the row numbers they span.
class LoopTable
{
public:
    LoopTable() = default;
    // markers[i] is the loop marker of row i + 1.
    static LoopTable fromMarkers(const QStringList& markers);

    int count() const { return int(m_loops.size()); }
    // Loop n, 1 <= n <= count().
    const Loop& loop(int n) const { return m_loops.at(n - 1); }
    const QList<Loop>& loops() const { return m_loops; }
    // The number of the first loop that ends at or after row, 0 when none does.
    int firstEndingAtOrAfter(int row) const;

    // True when the marker names a loop ("S  1 / 3 x").
    static bool isLoopMarker(const QString& marker);
    // The number of passes a marker asks for: the number in its characters 8
    // and 9. A count below 1 (a damaged marker) means one pass, so a loop
    // always comes to an end.
    static int repeatCount(const QString& marker);

private:
    QList<Loop> m_loops;
};
