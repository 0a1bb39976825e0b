#pragma once

#include "vehicle/LampAreas.h"

#include <array>
#include <cstdint>

// The program-wide facts about the chosen vehicle that the views, the upload
// and the option rules read. The vehicle code and the option string
// themselves belong to the document (SequenceDocument::vehicleCode and
// ::parameterString); these fields follow from them and from the options
// dialog.
struct VehicleConfig
{
    // Headlamp type flags (at most one is set) and the parking-light rings.
    std::uint8_t headlampHighBeam = 1;
    std::uint8_t headlampCornering = 0;
    std::uint8_t headlampDrlBulb = 0;
    std::uint8_t ringLights = 1;
    // One rear fog lamp in the middle instead of one on each side.
    bool oneRearFogLamp = false;

    // The vehicle's number as the module knows it (index into the name table).
    int codedVehicleNumber = 2;
    // First picture number of the front-left, front-right, rear-left and
    // rear-right view, in that order. View 2 (imaVL) is front-left, view 1
    // (imaVR) front-right, view 3 (imaHL) rear-left, view 4 (imaHR) rear-right.
    std::array<int, 4> viewPictureBase{229, 261, 709, 773};

    // The lamp areas of the chosen vehicle, filled with the layout of the window.
    LampAreaTable lampAreas;

    // The first picture of each view by view - 1 (view 1 first).
    std::array<int, 4> pictureBasesByView() const
    {
        return {pictureBaseOfView(1), pictureBaseOfView(2), pictureBaseOfView(3), pictureBaseOfView(4)};
    }

    int pictureBaseOfView(int view) const
    {
        switch (view) {
        case 1:
            return viewPictureBase[1];
        case 2:
            return viewPictureBase[0];
        case 3:
            return viewPictureBase[2];
        case 4:
            return viewPictureBase[3];
        default:
            return 0;
        }
    }
};
