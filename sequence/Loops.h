#pragma once

#include "sequence/SequenceRow.h"

#include <QList>

struct AppContext;
class TableState;

// Loops over runs of adjacent rows of the active table. A loop is the marker
// its rows carry in the "Schleife" column (see LoopMarker).
namespace Loops {

// cmdSchleife: asks for the repeat count and marks the first block of
// selected rows as a new loop. The rows up to the end of the block are
// deselected whether or not a loop is made.
void create(AppContext& ctx);
// cmdSchleife_L: a selection strictly inside a loop removes the whole loop,
// one at an end shortens it; a loop of two rows always goes as a whole.
void remove(AppContext& ctx);

// The check after rows were inserted or pasted: a marker that stands on
// several separate runs stays only on its first run, and a run longer than
// 32 rows loses the marker on the rows after the 32nd. True when a run was
// shortened; the caller then shows warnTooLong() once the table is updated.
bool checkMarkers(TableState& table);
void warnTooLong(AppContext& ctx);

// The tidy pass after a cut: a marker left on a single row is removed.
void removeSingleRowMarkers(TableState& table);

// Rows put in at rows first to last between two rows of one loop join that
// loop, as the rows of a loop cannot hold a loop of their own. Rows put in
// at a loop's first row stand before it and keep their markers.
void joinSurroundingLoop(TableState& table, int first, int last);

// The rows of the table, with the markers taken off the rows of every loop
// that is not wholly among them: a partly copied loop travels as plain steps.
QList<SequenceRow> withWholeLoopsOnly(const TableState& table, const QList<int>& rows);

// Loops among rows that are to go into the table and whose numbers the table
// uses already get free numbers, their repeat counts kept, so that they stay
// loops of their own instead of being taken for a second run of a loop there.
void renumberForTable(QList<SequenceRow>& rows, const TableState& table);

// The number a new loop of the table gets: one above the highest number in
// use (the last row is not looked at), or the lowest free number once that
// would pass 99, so that markers keep their layout.
int nextNumber(const TableState& table);

} // namespace Loops
