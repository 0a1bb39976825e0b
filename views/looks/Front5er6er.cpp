// The measures of the 5er and 6er fronts.

#include "views/looks/FrontLook.h"

namespace car::front {

FrontSpec er5Front()
{
    FrontSpec f;
    f.face = Face::Er5;
    f.roofY = 22;
    f.roofHalf = 62;
    f.roofEdgeHalf = 98;
    f.roofEdgeY = 32;
    f.screenTopY = 34;
    f.screenTopHalf = 86;
    f.screenBottomY = 102;
    f.screenBottomHalf = 118;
    f.pillarHalf = 128;
    f.shoulderY = 112;
    f.shoulderHalf = 140;
    f.bodyHalf = 153;
    f.tyreIn = 108;
    f.tyreOut = 146;
    f.mirrorOut = 174;
    f.kidney = {5, 150, 36, 24};
    f.plate = {0, 202, 43, 18};
    f.intakeTop = 222;
    f.intakeBottom = 234;
    return f;
}

FrontSpec er6Front()
{
    FrontSpec f;
    f.face = Face::Er6;
    f.roofY = 38;
    f.roofHalf = 54;
    f.roofEdgeHalf = 92;
    f.roofEdgeY = 46;
    f.screenTopY = 48;
    f.screenTopHalf = 80;
    f.screenBottomY = 106;
    f.screenBottomHalf = 116;
    f.pillarHalf = 128;
    f.shoulderY = 116;
    f.shoulderHalf = 142;
    f.bodyHalf = 155;
    f.bodyBottomY = 228;
    f.apronY = 232;
    f.tyreIn = 110;
    f.tyreOut = 149;
    f.mirrorY = 94;
    f.mirrorOut = 174;
    f.kidney = {5, 158, 38, 22};
    f.headlampSweep = 10;
    f.plate = {0, 197, 44, 18};
    f.intakeTop = 217;
    f.intakeBottom = 228;
    f.intakeHalf = 70;
    return f;
}

} // namespace car::front
