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
// the row numbers they span. A marker whose count cannot be read (a damaged
// file) means one pass, so that every loop comes to an end.
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

private:
    QList<Loop> m_loops;
};
