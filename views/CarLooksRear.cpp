// Which drawing makes each rear look.

#include "views/CarScene.h"
#include "views/looks/RearLook.h"

namespace car {

void drawRearLook(Scene& s)
{
    using namespace rear;
    switch (s.look()) {
    case Look::Er1Rear:
    case Look::Er1LciRear:
        er1Rear(s);
        break;
    case Look::Er1CoupeRear:
        er1CoupeRear(s);
        break;
    case Look::Z4Rear:
        z4Rear(s);
        break;
    case Look::Er3Rear:
        er3Rear(s);
        break;
    case Look::Er3TouringRear:
        er3TouringRear(s);
        break;
    case Look::Er3LciRear:
        er3LciRear(s);
        break;
    case Look::Er3CoupeRear:
    case Look::Er3CabrioRear:
        er3CoupeRear(s);
        break;
    case Look::Er5Rear:
    case Look::Er5TouringRear:
        er5Rear(s);
        break;
    case Look::Er6Rear:
    case Look::Er6LciRear:
        er6Rear(s);
        break;
    case Look::X5Rear:
    case Look::X6Rear:
        x5x6Rear(s);
        break;
    case Look::MiniRearOneFog:
    case Look::MiniRear:
    case Look::MiniCabrioRearOneFog:
    case Look::MiniCabrioRear:
    case Look::ClubmanRear:
        miniRear(s);
        break;
    default:
        break;
    }
}

} // namespace car
