#pragma once

#include "sequence/SequenceContent.h"
#include "views/grid/ShowGridLamps.h"

#include <QString>
#include <vector>

struct VehicleConfig;

// A show made for one vehicle, taken to another: every step keeps the lamps
// the other vehicle shows, the rest are dropped and named.
namespace ShowAdapter {

// The lamps a vehicle shows, as the show grid lists them; none when its code has no layout.
std::vector<GridLamp> lampsOf(const QString& code, const VehicleConfig& vehicle);

struct Result
{
    SequenceContent content;
    // The lamps the show lit that the target lacks, with the steps that lit each.
    std::vector<ShowGridLamps::MissingLamp> dropped;
};

// The show for vehicle `targetCode` (set up as `target`); it keeps its light functions.
Result adapt(const SequenceContent& show, const VehicleConfig& source, const QString& targetCode,
             const VehicleConfig& target);

} // namespace ShowAdapter
