#pragma once

#include "vehicle/LampAreas.h"

#include <QRect>
#include <QString>
#include <array>
#include <optional>

struct VehicleConfig;

// What the main window takes from the chosen vehicle: the module's number
// for it, the first picture of each car view, the licence-plate boxes over the
// views and the lamp areas. A part is nullopt when the vehicle code has no
// entry for it; the window then keeps what it had.
struct ModelLayout
{
    struct Plates
    {
        QRect front; // picNummernschild_V, in the main window's client area
        QRect rear;  // picNummernschild_H
    };

    std::optional<int> codedVehicleNumber;
    // Front-left, front-right, rear-left, rear-right (the order of VehicleConfig).
    std::optional<std::array<int, 4>> viewPictureBase;
    std::optional<Plates> plates;
    std::optional<LampAreaTable> lampAreas;

    // Stores the parts that are present into the vehicle's program-wide values.
    void applyTo(VehicleConfig& vehicle) const;
};

// The layout of a vehicle code with its headlamp flags and whether it has one
// rear fog lamp in the middle (chkEine_Nebelleuchte). Same inputs, same result.
ModelLayout modelLayout(const QString& vehicleCode, bool highBeam, bool cornering, bool oneRearFogLamp);
