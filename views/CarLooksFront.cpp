// Which drawing and which measures make each front look.

#include "views/CarScene.h"
#include "views/looks/FrontLook.h"

namespace car {

void drawFrontLook(Scene& s)
{
    using namespace front;
    switch (s.look()) {
    case Look::Er1Front:
        bmwFront(s, er1Front());
        break;
    case Look::Er1CoupeFront:
        bmwFront(s, er1CoupeFront());
        break;
    case Look::Er1CabrioFront:
        bmwFront(s, er1CabrioFront());
        break;
    case Look::Z4Front:
        bmwFront(s, z4Front());
        break;
    case Look::Er3Front:
        bmwFront(s, er3Front());
        break;
    case Look::Er3LciFront:
        bmwFront(s, er3LciFront());
        break;
    case Look::Er3CoupeFront:
        bmwFront(s, er3CoupeFront());
        break;
    case Look::Er5Front:
        bmwFront(s, er5Front());
        break;
    case Look::Er6Front:
        bmwFront(s, er6Front());
        break;
    case Look::X5Front:
        bmwFront(s, x5Front());
        break;
    case Look::X6Front:
        bmwFront(s, x6Front());
        break;
    case Look::MiniFrontHighBeam:
    case Look::MiniFront:
        miniFront(s);
        break;
    default:
        break;
    }
}

} // namespace car
