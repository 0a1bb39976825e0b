// The measures of the 1er and 3er fronts.

#include "views/looks/FrontLook.h"

namespace car::front {

// The 1er: short and upright, a narrow body under a tall cabin and a short
// bonnet, small kidneys.
FrontSpec er1Front()
{
    FrontSpec f;
    f.face = Face::Er1;
    f.roofY = 22;
    f.roofHalf = 56;
    f.roofEdgeHalf = 90;
    f.roofEdgeY = 32;
    f.screenTopY = 34;
    f.screenTopHalf = 80;
    f.screenBottomY = 104;
    f.screenBottomHalf = 108;
    f.pillarHalf = 118;
    f.shoulderY = 112;
    f.shoulderHalf = 132;
    f.bodyHalf = 144;
    f.tyreIn = 104;
    f.tyreOut = 138;
    f.mirrorY = 88;
    f.mirrorOut = 162;
    f.kidney = {5, 148, 26, 26};
    f.plate = {0, 195, 45, 18};
    f.intakeHalf = 50;
    return f;
}

FrontSpec er1CoupeFront()
{
    FrontSpec f = er1Front();
    f.plate = {0, 194, 43, 18};
    f.roofY = 28;
    f.bumper = Bumper::Intakes;
    return f;
}

FrontSpec er1CabrioFront()
{
    FrontSpec f = er1Front();
    f.top = Top::Soft;
    f.roofY = 30;
    f.plate = {0, 206, 42, 18};
    f.intakeTop = 225;
    f.intakeBottom = 234;
    return f;
}

FrontSpec er3Front()
{
    FrontSpec f;
    f.face = Face::Er3;
    f.roofY = 28;
    f.roofHalf = 60;
    f.screenTopHalf = 82;
    f.roofEdgeHalf = 96;
    f.screenBottomHalf = 114;
    f.pillarHalf = 126;
    f.shoulderHalf = 138;
    f.bodyHalf = 150;
    f.tyreIn = 106;
    f.tyreOut = 143;
    f.mirrorOut = 170;
    f.kidney = {5, 148, 34, 26};
    f.plate = {0, 202, 45, 17};
    f.intakeTop = 221;
    f.intakeBottom = 233;
    return f;
}

// The facelift keeps the body and changes the face below the screen.
FrontSpec er3LciFront()
{
    FrontSpec f = er3Front();
    f.kidney = {5, 146, 34, 28};
    f.indicator = IndicatorStyle::StripBelow;
    f.plate = {0, 206, 44, 18};
    f.intakeTop = 226;
    f.intakeBottom = 236;
    return f;
}

FrontSpec er3CoupeFront()
{
    FrontSpec f;
    f.face = Face::Er3;
    f.roofY = 36;
    f.roofHalf = 56;
    f.roofEdgeHalf = 92;
    f.roofEdgeY = 44;
    f.screenTopY = 46;
    f.screenTopHalf = 80;
    f.screenBottomY = 104;
    f.screenBottomHalf = 114;
    f.pillarHalf = 126;
    f.shoulderY = 114;
    f.shoulderHalf = 138;
    f.bodyHalf = 148;
    f.mirrorY = 90;
    f.mirrorOut = 168;
    f.kidney = {5, 152, 34, 24};
    f.headlampSweep = 8;
    f.plate = {0, 203, 44, 19};
    f.intakeTop = 224;
    f.intakeBottom = 234;
    return f;
}

} // namespace car::front
