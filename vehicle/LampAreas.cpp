#include "vehicle/LampAreas.h"

// Not written yet: the areas follow with the car pictures.
LampAreaTable lampAreasFor(const QString&, bool, bool, bool)
{
    return {};
}
