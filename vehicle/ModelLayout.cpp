#include "vehicle/ModelLayout.h"

#include "vehicle/VehicleCatalogue.h"
#include "vehicle/VehicleConfig.h"

#include <initializer_list>

namespace {

bool isOneOf(const QString& code, std::initializer_list<const char*> codes)
{
    for (const char* c : codes) {
        if (code == QLatin1String(c))
            return true;
    }
    return false;
}

std::optional<std::array<int, 4>> pictureBases(const QString& code, bool highBeam, bool oneRearFogLamp)
{
    using Bases = std::array<int, 4>;
    if (isOneOf(code, {"111"}))
        return Bases{229, 261, 3365, 3429};
    if (isOneOf(code, {"112"}))
        return Bases{229, 261, 709, 773};
    if (isOneOf(code, {"131"}))
        return Bases{421, 437, 1349, 1413};
    if (isOneOf(code, {"141"}))
        return Bases{2245, 2277, 1349, 1413};
    if (isOneOf(code, {"841"}))
        return Bases{2309, 2325, 2341, 2405};
    if (isOneOf(code, {"211", "210"}))
        return Bases{357, 389, 1093, 1157};
    if (isOneOf(code, {"221", "220"}))
        return Bases{357, 389, 1221, 1285};
    if (isOneOf(code, {"212", "222"}))
        return Bases{2469, 2501, 2533, 2597};
    if (isOneOf(code, {"231"}))
        return Bases{293, 325, 837, 901};
    if (isOneOf(code, {"241"}))
        return Bases{293, 325, 965, 1029};
    if (isOneOf(code, {"311", "313", "312"}))
        return Bases{101, 165, 453, 517};
    if (isOneOf(code, {"321", "323", "322"}))
        return Bases{101, 165, 581, 645};
    if (isOneOf(code, {"431", "433", "441", "443"}))
        return Bases{2853, 2885, 3237, 3301};
    if (isOneOf(code, {"432", "442"}))
        return Bases{2853, 2885, 2917, 2981};
    if (isOneOf(code, {"611"}))
        return Bases{2661, 2693, 2725, 2789};
    if (isOneOf(code, {"911"}))
        return Bases{3045, 3077, 3109, 3173};

    // The Mini's front pictures follow the headlamps, its rear ones the fog lamp.
    const int frontLeft = highBeam ? 1733 : 1797;
    const int frontRight = highBeam ? 1765 : 1829;
    if (isOneOf(code, {"731"}))
        return oneRearFogLamp ? Bases{frontLeft, frontRight, 1477, 1541}
                              : Bases{frontLeft, frontRight, 1605, 1669};
    if (isOneOf(code, {"741"}))
        return oneRearFogLamp ? Bases{frontLeft, frontRight, 1989, 2053}
                              : Bases{frontLeft, frontRight, 2117, 2181};
    if (isOneOf(code, {"751"}))
        return Bases{frontLeft, frontRight, 1861, 1925};
    // 511 and 512 have a module number but no pictures of their own.
    return std::nullopt;
}

std::optional<ModelLayout::Plates> plateBoxes(const QString& code, bool oneRearFogLamp)
{
    using P = ModelLayout::Plates;
    if (isOneOf(code, {"111", "112"}))
        return P{{161, 203, 90, 18}, {167, 469, 85, 18}};
    if (isOneOf(code, {"131"}))
        return P{{163, 202, 85, 18}, {167, 420, 83, 17}};
    if (isOneOf(code, {"141"}))
        return P{{168, 214, 80, 18}, {167, 420, 83, 17}};
    if (isOneOf(code, {"841"}))
        return P{{166, 194, 80, 17}, {169, 474, 80, 17}};
    if (isOneOf(code, {"210", "211"}))
        return P{{164, 210, 87, 17}, {164, 420, 85, 18}};
    if (isOneOf(code, {"220", "221"}))
        return P{{164, 210, 87, 17}, {164, 426, 85, 18}};
    if (isOneOf(code, {"212", "222"}))
        return P{{169, 214, 81, 18}, {170, 436, 81, 18}};
    if (isOneOf(code, {"231"}))
        return P{{162, 211, 88, 19}, {166, 420, 83, 17}};
    if (isOneOf(code, {"241"}))
        return P{{162, 211, 88, 19}, {163, 417, 89, 17}};
    if (isOneOf(code, {"311", "312", "313"}))
        return P{{167, 210, 82, 18}, {170, 428, 80, 17}};
    if (isOneOf(code, {"321", "322", "323"}))
        return P{{167, 210, 82, 18}, {169, 434, 80, 17}};
    if (isOneOf(code, {"431", "432", "433", "441", "442", "443"}))
        return P{{169, 205, 81, 18}, {169, 481, 80, 17}};
    if (isOneOf(code, {"611"}))
        return P{{167, 221, 82, 18}, {166, 430, 80, 17}};
    if (isOneOf(code, {"911"}))
        return P{{165, 195, 81, 17}, {164, 408, 80, 17}};
    if (isOneOf(code, {"731", "741"}))
        return P{{158, 228, 88, 15}, oneRearFogLamp ? QRect(156, 437, 88, 16) : QRect(158, 435, 90, 16)};
    if (isOneOf(code, {"751"}))
        return P{{158, 228, 88, 15}, {157, 498, 83, 15}};
    return std::nullopt;
}

} // namespace

void ModelLayout::applyTo(VehicleConfig& vehicle) const
{
    if (codedVehicleNumber)
        vehicle.codedVehicleNumber = *codedVehicleNumber;
    if (viewPictureBase)
        vehicle.viewPictureBase = *viewPictureBase;
    if (lampAreas)
        vehicle.lampAreas = *lampAreas;
}

ModelLayout modelLayout(const QString& vehicleCode, bool highBeam, bool cornering, bool oneRearFogLamp)
{
    ModelLayout layout;
    layout.codedVehicleNumber = VehicleCatalogue::codedVehicleNumber(vehicleCode);
    layout.viewPictureBase = pictureBases(vehicleCode, highBeam, oneRearFogLamp);
    layout.plates = plateBoxes(vehicleCode, oneRearFogLamp);
    // The lamp areas come in the same grouping as the plates.
    if (layout.plates)
        layout.lampAreas = lampAreasFor(vehicleCode, highBeam, cornering, oneRearFogLamp);
    return layout;
}
