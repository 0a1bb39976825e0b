#pragma once

#include "sequence/LoopMarker.h"

#include <QColor>
#include <QString>

// The colour of each loop, the same wherever loops are shown (the step
// tables, the storyboard), so that the rows of one loop belong together at a
// glance. Hues follow the golden angle: neighbouring loop numbers differ well.
namespace LoopPalette {

// Strong: frames, brackets, the loop column's marker.
inline QColor colour(int loopNumber)
{
    return QColor::fromHsv((loopNumber * 137) % 360, 170, 200);
}

// The same hue, light enough to lie under dark text: a table row's band.
inline QColor band(int loopNumber)
{
    return QColor::fromHsv((loopNumber * 137) % 360, 38, 250);
}

inline QColor colourOf(const QString& marker)
{
    return colour(LoopMarker::number(marker));
}

} // namespace LoopPalette
