#pragma once

#include "sequence/TableState.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <utility>

struct AppContext;

// Tools that compose a sequence from what is there: mirror the car's halves,
// play steps backwards, make the farewell from the greeting, scale the
// durations, and put in generated steps. Each command changes its table
// once, through SequenceDocument::applyTableState, so it is one step for undo.
//
// Mirror, reverse and scale act on the marked rows of the active table, or
// on all of its rows when none is marked.
namespace ComposeTools {

// Language texts of the tools (menu captions, questions, messages).
inline constexpr int MirrorText = 268;
inline constexpr int ReverseText = 269;
inline constexpr int FarewellText = 270;
inline constexpr int FarewellQuestionText = 271;
inline constexpr int ScaleText = 275;
inline constexpr int OtherFactorText = 276;
inline constexpr int FactorPromptText = 277;
inline constexpr int FactorInvalidText = 278;

// The factors an interval may be scaled by.
inline constexpr double MinFactor = 0.1;
inline constexpr double MaxFactor = 10.0;

// Lamp bytes with the car's halves swapped: byte 1 with 2, byte 3 with 4.
std::array<std::uint8_t, 4> mirrored(const std::array<std::uint8_t, 4>& lamps);

// The rows with loops kept whole: the loops and the single steps in the
// opposite order, and the steps of each loop too. Every row keeps its
// interval, lamps and loop marker.
QList<SequenceRow> reversed(const QList<SequenceRow>& rows);

// The runs of rows reverse works on (first, last): each block of adjacent
// marked rows, widened to the whole of every loop it cuts into (so a loop
// never loses rows to its neighbours); all rows when none is marked.
QList<std::pair<int, int>> reverseRanges(const TableState& table);
// True when reversing changes the order of some rows (a run of two rows or more).
bool canReverse(const TableState& table);

// An interval times factor (held within MinFactor and MaxFactor), rounded
// to tenths with halves up, and held within what the slider, the file and
// the module take.
QString scaledInterval(const QString& interval, double factor, const QLocale& locale = QLocale());

// The same on a table: the marked rows (all when none is marked) change.
// Reverse marks the rows it turned round, so a widened run shows its extent.
void mirror(TableState& table);
void reverse(TableState& table);
void scale(TableState& table, double factor, const QLocale& locale = QLocale());

// The commands on the active table.
void mirrorRows(AppContext& ctx);
void reverseRows(AppContext& ctx);
void scaleRows(AppContext& ctx, double factor);
// Asks for a factor from MinFactor to MaxFactor until one is given; nullopt when cancelled.
std::optional<double> askFactor(AppContext& ctx);
// The lock sequence becomes the unlock sequence reversed; asks first when
// the lock sequence has rows. False when nothing changed.
bool farewellFromGreeting(AppContext& ctx);
// Puts rows in at the focused row of the active table (at the end when no
// row has the focus) and marks them; then the loop check. Refused with the
// table-full message, and nothing changed, when they do not all fit.
bool insertRows(AppContext& ctx, const QList<SequenceRow>& rows);
// Marks every row of the active table.
void selectAll(AppContext& ctx);

} // namespace ComposeTools
