#pragma once

#include "sequence/SequenceRow.h"
#include "views/LampRules.h"

#include <QList>

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

// A lamp a vehicle has and another lacks, and how many steps light it.
struct MissingLamp
{
    GridLamp lamp;
    int steps = 0;
};
// The lamps of before that after lacks and that steps of either sequence
// light (as before shows them), in before's order.
std::vector<MissingLamp> missing(const std::vector<GridLamp>& before, const LampOptions& beforeOptions,
                                 const std::vector<GridLamp>& after,
                                 const QList<QList<SequenceRow>>& sequences);

// The colour a lamp lights in, the tint the car pictures give it.
QColor colourOf(int view, int bit);

} // namespace ShowGridLamps
