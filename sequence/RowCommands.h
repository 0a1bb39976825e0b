#pragma once

#include <QString>

struct AppContext;

// The row commands of the active table. Each takes the table from the
// document, changes a copy and hands it back in one piece.
namespace RowCommands {

// The language text that says a table cannot take more rows.
inline constexpr int TableFullText = 144;
void sayTableFull(AppContext& ctx);

// AppendStep: the current lamp state as a new last row with the given
// interval and no loop. False, with a message and nothing changed, when the
// table is full.
bool appendStep(AppContext& ctx, const QString& interval);

// cmdEinfügen: an empty step (lamp bytes 0) with the given interval and the
// loop marker of the last selected row, put in at the focused row (at the
// end when no row has the focus); then the loop check. False, with a message
// and nothing changed, when the table is full.
bool insertStep(AppContext& ctx, const QString& interval);

// cmdÄndern: every selected row gets the interval; with exactly one row
// selected it also takes the current lamp state.
void overwriteRows(AppContext& ctx, const QString& interval);

// DeleteRows: asks once, then removes the selected rows. True when the
// command ran (the table had rows and the answer, if asked, was Yes), after
// which the lamps are switched off.
bool deleteRows(AppContext& ctx);

} // namespace RowCommands
