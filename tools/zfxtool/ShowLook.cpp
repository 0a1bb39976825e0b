#include "tools/zfxtool/ShowLook.h"

#include "views/Plates.h"

ShowLook ShowLook::of(const ModuleShow& show)
{
    VehicleConfig vehicle = show.vehicle();
    const QString code = show.document().vehicleCode();
    const ModelLayout layout =
        modelLayout(code, vehicle.headlampHighBeam != 0, vehicle.headlampCornering != 0,
                    show.options().isChecked(VehicleOptions::Option::chkEine_Nebelleuchte));
    layout.applyTo(vehicle);
    return {LampOptions::of(code, vehicle), vehicle.pictureBasesByView(),
            layout.plates.value_or(Plates::standard())};
}
