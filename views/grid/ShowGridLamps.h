#pragma once

#include "views/LampRules.h"

#include <QColor>
#include <QString>
#include <vector>

struct LampAreaTable;

// One row of the show grid: a lamp of one car view that the vehicle has.
struct GridLamp
{
    int view = 0;       // 1 imaVR, 2 imaVL, 3 imaHL, 4 imaHR
    int bit = 0;        // the lamp's bit in the view's byte
    int textNumber = 0; // the language text of its name, as on the view's tooltip
    QString suffix;     // "_L", "_RO_U", "_M", ...
    QColor colour;      // what it lights in

    std::uint8_t mask() const { return std::uint8_t(1u << bit); }
    friend bool operator==(const GridLamp&, const GridLamp&) = default;
};

namespace ShowGridLamps {

// The vehicle's lamps in the grid's order: view 1, 2, 3, 4, each by lamp bit.
// A lamp is listed when a click on its view toggles it (the hit test finds
// it where it is drawn) and showing a step keeps it (LampRules::sanitiseRow).
std::vector<GridLamp> of(const LampAreaTable& areas, const LampOptions& options);

// The colour a lamp lights in, the tint the car pictures give it.
QColor colourOf(int view, int bit);

} // namespace ShowGridLamps
