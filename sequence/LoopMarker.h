#pragma once

#include <QString>

// The text of a row's "Schleife" column: "S", the loop number right-aligned
// in three characters, " / ", the repeat count and " x" ("S  1 / 3 x",
// "S 12 / 20 x"). Adjacent rows with the same marker form one loop.
namespace LoopMarker {

inline constexpr int MinRepeats = 2;
inline constexpr int MaxRepeats = 20;
inline constexpr int MaxRows = 32;
// Markers keep their layout (number in characters 3 and 4) up to this loop number.
inline constexpr int MaxNumber = 99;

QString make(int number, int repeats);
// A marker starting with "S " is a loop.
bool isLoop(const QString& marker);
// The loop number (characters 3 and 4 without blanks); 0 when there is none.
int number(const QString& marker);
// The repeat count (the number after " / "); 0 when there is none.
int repeats(const QString& marker);

// A marker as the user reads it: format with %1 for the loop number and %2
// for the repeat count ("Loop 1 × 3"); as stored when format is empty or the
// marker is no loop. The file keeps the stored form either way.
QString shown(const QString& marker, const QString& format);
// The language text that holds the format (empty in German: as stored).
inline constexpr int FormatText = 406;

} // namespace LoopMarker
