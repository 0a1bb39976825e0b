#include "views/ShowAdapter.h"

#include "vehicle/ModelLayout.h"
#include "vehicle/VehicleConfig.h"

namespace ShowAdapter {

std::vector<GridLamp> lampsOf(const QString& code, const VehicleConfig& vehicle)
{
    const ModelLayout layout = modelLayout(code, vehicle.headlampHighBeam != 0,
                                           vehicle.headlampCornering != 0, vehicle.oneRearFogLamp);
    if (!layout.lampAreas)
        return {};
    return ShowGridLamps::of(*layout.lampAreas, LampOptions::of(code, vehicle));
}

Result adapt(const SequenceContent& show, const VehicleConfig& source, const QString& targetCode,
             const VehicleConfig& target)
{
    Result result;
    const std::vector<GridLamp> targetLamps = lampsOf(targetCode, target);
    result.dropped =
        ShowGridLamps::missing(lampsOf(show.vehicleCode, source), LampOptions::of(show.vehicleCode, source),
                               targetLamps, {show.sequences[0], show.sequences[1]});
    result.content = show;
    result.content.vehicleCode = targetCode;
    // A step keeps what the target shows and lists: the lamps of its grid.
    LampBytes has{};
    for (const GridLamp& lamp : targetLamps)
        has[std::size_t(lamp.view - 1)] |= lamp.mask();
    const LampOptions options = LampOptions::of(targetCode, target);
    for (QList<SequenceRow>& rows : result.content.sequences) {
        for (SequenceRow& row : rows) {
            row.lamps = LampRules::sanitiseRow(row.lamps, options);
            for (std::size_t v = 0; v < 4; ++v)
                row.lamps[v] &= has[v];
        }
    }
    return result;
}

} // namespace ShowAdapter
